#pragma once
#include <string>

namespace calvorin::platform::win32 {

// True when opening the file at `path` reaches a file under another path: a link. Windows
// marks such a link as a reparse point; Wine shows a Linux symbolic link as a plain file and
// follows it, so the path the opened file really has is what tells.
bool reachesAnotherPath(const std::wstring& path);

} // namespace calvorin::platform::win32
