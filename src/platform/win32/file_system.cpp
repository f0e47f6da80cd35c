#include "platform/win32/file_system.h"
#include "platform/win32/last_error.h"
#include "platform/win32/link_check.h"

#include <windows.h>

namespace calvorin::platform::win32 {

namespace {
HANDLE handleOf(FileHandle f) { return reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(f)); }
std::uint64_t join(DWORD high, DWORD low) { return (static_cast<std::uint64_t>(high) << 32) | low; }
} // namespace

Status FileSystem::find(const std::string& pattern, std::vector<DirEntry>& entries) {
    entries.clear();
    WIN32_FIND_DATAW data{};
    HANDLE h = FindFirstFileW(widen(pattern).c_str(), &data);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        return fromCode(code == ERROR_NO_MORE_FILES ? ERROR_FILE_NOT_FOUND : code);
    }
    do {
        entries.push_back({narrow(data.cFileName), data.dwFileAttributes,
                           join(data.nFileSizeHigh, data.nFileSizeLow)});
    } while (FindNextFileW(h, &data));
    FindClose(h);
    return Status::success();
}

Status FileSystem::attributes(const std::string& path, std::uint32_t& attributes) {
    const std::wstring wide = widen(path);
    DWORD a = GetFileAttributesW(wide.c_str());
    // A link Wine shows as a plain file is a link all the same.
    if (a != INVALID_FILE_ATTRIBUTES && !(a & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) &&
        reachesAnotherPath(wide))
        a |= FILE_ATTRIBUTE_REPARSE_POINT;
    attributes = a == INVALID_FILE_ATTRIBUTES ? 0 : a;
    return a == INVALID_FILE_ATTRIBUTES ? lastError() : Status::success();
}

Status FileSystem::setAttributes(const std::string& path, std::uint32_t attributes) {
    DWORD a = attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT);
    if (a == 0) a = FILE_ATTRIBUTE_NORMAL;
    return SetFileAttributesW(widen(path).c_str(), a) ? Status::success() : lastError();
}

Status FileSystem::length(const std::string& path, std::uint64_t& length) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    length = 0;
    if (!GetFileAttributesExW(widen(path).c_str(), GetFileExInfoStandard, &data)) return lastError();
    length = join(data.nFileSizeHigh, data.nFileSizeLow);
    return Status::success();
}

bool FileSystem::fileExists(const std::string& path) {
    const DWORD a = GetFileAttributesW(widen(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

Status FileSystem::shortPath(const std::string& path, std::string& shortPath) {
    shortPath.clear();
    const std::wstring wide = widen(path);
    const DWORD n = GetShortPathNameW(wide.c_str(), nullptr, 0);
    if (n == 0) return lastError();
    std::wstring buffer(n, L'\0');
    const DWORD got = GetShortPathNameW(wide.c_str(), buffer.data(), n);
    if (got == 0 || got >= n) return lastError();
    buffer.resize(got);
    shortPath = narrow(buffer);
    return Status::success();
}

Status FileSystem::open(const std::string& path, OpenMode mode, FileHandle& file) {
    file = kNoFile;
    DWORD access = GENERIC_READ, disposition = OPEN_EXISTING;
    if (mode == OpenMode::Output) {
        access = GENERIC_WRITE;
        disposition = OPEN_ALWAYS; // emptied below: CREATE_ALWAYS refuses hidden files
    } else if (mode == OpenMode::Binary) {
        access = GENERIC_READ | GENERIC_WRITE;
        disposition = OPEN_ALWAYS;
    }
    HANDLE h = CreateFileW(widen(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return lastError();
    if (mode == OpenMode::Output && !SetEndOfFile(h)) {
        const Status s = lastError();
        CloseHandle(h);
        return s;
    }
    file = static_cast<FileHandle>(reinterpret_cast<std::uintptr_t>(h));
    return Status::success();
}

Status FileSystem::read(FileHandle file, std::size_t count, std::string& bytes) {
    bytes.assign(count, '\0');
    DWORD got = 0;
    if (!ReadFile(handleOf(file), bytes.data(), static_cast<DWORD>(count), &got, nullptr)) {
        bytes.clear();
        return lastError();
    }
    bytes.resize(got);
    return Status::success();
}

Status FileSystem::write(FileHandle file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD put = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        if (!WriteFile(handleOf(file), bytes.data(), chunk, &put, nullptr)) return lastError();
        bytes.remove_prefix(put);
    }
    return Status::success();
}

Status FileSystem::seek(FileHandle file, std::uint64_t offset) {
    LARGE_INTEGER to{};
    to.QuadPart = static_cast<LONGLONG>(offset);
    return SetFilePointerEx(handleOf(file), to, nullptr, FILE_BEGIN) ? Status::success() : lastError();
}

Status FileSystem::close(FileHandle file) {
    return CloseHandle(handleOf(file)) ? Status::success() : lastError();
}

Status FileSystem::remove(const std::string& path) {
    const std::wstring wide = widen(path);
    // Windows deletes a link itself, but Wine deletes the file a link leads to: such a link
    // stays, and what it leads to is never touched.
    const DWORD a = GetFileAttributesW(wide.c_str());
    if (a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_REPARSE_POINT) && reachesAnotherPath(wide))
        return Status::failure(ERROR_ACCESS_DENIED, "The file is a link; it is left in place.");
    return DeleteFileW(wide.c_str()) ? Status::success() : lastError();
}

Status FileSystem::createFolder(const std::string& path) {
    return CreateDirectoryW(widen(path).c_str(), nullptr) ? Status::success() : lastError();
}

Status FileSystem::removeFolder(const std::string& path) {
    return RemoveDirectoryW(widen(path).c_str()) ? Status::success() : lastError();
}

Status FileSystem::replaceFile(const std::string& source, const std::string& target) {
    const std::wstring from = widen(source);
    // Windows refuses to replace a read-only file; Wine replaces it, so the refusal is made here.
    const DWORD attributes = GetFileAttributesW(widen(target).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return fromCode(ERROR_ACCESS_DENIED);
    // The data first: a rename that reaches the disk before the bytes it names would leave a
    // hole where the program was after a power loss.
    HANDLE h = CreateFileW(from.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return lastError();
    const BOOL flushed = FlushFileBuffers(h);
    const Status flushFailure = flushed ? Status::success() : lastError();
    CloseHandle(h);
    if (!flushed) return flushFailure;
    return MoveFileExW(from.c_str(), widen(target).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? Status::success()
               : lastError();
}

} // namespace calvorin::platform::win32
