#include "platform/win32/shell.h"
#include "platform/win32/last_error.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

namespace calvorin::platform::win32 {

Status Shell::emptyRecycleBin(const std::string& root, std::uint32_t flags) {
    const std::wstring wide = widen(root);
    return fromResult(SHEmptyRecycleBinW(GetActiveWindow(), wide.c_str(), flags));
}

Status Shell::clearRecentDocuments() {
    SHAddToRecentDocs(SHARD_PIDL, nullptr);
    return Status::success();
}

Status Shell::specialFolder(int number, std::string& path) {
    path.clear();
    PIDLIST_ABSOLUTE list = nullptr;
    const HRESULT hr = SHGetSpecialFolderLocation(nullptr, number, &list);
    if (FAILED(hr)) return fromResult(hr);
    wchar_t buffer[MAX_PATH * 2] = {};
    const BOOL ok = SHGetPathFromIDListW(list, buffer);
    CoTaskMemFree(list);
    if (!ok) return fromResult(E_FAIL);
    path = narrow(buffer);
    return Status::success();
}

} // namespace calvorin::platform::win32
