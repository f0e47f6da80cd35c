#include "contract/test_platform.h"

#include <gtest/gtest.h>

#include <map>

using namespace calvorin::platform;

namespace {

// Every entry the walk gives, by source URL; entries deleted during the walk as `remove` says.
std::map<std::string, CacheEntry> walk(UrlCache& cache, const std::function<bool(const CacheEntry&)>& remove = {}) {
    std::map<std::string, CacheEntry> seen;
    CacheFind find = kNoCacheFind;
    CacheEntry e;
    if (cache.findFirst(find, e).ok()) {
        do {
            seen[e.sourceUrl] = e;
            if (remove && remove(e)) {
                EXPECT_TRUE(cache.remove(e.sourceUrl).ok()) << e.sourceUrl;
            }
        } while (cache.findNext(find, e).ok());
        EXPECT_TRUE(cache.findClose(find).ok());
    }
    return seen;
}

TEST(UrlCacheContract, EntriesAreWalkedWithTypeAndLocalFileAndDeletedWithTheirFile) {
    auto p = calvorin::test::makeTestPlatform();
    const std::string a = "http://contract-a.calvorin.test/page.htm";
    const std::string b = "http://contract-b.calvorin.test/logo.gif";
    const std::string c = "http://contract-c.calvorin.test/style.css";
    std::string fileA, fileB, fileC;
    ASSERT_TRUE(p->addCacheEntry(a, cache_entry::Normal, "page", fileA));
    ASSERT_TRUE(p->addCacheEntry(b, cache_entry::Normal | cache_entry::Sticky, "logo", fileB));
    ASSERT_TRUE(p->addCacheEntry(c, cache_entry::Normal, "style", fileC));
    EXPECT_TRUE(p->files().fileExists(fileA));

    auto seen = walk(p->urlCache(), [&](const CacheEntry& e) { return e.sourceUrl == a || e.sourceUrl == b; });
    ASSERT_TRUE(seen.count(a) && seen.count(b) && seen.count(c)) << "the walk goes on past deleted entries";
    EXPECT_EQ(seen[a].localFile, fileA);
    EXPECT_TRUE(seen[a].type & cache_entry::Normal);
    EXPECT_TRUE(seen[b].type & cache_entry::Sticky);
    EXPECT_FALSE(p->files().fileExists(fileA)) << "the local file goes with its entry";

    seen = walk(p->urlCache());
    EXPECT_FALSE(seen.count(a));
    EXPECT_FALSE(seen.count(b));
    EXPECT_TRUE(seen.count(c));
    EXPECT_TRUE(p->urlCache().remove(c).ok());
    EXPECT_FALSE(p->urlCache().remove(c).ok()) << "a deleted entry is gone";
}

} // namespace
