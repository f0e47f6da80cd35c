#include "contract/test_platform.h"

#include <gtest/gtest.h>

#include <set>

using namespace calvorin::platform;

namespace {

std::set<std::string> urls(HistoryStore& store, const std::string& prefix) {
    std::set<std::string> out;
    std::unique_ptr<HistoryEnumerator> e;
    EXPECT_TRUE(store.enumUrls(e).ok());
    if (!e) return out;
    EXPECT_TRUE(e->setFilter(prefix, 0).ok());
    HistoryRecord r;
    while (e->next(r).ok()) out.insert(r.url);
    return out;
}

TEST(UrlHistoryContract, RecordsAreAddedWalkedByPrefixDeletedAndCleared) {
    auto p = calvorin::test::makeTestPlatform();
    if (p->onWine()) GTEST_SKIP() << "Wine's URL history store answers \"not implemented\"";
    std::unique_ptr<HistoryStore> store;
    ASSERT_TRUE(p->urlHistory().open(store).ok());
    ASSERT_TRUE(store->addUrl("http://one.calvorin.test/", "One", 0).ok());
    ASSERT_TRUE(store->addUrl("http://two.calvorin.test/", "", 0).ok());
    EXPECT_EQ(urls(*store, "http://one.calvorin.test"), (std::set<std::string>{"http://one.calvorin.test/"}));
    ASSERT_TRUE(store->deleteUrl("http://one.calvorin.test/", 0).ok());
    EXPECT_TRUE(urls(*store, "http://one.calvorin.test").empty());
    ASSERT_TRUE(store->clearHistory().ok());
    EXPECT_TRUE(urls(*store, "").empty());
}

TEST(UrlHistoryContract, FileTimesConvertToLocalTimeToTheSecond) {
    auto p = calvorin::test::makeTestPlatform();
    DateTime a, b;
    // 2026-12-06 12:00:00 UTC, and three and a half seconds later.
    const std::uint64_t t = 134'410'320'000'000'000ULL;
    ASSERT_TRUE(p->urlHistory().toLocalTime(t, a).ok());
    ASSERT_TRUE(p->urlHistory().toLocalTime(t + 35'000'000, b).ok());
    EXPECT_TRUE(isValidDate(a.date));
    EXPECT_EQ(a.date.year, 2026);
    EXPECT_EQ(a.minute, 0);
    EXPECT_EQ(a.second, 0);
    EXPECT_EQ(b.second, 3);
}

} // namespace
