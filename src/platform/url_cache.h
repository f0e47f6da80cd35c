#pragma once
#include "platform/status.h"

#include <cstdint>
#include <string>

namespace calvorin::platform {

// Cache entry type bits, with the values Windows gives them.
namespace cache_entry {
inline constexpr std::uint32_t Normal = 0x1;
inline constexpr std::uint32_t Sticky = 0x4;
inline constexpr std::uint32_t Sparse = 0x10000;
inline constexpr std::uint32_t Cookie = 0x100000;
inline constexpr std::uint32_t UrlHistory = 0x200000;
} // namespace cache_entry

struct CacheEntry {
    std::string sourceUrl;
    std::string localFile; // full path of the copy kept on disk; may be empty
    std::uint32_t type = 0;
};

using CacheFind = std::uint64_t;
inline constexpr CacheFind kNoCacheFind = 0;

// The browser's URL cache.
class UrlCache {
  public:
    virtual ~UrlCache() = default;
    // Starts walking every entry and gives the first; error::NoMoreItems for an empty cache.
    virtual Status findFirst(CacheFind& find, CacheEntry& entry) = 0;
    // The next entry; error::NoMoreItems after the last.
    virtual Status findNext(CacheFind find, CacheEntry& entry) = 0;
    virtual Status findClose(CacheFind find) = 0;
    // Deletes the entry and its local file. Deleting during a walk leaves the walk going.
    virtual Status remove(const std::string& sourceUrl) = 0;
};

} // namespace calvorin::platform
