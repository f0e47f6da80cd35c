#include "platform/win32/link_check.h"

#include <windows.h>

namespace calvorin::platform::win32 {

namespace {
// The full path of what `path` opens, links followed; empty when it cannot be opened.
std::wstring finalPath(const std::wstring& path) {
    HANDLE h = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return {};
    std::wstring out(MAX_PATH, L'\0');
    DWORD n = GetFinalPathNameByHandleW(h, out.data(), static_cast<DWORD>(out.size()), 0);
    if (n >= out.size()) {
        out.resize(n + 1);
        n = GetFinalPathNameByHandleW(h, out.data(), static_cast<DWORD>(out.size()), 0);
    }
    CloseHandle(h);
    out.resize(n < out.size() ? n : 0);
    return out;
}

bool sameNoCase(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}
} // namespace

bool reachesAnotherPath(const std::wstring& path) {
    const auto cut = path.find_last_of(L"\\/");
    if (cut == std::wstring::npos || cut + 1 == path.size()) return false;
    // The name as the folder lists it: long, in its stored letter case.
    WIN32_FIND_DATAW data{};
    HANDLE find = FindFirstFileW(path.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return false;
    FindClose(find);
    if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) return true;

    const std::wstring reached = finalPath(path);
    std::wstring folder = finalPath(path.substr(0, cut + 1));
    if (reached.empty() || folder.empty()) return false; // nothing to compare: let the caller try
    if (folder.back() != L'\\') folder += L'\\';
    return !sameNoCase(reached, folder + data.cFileName);
}

} // namespace calvorin::platform::win32
