#include "cleaners/url_history.h"
#include "cleaners/cleaner_fixture.h"
#include "platform/raised_error.h"

using namespace calvorin;
using namespace calvorin::cleaners;
using namespace calvorin::platform;

namespace {

class UrlHistoryTest : public test::CleanerTest {
  protected:
    void SetUp() override {
        const auto t = emulated::fileTimeOf({{2026, 12, 6}, 23, 30, 15});
        world.urlHistory.records = {
            {"http://news.example/today", "News", t, t + 10'000'000, t + 864'000'000'000ULL, 3},
            {"http://mail.example/", "", t, t, t, 0},
            {"ftp://files.example/", "Files", t, t, t, 0},
        };
    }
};

TEST_F(UrlHistoryTest, ItemsCarryTheirRecordWithLocalTimesAndAStandInTitle) {
    CURLHistory history(p);
    ASSERT_EQ(history.Count(), 3);
    const auto first = history.Item(1);
    EXPECT_EQ(first->URL(), "http://news.example/today");
    EXPECT_EQ(first->Title(), "News");
    EXPECT_EQ(first->Flags(), 3u);
    const DateTime visited{{2026, 12, 7}, 0, 30, 15}; // one hour east of UTC
    EXPECT_EQ(first->LastVisited(), visited);
    EXPECT_EQ(first->LastVisited(), visited) << "reading twice gives the same time";
    EXPECT_EQ(first->LastUpdated(), (DateTime{{2026, 12, 7}, 0, 30, 16}));
    EXPECT_EQ(first->Expires(), (DateTime{{2026, 12, 8}, 0, 30, 15}));
    EXPECT_EQ(history.Item(2)->Title(), "     (No Title Given)");
    std::vector<std::string> urls;
    for (const auto& item : history) urls.push_back(item->URL());
    EXPECT_EQ(urls.size(), 3u);
    EXPECT_THROW(history.Item(0), RaisedError);
    EXPECT_THROW(history.Item(4), RaisedError);
}

TEST_F(UrlHistoryTest, RefreshWithAPrefixListsOnlyMatchingRecords) {
    CURLHistory history(p);
    history.Refresh("http://");
    EXPECT_EQ(history.Count(), 2);
    history.Refresh("ftp:");
    ASSERT_EQ(history.Count(), 1);
    EXPECT_EQ(history.Item(1)->URL(), "ftp://files.example/");
}

TEST_F(UrlHistoryTest, AddRemoveAndDeleteChangeTheStoreAsTheySay) {
    CURLHistory history(p);
    history.AddURL("http://new.example/", "New", 0);
    EXPECT_EQ(history.Count(), 3) << "adding does not reload";
    EXPECT_EQ(world.urlHistory.records.size(), 4u);

    EXPECT_THROW(history.Remove(4), RaisedError);
    EXPECT_EQ(world.urlHistory.records.size(), 4u) << "a bad index deletes nothing";
    history.Remove(1);
    EXPECT_EQ(history.Count(), 2);
    EXPECT_EQ(history.Item(1)->URL(), "http://mail.example/");
    EXPECT_EQ(world.urlHistory.records.size(), 3u);

    history.DeleteURL("http://mail.example/", 0);
    EXPECT_EQ(history.Count(), 2) << "reloaded: files and the new record";
    world.failures.fail("UrlHistory.deleteUrl", Status::failure(0x80004005, "Unspecified error"));
    EXPECT_NO_THROW(history.DeleteURL("http://nothing.example/", 0));

    world.failures.fail("UrlHistory.addUrl", Status::failure(error::NotImplemented, "Not implemented"));
    EXPECT_THROW(history.AddURL("http://x.example/", "", 0), RaisedError);
    world.failures.fail("UrlHistory.deleteUrl", Status::failure(0x80004005, "Unspecified error"));
    EXPECT_THROW(history.Remove(1), RaisedError);
    EXPECT_EQ(history.Count(), 2) << "a failed delete keeps the item";
}

TEST_F(UrlHistoryTest, ClearEmptiesTheStoreEvenWhenItIsEmptyAlready) {
    CURLHistory history(p);
    history.Clear();
    EXPECT_EQ(history.Count(), 0);
    EXPECT_TRUE(world.urlHistory.records.empty());
    EXPECT_NO_THROW(history.Clear());
    world.failures.fail("UrlHistory.clearHistory", Status::failure(error::NotImplemented, "Not implemented"));
    EXPECT_NO_THROW(history.Clear());
}

TEST_F(UrlHistoryTest, FailuresToReachOrWalkTheStoreAreRaisedAndTheStoreReleased) {
    world.failures.fail("UrlHistory.open", Status::failure(0x80040154, "Class not registered"));
    EXPECT_THROW(CURLHistory{p}, RaisedError);
    world.failures.fail("UrlHistory.setFilter", Status::failure(error::NotImplemented, "Not implemented"));
    try {
        CURLHistory history(p);
        FAIL() << "expected a raised error";
    } catch (const RaisedError& e) {
        EXPECT_EQ(e.number(), error::NotImplemented);
    }
    EXPECT_EQ(world.urlHistory.openStores(), 0);
    {
        CURLHistory history(p);
        EXPECT_EQ(world.urlHistory.openStores(), 1);
    }
    EXPECT_EQ(world.urlHistory.openStores(), 0);
}

} // namespace
