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
    if (number == folder::Downloads) {
        PWSTR known = nullptr;
        const HRESULT hr = SHGetKnownFolderPath(FOLDERID_Downloads, 0, nullptr, &known);
        if (SUCCEEDED(hr)) path = narrow(known);
        CoTaskMemFree(known);
        return SUCCEEDED(hr) ? Status::success() : fromResult(hr);
    }
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

Status Shell::copyFile(const std::string& source, const std::string& destination) {
    // Each list holds one path and ends with an extra NUL.
    std::wstring from = widen(source);
    from.push_back(L'\0');
    std::wstring to = widen(destination);
    to.push_back(L'\0');
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_COPY;
    operation.pFrom = from.c_str();
    operation.pTo = to.c_str();
    operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;
    const int rc = SHFileOperationW(&operation);
    if (rc != 0) return fromCode(static_cast<unsigned long>(rc));
    if (operation.fAnyOperationsAborted)
        return Status::failure(ERROR_CANCELLED, "The operation was canceled by the user.");
    return Status::success();
}

} // namespace calvorin::platform::win32
