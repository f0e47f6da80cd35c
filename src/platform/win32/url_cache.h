#pragma once
#include "platform/url_cache.h"

namespace calvorin::platform::win32 {

class UrlCache final : public platform::UrlCache {
  public:
    Status findFirst(CacheFind& find, CacheEntry& entry) override;
    Status findNext(CacheFind find, CacheEntry& entry) override;
    Status findClose(CacheFind find) override;
    Status remove(const std::string& sourceUrl) override;
};

} // namespace calvorin::platform::win32
