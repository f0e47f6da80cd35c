#include "core/main_end.h"
#include "core/main_form_fixture.h"

#include <string>
#include <vector>

using namespace calvorin;

namespace {

// The main window loaded on an emulated Windows, with two Windows items ticked whose erase
// operations log what they see, and an end that records instead of ending the process.
class MainEndTest : public test::MainFormTest {
  protected:
    MainEndTest() {
        for (int i : {0, 1}) {
            form.eraseOperations.plug(core::TraceGroup::Windows, i,
                                      {[this, i] { log.push_back("erase " + std::to_string(i)); }});
        }
        form.onUnload = [this] {
            log.push_back("unload");
            form.Form_Unload();
        };
        ending.blockShutdown = [this](const std::string& reason) {
            log.push_back("reason '" + reason + "'");
        };
        EXPECT_TRUE(form.Form_Load());
        form.chkWinSettings[0].setValue(1);
        form.chkWinSettings[1].setValue(1);
        log.clear();
    }
    // Runs `event` from inside the next pause of a run, as a click arriving then.
    void during(std::uint64_t afterMs, std::function<void()> event) {
        world.events.at(world.events.tickCount() + afterMs, std::move(event));
    }
    std::string saved() {
        return world.settings.get("Calvorin", "LastHistory", "chkWinSettings0", "<none>");
    }

    std::vector<std::string> log;
    int ended = 0;
    core::MainWindowEnd ending{form, platform, [this] {
                                   log.push_back("end: " + form.Label1.caption());
                                   ++ended;
                               }};
};

TEST_F(MainEndTest, ACloseRunsTheShutdownSequenceOnceAndASecondCloseIsIgnored) {
    form.chkRun[1].setValue(1);
    // The user clicks X again while the shutdown erase pauses.
    during(500, [this] { ending.close(); });
    ending.close();
    EXPECT_EQ(log, (std::vector<std::string>{"unload", "erase 0", "erase 1", "end: Done."}));
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(saved(), "1");
    EXPECT_NE(stamp(), "<none>") << "the shutdown erase ran to its end";
    EXPECT_TRUE(world.tray.shown.empty());
}

TEST_F(MainEndTest, ACloseDuringARunWaitsForTheRunThenRunsTheShutdownErase) {
    form.chkRun[1].setValue(1);
    during(500, [this] {
        log.push_back("close");
        ending.close();
    });
    form.cmdClean.click();
    EXPECT_EQ(log, (std::vector<std::string>{"close", "erase 0", "erase 1", "unload", "erase 0",
                                             "erase 1", "end: Done."}));
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(world.tray.shown.empty());
}

TEST_F(MainEndTest, TheSessionEndRunsTheShutdownSequenceWithItsReason) {
    form.chkRun[1].setValue(1);
    EXPECT_TRUE(ending.sessionEnding());
    ending.sessionEnded(true);
    EXPECT_EQ(log, (std::vector<std::string>{"reason 'Erasing traces...'", "unload", "erase 0",
                                             "erase 1", "reason ''", "end: Done."}));
    EXPECT_EQ(saved(), "1");
    EXPECT_TRUE(world.tray.shown.empty());
}

TEST_F(MainEndTest, ASessionThatGoesOnWithdrawsTheReasonAndKeepsTheProgram) {
    form.chkRun[1].setValue(1);
    EXPECT_TRUE(ending.sessionEnding());
    ending.sessionEnded(false);
    EXPECT_EQ(log, (std::vector<std::string>{"reason 'Erasing traces...'", "reason ''"}));
    EXPECT_EQ(ended, 0);
    // Without an erase to wait for, there is nothing to tell Windows.
    form.chkRun[1].setValue(0);
    log.clear();
    EXPECT_TRUE(ending.sessionEnding());
    ending.sessionEnded(true);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0], "unload");
    EXPECT_EQ(saved(), "1");
}

TEST_F(MainEndTest, TheSessionEndingInsideARunFinishesTheRunBeforeTheEnd) {
    // The session ends while the user's run pauses before its first item; the shutdown
    // erase is not ticked, yet the user's run is not cut short.
    during(500, [this] {
        ending.sessionEnding();
        ending.sessionEnded(true);
    });
    form.cmdClean.click();
    ASSERT_GE(log.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 6),
              (std::vector<std::string>{"reason 'Erasing traces...'", "unload", "erase 0",
                                        "erase 1", "reason ''", "end: Done."}));
    EXPECT_EQ(saved(), "1");
    EXPECT_TRUE(world.tray.shown.empty());
}

TEST_F(MainEndTest, TheSessionEndingInsideTheShutdownEraseRunsItAgainToItsEnd) {
    form.chkRun[1].setValue(1);
    during(500, [this] {
        ending.sessionEnding();
        ending.sessionEnded(true);
    });
    ending.close();
    ASSERT_GE(log.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 5),
              (std::vector<std::string>{"unload", "reason 'Erasing traces...'", "erase 0",
                                        "erase 1", "reason ''"}));
    EXPECT_EQ(log[5], "end: Done.");
    EXPECT_TRUE(world.tray.shown.empty()) << "the icon goes though the unload never ended";
}

} // namespace
