#include "platform/emulated/url_cache.h"

#include <algorithm>

namespace calvorin::platform::emulated {

namespace {
Status noMore() { return Status::failure(error::NoMoreItems, "No more data is available."); }
bool sameUrl(const std::string& a, const std::string& b) { return a == b; }
} // namespace

void UrlCache::add(const CacheEntry& entry, const std::string& content) {
    if (!entry.localFile.empty() && !files_.exists(entry.localFile)) files_.put(entry.localFile, content);
    entries.push_back(entry);
}

bool UrlCache::has(const std::string& sourceUrl) const {
    return std::any_of(entries.begin(), entries.end(),
                       [&](const CacheEntry& e) { return sameUrl(e.sourceUrl, sourceUrl); });
}

Status UrlCache::nextFrom(CacheFind find, CacheEntry& entry) {
    auto it = finds_.find(find);
    if (it == finds_.end()) return Status::failure(error::InvalidHandle, "The handle is invalid.");
    auto& walk = it->second;
    while (walk.next < walk.snapshot.size()) {
        const CacheEntry& candidate = walk.snapshot[walk.next++];
        if (has(candidate.sourceUrl)) {
            entry = candidate;
            return Status::success();
        }
    }
    return noMore();
}

Status UrlCache::findFirst(CacheFind& find, CacheEntry& entry) {
    find = kNoCacheFind;
    if (auto f = failures_.take("UrlCache.findFirst")) return *f;
    if (entries.empty()) return noMore();
    find = nextFind_++;
    finds_[find] = {entries, 0};
    return nextFrom(find, entry);
}

Status UrlCache::findNext(CacheFind find, CacheEntry& entry) {
    if (auto f = failures_.take("UrlCache.findNext")) return *f;
    return nextFrom(find, entry);
}

Status UrlCache::findClose(CacheFind find) {
    if (auto f = failures_.take("UrlCache.findClose")) return *f;
    if (finds_.erase(find) == 0) return Status::failure(error::InvalidHandle, "The handle is invalid.");
    return Status::success();
}

Status UrlCache::remove(const std::string& sourceUrl) {
    if (auto f = failures_.take("UrlCache.remove")) return *f;
    const auto it = std::find_if(entries.begin(), entries.end(),
                                 [&](const CacheEntry& e) { return sameUrl(e.sourceUrl, sourceUrl); });
    if (it == entries.end())
        return Status::failure(error::FileNotFound, "The system cannot find the file specified.");
    if (!it->localFile.empty()) files_.remove(it->localFile);
    entries.erase(it);
    return Status::success();
}

} // namespace calvorin::platform::emulated
