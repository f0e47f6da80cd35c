#include "core/error_report.h"
#include "platform/emulated/world.h"
#include "product.h"

#include <gtest/gtest.h>

using namespace calvorin;
using core::MdErrorHand::IsOnline;
using core::MdErrorHand::ReportError;

namespace {

class ErrorReportTest : public ::testing::Test {
  protected:
    platform::emulated::World world;
    platform::Platform platform = world.platform();
};

TEST_F(ErrorReportTest, TheProbeOpensTheProbePageAsTheProgramAndClosesEverything) {
    world.internet.online = true;
    EXPECT_TRUE(IsOnline(platform));
    ASSERT_EQ(world.internet.rootAgents, std::vector<std::string>{"Calvorin"});
    ASSERT_EQ(world.internet.urlRequests.size(), 1u);
    EXPECT_EQ(world.internet.urlRequests[0].url, product::kProbeUrl);
    EXPECT_EQ(world.internet.urlRequests[0].flags, 0x84400000u);
    EXPECT_EQ(world.internet.openHandles(), 0u);

    world.internet.online = false;
    EXPECT_FALSE(IsOnline(platform));
    EXPECT_EQ(world.internet.openHandles(), 0u);
}

TEST_F(ErrorReportTest, NoSessionMeansOfflineWithoutAskingForThePage) {
    world.internet.online = true;
    world.failures.fail("Internet.openRoot",
                        {12029, "A connection with the server could not be established"});
    EXPECT_FALSE(IsOnline(platform));
    EXPECT_TRUE(world.internet.urlRequests.empty());
}

TEST_F(ErrorReportTest, OnlineTheMessageIsTheTextDirectlyFollowedByTheNumber) {
    world.internet.online = true;
    platform::Status failure{70, "Permission denied"};
    ReportError(platform, "mdWindowsClean, ClearRecentDocs, " + failure.description, failure);
    ASSERT_EQ(world.dialogs.shown.size(), 1u);
    EXPECT_EQ(world.dialogs.shown[0].text, "mdWindowsClean, ClearRecentDocs, Permission denied70");
    EXPECT_EQ(world.dialogs.shown[0].caption, "Calvorin");
    EXPECT_EQ(world.dialogs.shown[0].style, platform::MbOk);
    EXPECT_TRUE(failure.ok()) << "the caller goes on as if nothing had failed";
    EXPECT_EQ(failure.description, "");
}

TEST_F(ErrorReportTest, SystemNumbersBeyondSixteenBitsShowWhole) {
    world.internet.online = true;
    for (std::int64_t number :
         {std::int64_t{2147942405}, std::int64_t{-2147024891}, std::int64_t{12029}}) {
        platform::Status failure{number, "x"};
        ReportError(platform, "t", failure);
        EXPECT_EQ(world.dialogs.shown.back().text, "t" + std::to_string(number));
    }
}

TEST_F(ErrorReportTest, OfflineTheFailureIsClearedSilently) {
    platform::Status failure{5, "Access is denied."};
    ReportError(platform, "text", failure);
    EXPECT_TRUE(world.dialogs.shown.empty());
    EXPECT_EQ(world.internet.urlRequests.size(), 1u) << "the probe was made";
    EXPECT_TRUE(failure.ok());
}

TEST_F(ErrorReportTest, NoPendingFailureMeansNoProbeAndNoMessage) {
    world.internet.online = true;
    platform::Status none;
    ReportError(platform, "text", none);
    EXPECT_TRUE(world.internet.rootAgents.empty());
    EXPECT_TRUE(world.dialogs.shown.empty());
    EXPECT_EQ(world.internet.cancels, 0);
}

TEST_F(ErrorReportTest, ARunningTransferIsCancelledAndAwaitedWhileEventsRun) {
    world.internet.online = true;
    world.internet.startTransfer(3);
    int ticks = 0;
    world.events.startTimer(5, [&] { ++ticks; });
    std::int64_t pollsWhenShown = -1;
    world.dialogs.onShow = [&](const auto&) { pollsWhenShown = world.internet.executingPolls; };
    platform::Status failure{1, "x"};
    ReportError(platform, "t", failure);
    EXPECT_EQ(world.internet.cancels, 1);
    EXPECT_EQ(pollsWhenShown, 4) << "three answers of still executing, then done";
    EXPECT_GT(ticks, 0) << "the window's timers ran during the wait";
    ASSERT_EQ(world.dialogs.shown.size(), 1u);
}

TEST_F(ErrorReportTest, OfflineNothingIsCancelled) {
    world.internet.startTransfer(0);
    platform::Status failure{1, "x"};
    ReportError(platform, "t", failure);
    EXPECT_EQ(world.internet.cancels, 0);
}

} // namespace
