#include "bosskey/boss_key.h"
#include "core/main_form_fixture.h"

#include <initializer_list>

using namespace calvorin;
using platform::WindowHandle;
namespace show = platform::show;

namespace {

constexpr int F7 = 118, F10 = 121, Ctrl = 17, U = 85;

class BossKeyTest : public test::MainFormTest {
  protected:
    WindowHandle main = world.desktop.addWindow("CalvorinMain", "Calvorin 1.0");
    bosskey::BossKey bossKey{form, platform, main};

    BossKeyTest() {
        bosskey::plugBossKey(form, bossKey);
        form.setVisible(true);
    }
    void choose(const std::string& text) {
        form.cmbBoss.setText(text);
        form.cmdSet.click();
    }
    // Holds the keys down for `ticks` polls of the timer, then lets them go.
    void hold(std::initializer_list<int> keys, int ticks = 1) {
        world.desktop.keysDown.insert(keys);
        world.events.waitUntil(world.events.tickCount() + 50u * static_cast<unsigned>(ticks));
        world.desktop.keysDown.clear();
        world.events.waitUntil(world.events.tickCount() + 50);
    }
    platform::emulated::Desktop::Window& window(WindowHandle h) { return *world.desktop.window(h); }
    WindowHandle browser(int showCommand) {
        WindowHandle h =
            world.desktop.addWindow("IEFrame", "Page - Internet Explorer", showCommand);
        window(h).placement.left = static_cast<std::int32_t>(h % 97); // each somewhere else
        return h;
    }
};

TEST_F(BossKeyTest, SetTakesTheKeyFromTheListShowsHowToRestoreAndRemembersIt) {
    choose("F7");
    EXPECT_EQ(bossKey.keyCode(), F7);
    EXPECT_EQ(form.Label6.caption(), "Restore :  Ctrl + F7");
    EXPECT_EQ(world.settings.get("Calvorin", "Boss", "bossKey", ""), "118");

    choose(" F12 ");
    EXPECT_EQ(bossKey.keyCode(), 123);
    EXPECT_EQ(form.Label6.caption(), "Restore :  Ctrl +  F12 ");

    // Typed by hand: no key of the table, so F10.
    for (const char* text : {"f7", "F 7", "", "F13"}) {
        choose(text);
        EXPECT_EQ(bossKey.keyCode(), F10) << text;
    }
    EXPECT_EQ(form.Label6.caption(), "Restore :  Ctrl + F13");
    EXPECT_EQ(world.settings.get("Calvorin", "Boss", "bossKey", ""), "121");
    hold({F10});
    EXPECT_FALSE(window(main).visible);
}

TEST_F(BossKeyTest, LoadingTheSavedValuesSetsTheKeyAndStartsThePolling) {
    world.settings.save("Calvorin", "LastHistory", "cmbBoss", "F5");
    form.getLastSettings();
    EXPECT_EQ(bossKey.keyCode(), 116);
    EXPECT_EQ(form.Label6.caption(), "Restore :  Ctrl + F5");
    EXPECT_TRUE(form.timeHide.enabled());
    const int before = world.desktop.keyQueries;
    world.events.waitUntil(world.events.tickCount() + 500);
    EXPECT_GE(world.desktop.keyQueries - before, 10 * 2);
}

TEST_F(BossKeyTest, WithNoBrowserTheKeyHidesTheMainWindowAndCtrlWithItBringsItBack) {
    choose("F7");
    WindowHandle other = world.desktop.addWindow("Notepad", "notes.txt - Notepad");
    hold({F7});
    EXPECT_FALSE(window(main).visible);
    EXPECT_FALSE(form.visible());
    EXPECT_TRUE(window(other).visible);
    EXPECT_TRUE(bossKey.savedWindows().empty());

    hold({Ctrl, F7});
    EXPECT_TRUE(window(main).visible);
    EXPECT_TRUE(form.visible());
    EXPECT_TRUE(window(main).foreground);
}

TEST_F(BossKeyTest, BrowserWindowsComeBackMaximizedAndMinimizedAsBefore) {
    choose("F7");
    WindowHandle big = browser(show::Maximized);
    WindowHandle small = browser(show::Minimized);
    WindowHandle kept = world.desktop.addWindow("IEFrameX", "not a browser frame");
    const auto bigBefore = window(big).placement, smallBefore = window(small).placement;

    hold({F7});
    EXPECT_FALSE(window(big).visible);
    EXPECT_FALSE(window(small).visible);
    EXPECT_TRUE(window(kept).visible);
    EXPECT_EQ(bossKey.savedWindows().size(), 2u);

    hold({Ctrl, F7});
    EXPECT_TRUE(window(big).visible);
    EXPECT_TRUE(window(small).visible);
    EXPECT_EQ(window(big).placement, bigBefore);
    EXPECT_EQ(window(small).placement, smallBefore);
    EXPECT_TRUE(world.desktop.isIconic(small));
}

TEST_F(BossKeyTest, HoldingTheKeyOrPressingItAgainNeverLosesAWindow) {
    choose("F7");
    WindowHandle big = browser(show::Maximized);
    WindowHandle small = browser(show::Minimized);
    const auto bigBefore = window(big).placement, smallBefore = window(small).placement;

    hold({F7}, 6);                             // a hide pass on every tick
    hold({F7});                                // and once more later
    WindowHandle late = browser(show::Normal); // opened while the others are hidden
    hold({F7}, 3);
    EXPECT_EQ(bossKey.savedWindows().size(), 3u);

    hold({Ctrl, F7});
    EXPECT_EQ(window(big).placement, bigBefore);
    EXPECT_TRUE(window(big).visible);
    EXPECT_EQ(window(small).placement, smallBefore);
    EXPECT_TRUE(window(small).visible);
    EXPECT_TRUE(window(late).visible);
    EXPECT_EQ(window(late).placement.showCommand, static_cast<unsigned>(show::Normal));

    // Restoring keeps the list: a second restore shows the same windows again.
    world.desktop.showWindow(big, show::Hide);
    hold({Ctrl, F7});
    EXPECT_TRUE(window(big).visible);
}

TEST_F(BossKeyTest, AFrameTheBrowserKeepsHiddenStaysHiddenAndAClosedOneIsSkipped) {
    choose("F7");
    WindowHandle hiddenByBrowser = browser(show::Hide);
    WindowHandle closes = browser(show::Normal);
    WindowHandle stays = browser(show::Maximized);
    hold({F7});
    world.desktop.closeWindow(closes);
    hold({Ctrl, F7});
    EXPECT_FALSE(window(hiddenByBrowser).visible);
    EXPECT_TRUE(window(stays).visible);
    EXPECT_EQ(window(stays).placement.showCommand, static_cast<unsigned>(show::Maximized));
    EXPECT_TRUE(window(main).visible);
}

TEST_F(BossKeyTest, AWindowWhosePlacementCannotBeReadIsLeftShown) {
    choose("F7");
    WindowHandle h = browser(show::Normal);
    world.failures.fail("Desktop.getPlacement", {1400, "Invalid window handle."});
    hold({F7});
    EXPECT_TRUE(window(h).visible);
    EXPECT_TRUE(bossKey.savedWindows().empty());
}

TEST_F(BossKeyTest, CtrlUBringsTheMinimizedMainWindowToTheFrontAndLeavesBrowsersAlone) {
    choose("F7");
    WindowHandle big = browser(show::Maximized);
    hold({F7});
    world.desktop.showWindow(main, show::Minimized);
    ASSERT_TRUE(world.desktop.isIconic(main));
    hold({Ctrl, U});
    EXPECT_TRUE(window(main).visible);
    EXPECT_FALSE(world.desktop.isIconic(main));
    EXPECT_TRUE(window(main).foreground);
    EXPECT_TRUE(form.visible());
    EXPECT_FALSE(window(big).visible);
    EXPECT_EQ(world.process.taskListShows, 0); // NT lists every program already

    // Nothing happens to U alone, nor before any key is set.
    hold({U});
    EXPECT_FALSE(window(big).visible);
}

TEST_F(BossKeyTest, TheOldWindowsFamilyListsTheProgramInTheTaskListAgain) {
    world.system.versionRecord = {4, 10, 2222, platform::platform_id::Windows};
    world.process.offersServiceProcess = true;
    choose("F7");
    hold({Ctrl, U});
    EXPECT_EQ(world.process.taskListShows, 1);
    // On NT the call is not even tried.
    world.system.versionRecord = {5, 0, 2195, platform::platform_id::NT};
    hold({Ctrl, U});
    EXPECT_EQ(world.process.taskListShows, 1);
}

TEST_F(BossKeyTest, AShortPressBetweenTwoPollsStillCounts) {
    choose("F7");
    world.desktop.keysPressedOnce = {F7};
    world.desktop.keysDown = {Ctrl};
    world.events.waitUntil(world.events.tickCount() + 50);
    // Hidden and restored in the same tick: Ctrl with the key restores.
    EXPECT_TRUE(window(main).visible);
}

TEST_F(BossKeyTest, AWindowThatRefusesPlacementsIsHiddenAndShownByPlainCommands) {
    choose("F7");
    WindowHandle big = browser(show::Maximized);
    world.failures.fail("Desktop.setPlacement", {1, "The window's placement was not applied."});
    hold({F7});
    EXPECT_FALSE(window(big).visible);
    world.failures.fail("Desktop.setPlacement", {1, "The window's placement was not applied."});
    hold({Ctrl, F7});
    EXPECT_TRUE(window(big).visible);
    EXPECT_EQ(window(big).placement.showCommand, static_cast<unsigned>(show::Maximized));
}

} // namespace
