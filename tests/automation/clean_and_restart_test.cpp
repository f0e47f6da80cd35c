#include "automation/clean_and_restart.h"
#include "core/main_form_fixture.h"

#include <algorithm>

using namespace calvorin;

namespace {

class CleanAndRestartTest : public test::MainFormTest {
  protected:
    CleanAndRestartTest() {
        automation::plugCleanAndRestart(form, platform);
        form.Form_Load();
        form.chkWinSettings[0].setValue(1);
        form.eraseOperations.plug(core::TraceGroup::Windows, 0,
                                  {[this] { world.process.calls.push_back("erase"); }});
        world.settings.save("Calvorin", "LastHistory", "chkWinSettings0", "0");
    }
};

TEST_F(CleanAndRestartTest, ErasesThenAsksForARestartThatSparesUnsavedWork) {
    form.cmdCleanReb.click();
    EXPECT_EQ(world.process.calls, (std::vector<std::string>{"erase", "enableShutdownPrivilege",
                                                             "requestRestart", "endProgram"}));
    ASSERT_EQ(world.process.restartRequests.size(), 1u);
    EXPECT_EQ(world.process.restartRequests[0], 0x12u)
        << "EWX_REBOOT | EWX_FORCEIFHUNG, no EWX_FORCE";
    EXPECT_EQ(form.Label1.caption(), "Done.");
    EXPECT_TRUE(world.tray.shown.empty()) << "no dead icon left in the notification area";
    EXPECT_EQ(world.settings.get("Calvorin", "LastHistory", "chkWinSettings0", ""), "0")
        << "the selections are those of the last normal close";
}

TEST_F(CleanAndRestartTest, Windows9xNeedsNoPrivilege) {
    world.process.platform = platform::PlatformWindows9x;
    world.process.mayShutDown = false;
    form.cmdCleanReb.click();
    EXPECT_EQ(world.process.restartRequests.size(), 1u);
    EXPECT_TRUE(world.process.ended);
    EXPECT_EQ(std::count(world.process.calls.begin(), world.process.calls.end(),
                         "enableShutdownPrivilege"),
              0);
}

TEST_F(CleanAndRestartTest, ARefusedRestartIsReportedAndTheProgramKeepsRunning) {
    world.process.mayShutDown = false;
    form.cmdCleanReb.click();
    EXPECT_TRUE(world.process.restartRequests.empty());
    EXPECT_FALSE(world.process.ended);
    ASSERT_EQ(world.dialogs.shown.size(), 1u);
    EXPECT_EQ(world.dialogs.shown[0].caption, "Calvorin");
    EXPECT_NE(world.dialogs.shown[0].text.find("privilege"), std::string::npos);
    EXPECT_EQ(world.tray.shown.size(), 1u) << "the running program keeps its icon";
}

TEST_F(CleanAndRestartTest, AClickInsideARunsPauseNeitherErasesTwiceNorRestarts) {
    int erased = 0;
    form.eraseOperations.plug(core::TraceGroup::Windows, 0, {[&] { ++erased; }});
    world.events.at(world.events.tickCount() + 500, [this] { form.cmdCleanReb.click(); });
    form.cmdClean.click();
    EXPECT_EQ(erased, 1);
    EXPECT_TRUE(world.process.restartRequests.empty());
    EXPECT_FALSE(world.process.ended);
}

} // namespace
