#include "platform/win32/clipboard.h"
#include "platform/win32/last_error.h"

#include <windows.h>

namespace calvorin::platform::win32 {

Status Clipboard::open() { return OpenClipboard(GetActiveWindow()) ? Status::success() : lastError(); }
Status Clipboard::empty() { return EmptyClipboard() ? Status::success() : lastError(); }
Status Clipboard::close() { return CloseClipboard() ? Status::success() : lastError(); }

} // namespace calvorin::platform::win32
