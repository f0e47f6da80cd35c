#pragma once
#include "platform/emulated/failure_plan.h"
#include "platform/emulated/file_system.h"
#include "platform/url_cache.h"

#include <map>
#include <vector>

namespace calvorin::platform::emulated {

// The URL cache: entries in the order added; deleting one deletes its local file too. A walk
// sees the entries as they were when it started, less those deleted since.
class UrlCache final : public platform::UrlCache {
  public:
    UrlCache(FailurePlan& failures, FileSystem& files) : failures_(failures), files_(files) {}

    Status findFirst(CacheFind& find, CacheEntry& entry) override;
    Status findNext(CacheFind find, CacheEntry& entry) override;
    Status findClose(CacheFind find) override;
    Status remove(const std::string& sourceUrl) override;

    // --- the test's side ---
    // Adds an entry; a local file named is created with `content` when it is missing.
    void add(const CacheEntry& entry, const std::string& content = "cached");
    bool has(const std::string& sourceUrl) const;
    std::vector<CacheEntry> entries;
    std::size_t openFinds() const { return finds_.size(); }

  private:
    Status nextFrom(CacheFind find, CacheEntry& entry);

    FailurePlan& failures_;
    FileSystem& files_;
    struct Walk {
        std::vector<CacheEntry> snapshot;
        std::size_t next = 0;
    };
    std::map<CacheFind, Walk> finds_;
    CacheFind nextFind_ = 0x200;
};

} // namespace calvorin::platform::emulated
