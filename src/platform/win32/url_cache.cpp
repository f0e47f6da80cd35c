#include "platform/win32/url_cache.h"
#include "platform/win32/last_error.h"

#include <windows.h>
#include <wininet.h>

#include <vector>

namespace calvorin::platform::win32 {

namespace {
HANDLE handleOf(CacheFind f) { return reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(f)); }

void copy(const INTERNET_CACHE_ENTRY_INFOW& info, CacheEntry& entry) {
    entry.sourceUrl = info.lpszSourceUrlName ? narrow(info.lpszSourceUrlName) : "";
    entry.localFile = info.lpszLocalFileName ? narrow(info.lpszLocalFileName) : "";
    entry.type = info.CacheEntryType;
}

// The record is of variable length: ask for its size, then fetch it into a buffer that large.
template <typename Call> Status fetch(Call call, CacheEntry& entry) {
    DWORD size = 0;
    if (call(nullptr, &size)) return fromCode(ERROR_INVALID_DATA);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return lastError();
    std::vector<std::uint64_t> buffer(size / sizeof(std::uint64_t) + 1);
    auto* info = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOW*>(buffer.data());
    info->dwStructSize = size;
    if (!call(info, &size)) return lastError();
    copy(*info, entry);
    return Status::success();
}
} // namespace

Status UrlCache::findFirst(CacheFind& find, CacheEntry& entry) {
    find = kNoCacheFind;
    HANDLE h = nullptr;
    // No search pattern: one names a cache container, and "every entry" is what is wanted.
    const Status s = fetch(
        [&](INTERNET_CACHE_ENTRY_INFOW* info, DWORD* size) {
            h = FindFirstUrlCacheEntryW(nullptr, info, size);
            return h != nullptr;
        },
        entry);
    if (s.ok()) find = static_cast<CacheFind>(reinterpret_cast<std::uintptr_t>(h));
    return s;
}

Status UrlCache::findNext(CacheFind find, CacheEntry& entry) {
    return fetch(
        [&](INTERNET_CACHE_ENTRY_INFOW* info, DWORD* size) {
            return FindNextUrlCacheEntryW(handleOf(find), info, size) != FALSE;
        },
        entry);
}

Status UrlCache::findClose(CacheFind find) {
    return FindCloseUrlCache(handleOf(find)) ? Status::success() : lastError();
}

Status UrlCache::remove(const std::string& sourceUrl) {
    return DeleteUrlCacheEntryW(widen(sourceUrl).c_str()) ? Status::success() : lastError();
}

} // namespace calvorin::platform::win32
