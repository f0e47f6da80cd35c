// Flush, rename and the link test of the Windows file system.
#include "platform/win32/file_system.h"
#include "platform/win32/last_error.h"

#include <windows.h>

#include <cwctype>

namespace calvorin::platform::win32 {

namespace {

HANDLE handleOf(FileHandle f) {
    return reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(f));
}

// The path the handle's entry has on its volume, links resolved, without the "\\?\" prefix.
std::wstring finalPath(HANDLE h) {
    std::wstring buffer(MAX_PATH, L'\0');
    DWORD n = GetFinalPathNameByHandleW(h, buffer.data(), static_cast<DWORD>(buffer.size()), 0);
    if (n >= buffer.size()) {
        buffer.assign(n + 1, L'\0');
        n = GetFinalPathNameByHandleW(h, buffer.data(), static_cast<DWORD>(buffer.size()), 0);
    }
    if (n == 0 || n >= buffer.size()) return {};
    buffer.resize(n);
    if (buffer.rfind(L"\\\\?\\UNC\\", 0) == 0) return L"\\\\" + buffer.substr(8);
    if (buffer.rfind(L"\\\\?\\", 0) == 0) return buffer.substr(4);
    return buffer;
}

bool sameNoCase(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

} // namespace

Status FileSystem::flush(FileHandle file) {
    return FlushFileBuffers(handleOf(file)) ? Status::success() : lastError();
}

Status FileSystem::rename(const std::string& from, const std::string& to, bool replace) {
    if (replace) {
        // Windows refuses to replace a read-only file; Wine replaces it, so the refusal is
        // made here for all.
        const DWORD target = GetFileAttributesW(widen(to).c_str());
        if (target != INVALID_FILE_ATTRIBUTES && (target & FILE_ATTRIBUTE_READONLY))
            return fromCode(ERROR_ACCESS_DENIED);
    }
    return MoveFileExW(widen(from).c_str(), widen(to).c_str(),
                       replace ? MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH : 0)
               ? Status::success()
               : lastError();
}

Status FileSystem::leadsElsewhere(const std::string& path, bool& elsewhere) {
    elsewhere = false;
    const std::wstring wide = widen(path);
    const DWORD a = GetFileAttributesW(wide.c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return lastError();
    if (a & FILE_ATTRIBUTE_REPARSE_POINT) {
        elsewhere = true;
        return Status::success();
    }
    // Wine shows a host's symbolic link as the plain file it leads to; only the final path of
    // the entry opened gives it away, by naming the target. The folder is resolved the same way,
    // so a link among the folders above (which the user chose to go through) does not count.
    HANDLE entry = CreateFileW(
        wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (entry == INVALID_HANDLE_VALUE) return lastError();
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(entry, &info) != FALSE;
    const std::wstring entryPath = finalPath(entry);
    CloseHandle(entry);
    if (known && !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && info.nNumberOfLinks > 1) {
        elsewhere = true;
        return Status::success();
    }

    std::wstring full(MAX_PATH, L'\0');
    DWORD n = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (n >= full.size()) {
        full.assign(n + 1, L'\0');
        n = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    }
    if (n == 0 || n >= full.size()) return lastError();
    full.resize(n);
    while (full.size() > 3 && (full.back() == L'\\' || full.back() == L'/'))
        full.pop_back();
    const auto cut = full.find_last_of(L"\\/");
    if (cut == std::wstring::npos || entryPath.empty()) return Status::success();
    const std::wstring name = full.substr(cut + 1);
    HANDLE folder = CreateFileW(full.substr(0, cut + 1).c_str(), 0,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (folder == INVALID_HANDLE_VALUE) return lastError();
    std::wstring expected = finalPath(folder);
    CloseHandle(folder);
    if (expected.empty()) return Status::success();
    if (expected.back() != L'\\') expected += L'\\';
    // A short (8.3) spelling of the name reads back long: compare long with long.
    std::wstring longName = name;
    std::wstring longBuffer(MAX_PATH, L'\0');
    const DWORD got = GetLongPathNameW(full.c_str(), longBuffer.data(), MAX_PATH);
    if (got > 0 && got < MAX_PATH) {
        longBuffer.resize(got);
        longName = longBuffer.substr(longBuffer.find_last_of(L"\\/") + 1);
    }
    elsewhere = !sameNoCase(entryPath, expected + longName);
    return Status::success();
}

} // namespace calvorin::platform::win32
