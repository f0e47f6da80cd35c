#include "core/main_form_fixture.h"
#include "product.h"
#include "settings/registry_access.h"
#include "settings/startup_records.h"

#include <string>
#include <vector>

using namespace calvorin;

namespace {

class MainLifeTest : public test::MainFormTest {
  protected:
    MainLifeTest() { settings::plugStartupRecords(form, platform); }

    std::string hklm(const std::string& key, const std::string& name) {
        return settings::trymodReg::tryMyGetSettingString(platform, platform::kLocalMachine, key,
                                                          name, "<none>");
    }
    // Every value name under a root, as "path\name", to tell whether anything was written.
    std::vector<std::string> everything(platform::RegKey root, const std::string& path = "") {
        std::vector<std::string> out;
        platform::RegKey k = 0;
        if (!world.registry.openKey(root, path, k, false).ok()) return out;
        std::string name;
        for (std::uint32_t i = 0; world.registry.enumValue(k, i, name).ok(); ++i)
            out.push_back(path + "\\" + name);
        std::vector<std::string> subs;
        for (std::uint32_t i = 0; world.registry.enumKey(k, i, name).ok(); ++i)
            subs.push_back(path.empty() ? name : path + "\\" + name);
        world.registry.closeKey(k);
        for (const auto& s : subs)
            for (auto& v : everything(root, s))
                out.push_back(v);
        return out;
    }
};

TEST_F(MainLifeTest, ASecondCopyEndsSilentlyAndTouchesNothing) {
    world.process.anotherCopyRunning = true;
    bool upgraded = false;
    form.slots.Check_For_Update = [&] { return upgraded = true, false; };
    world.settings.save("Calvorin", "LastHistory", "chkRun2", "1");
    const auto before = everything(platform::kCurrentUser);
    EXPECT_FALSE(form.Form_Load());
    EXPECT_TRUE(form.ending());
    EXPECT_FALSE(upgraded);
    EXPECT_EQ(everything(platform::kCurrentUser), before);
    EXPECT_TRUE(everything(platform::kLocalMachine).empty());
    EXPECT_EQ(form.chkRun[2].value(), 0) << "nothing was even read";
    EXPECT_TRUE(world.dialogs.shown.empty());
    EXPECT_TRUE(world.tray.shown.empty());
}

TEST_F(MainLifeTest, AnUpgradeSwapThatEndsTheProgramStopsTheLoad) {
    form.slots.Check_For_Update = [] { return true; };
    EXPECT_FALSE(form.Form_Load());
    EXPECT_TRUE(form.ending());
    EXPECT_TRUE(world.tray.shown.empty());
    EXPECT_EQ(world.settings.get("Calvorin", "Info", "ExeTitile", "<none>"), "<none>");
}

TEST_F(MainLifeTest, TheLoadRunsItsStepsInOrder) {
    std::vector<std::string> steps;
    form.slots.Check_For_Update = [&] {
        steps.push_back("upgrade");
        return false;
    };
    form.optOption.setOnClick([&](int i) { steps.push_back("page " + std::to_string(i)); });
    form.slots.ensureUpdateRecords = [&] {
        steps.push_back("records, title stored: " +
                        world.settings.get("Calvorin", "Info", "ExeTitile", "no"));
    };
    form.tabItems.onClick = [&] {
        steps.push_back("tab " + std::to_string(form.tabItems.selectedIndex()));
    };
    form.chkRun.setOnClick([&](int i) { steps.push_back("restored chkRun" + std::to_string(i)); });
    form.optShEn.setOnClick([&](int i) { steps.push_back("schedule " + std::to_string(i)); });
    world.settings.save("Calvorin", "TabItem", "Tab", "2");
    world.settings.save("Calvorin", "LastHistory", "chkRun2", "1");
    world.dialogs.onShow = [&](const auto& box) {
        steps.push_back(box.text + ", tray icons: " + std::to_string(world.tray.shown.size()));
    };
    world.tray.calls.clear();
    EXPECT_TRUE(form.Form_Load());
    steps.push_back("tray " + world.tray.calls.at(0));
    EXPECT_EQ(steps, (std::vector<std::string>{
                         "upgrade", "page 0", "records, title stored: Calvorin 1.0", "tab 2",
                         "restored chkRun2", "No item has been selected, tray icons: 0",
                         "schedule 1", "tray add"}));
    EXPECT_FALSE(form.ending());
    EXPECT_EQ(world.process.instanceChecks, 1);
}

TEST_F(MainLifeTest, TheLoadRecordsTheTitleForTheUpdateProgram) {
    form.Form_Load();
    EXPECT_EQ(world.settings.get("Calvorin", "Info", "ExeTitile", ""), "Calvorin 1.0");
    EXPECT_EQ(hklm("Software\\Microsoft\\CalvorinUpdate", "ver"), "1");
    EXPECT_EQ(hklm("Software\\Microsoft\\Calvorin", "Titile"), "Calvorin 1.0");
    EXPECT_EQ(world.registry.openHandles(), 0u);
}

TEST_F(MainLifeTest, ExistingUpdateRecordsStayAsTheyAre) {
    settings::trymodReg::trySaveSettingString(platform, platform::kLocalMachine,
                                              "Software\\Microsoft\\CalvorinUpdate", "ver", "3");
    settings::trymodReg::trySaveSettingString(platform, platform::kLocalMachine,
                                              "Software\\Microsoft\\Calvorin", "Titile", "Old 0.9");
    form.Form_Load();
    EXPECT_EQ(hklm("Software\\Microsoft\\CalvorinUpdate", "ver"), "3");
    EXPECT_EQ(hklm("Software\\Microsoft\\Calvorin", "Titile"), "Old 0.9");
}

TEST_F(MainLifeTest, TheStartTabIsWindowsUnlessTheSettingNamesAnother) {
    for (auto [stored, tab] : {std::pair{"", 0}, std::pair{"abc", 0}, std::pair{" 3 ", 3},
                               std::pair{"9", 0}, std::pair{"1.5", 2}}) {
        platform::emulated::World w;
        platform::Platform p = w.platform();
        if (*stored) w.settings.save("Calvorin", "TabItem", "Tab", stored);
        core::frmMain f{p};
        f.Form_Load();
        EXPECT_EQ(f.tabItems.selectedIndex(), tab) << stored;
    }
}

TEST_F(MainLifeTest, TheErasePageIsInFrontAfterTheLoad) {
    form.Form_Load();
    EXPECT_EQ(form.frontPage(), &form.fraErase);
    EXPECT_TRUE(form.optOption[0].value());
}

TEST_F(MainLifeTest, TheEraseAtStartUpRunsBeforeTheWindowShowsAndOnlyWhenTicked) {
    world.settings.save("Calvorin", "LastHistory", "chkWinSettings3", "1");
    form.Form_Load();
    EXPECT_EQ(world.settings.get("Calvorin", "MViewer", "lastClean", "<none>"), "<none>");
    world.settings.save("Calvorin", "LastHistory", "chkRun2", "1");
    core::frmMain second{platform};
    world.tray.shown.clear();
    int erased = 0;
    second.eraseOperations.plug(core::TraceGroup::Windows, 3, {[&] { ++erased; }});
    second.Form_Load();
    EXPECT_EQ(erased, 1);
    EXPECT_EQ(world.settings.get("Calvorin", "MViewer", "lastClean", "<none>"), "12/6/2026");
    EXPECT_EQ(second.spProg.width(), second.SpProgBound.width()) << "the bar stays full";
}

TEST_F(MainLifeTest, TheScheduleDisplayFollowsTheSavedSwitch) {
    form.Form_Load();
    EXPECT_EQ(form.Label10.caption(), "Disabled");
    EXPECT_FALSE(form.fraSetSchedule.enabled());
    EXPECT_TRUE(form.optShEn[1].value());
    EXPECT_FALSE(form.indicatorRunning);
    EXPECT_EQ(form.scheduleEnabled, 0);

    world.settings.save("Calvorin", "LastHistory", "schdlEnable", "1");
    core::frmMain enabled{platform};
    world.tray.shown.clear();
    enabled.indicatorStep = 4;
    enabled.scheduleMinutes = 77;
    enabled.Form_Load();
    EXPECT_EQ(enabled.Label10.caption(), "Enabled");
    EXPECT_TRUE(enabled.fraSetSchedule.enabled());
    EXPECT_TRUE(enabled.optShEn[0].value());
    EXPECT_TRUE(enabled.indicatorRunning);
    EXPECT_EQ(enabled.scheduleEnabled, 1);
    EXPECT_EQ(enabled.indicatorStep, 0);
    EXPECT_EQ(enabled.indicatorPrevious, 5);
    EXPECT_EQ(enabled.scheduleMinutes, 0);
}

TEST_F(MainLifeTest, TheClockAndTheLastEraseShowAfterTheLoad) {
    world.events.setNow({{2026, 12, 6}, 14, 3, 9});
    world.settings.save("Calvorin", "MViewer", "lastClean", "3/1/2026");
    form.Form_Load();
    EXPECT_EQ(form.lbldate.caption(), "2:03:09 PM");
    EXPECT_EQ(form.LastCleanCap.caption(), "Last Erase :   1-March-2026");
}

TEST_F(MainLifeTest, TheTrayIconCarriesTheWindowTitleUntilTheEnd) {
    form.Form_Load();
    ASSERT_EQ(world.tray.shown.size(), 1u);
    const auto& icon = world.tray.shown.begin()->second;
    EXPECT_EQ(icon.id, 1u);
    EXPECT_EQ(icon.flags, 7u);
    EXPECT_EQ(icon.callbackMessage, 0x200u);
    EXPECT_EQ(icon.tip, form.caption());
    form.Form_Unload();
    EXPECT_TRUE(world.tray.shown.empty());
}

TEST_F(MainLifeTest, ALongTitleIsCutToTheTooltipsField) {
    form.setCaption(std::string(70, 'x'));
    form.Form_Load();
    EXPECT_EQ(world.tray.shown.at(1).tip, std::string(63, 'x'));
}

TEST_F(MainLifeTest, ThePageSelectorShowsEachPageWithItsCalls) {
    std::vector<std::string> calls;
    form.slots.scheduleSet = [&] {
        calls.push_back(std::string("next run, settings in front: ") +
                        (form.frontPage() == &form.fraSchedule ? "yes" : "no"));
    };
    form.slots.GetSystemInformation = [&] {
        calls.push_back(std::string("system info, startup in front: ") +
                        (form.frontPage() == &form.fraStartup ? "yes" : "no"));
    };
    form.Form_Load();
    const toolkit::Frame* pages[] = {&form.fraErase, &form.fraSchedule, &form.fraStartup,
                                     &form.fraShread, &form.fraHelp};
    for (int i : {1, 2, 3, 4, 0}) {
        form.optOption[i].click();
        EXPECT_EQ(form.frontPage(), pages[i]) << i;
    }
    EXPECT_EQ(calls, (std::vector<std::string>{"next run, settings in front: no",
                                               "system info, startup in front: yes"}));
}

TEST_F(MainLifeTest, TheHelpLinkOpensTheVendorsHelpPages) {
    form.Label16.click(); // nothing plugged in: nothing happens
    std::vector<std::string> opened;
    form.slots.openWebPage = [&](const std::string& address) { opened.push_back(address); };
    form.Label16.click();
    EXPECT_EQ(opened, std::vector<std::string>{std::string(product::kVendorSite) + "/help/"});
}

TEST_F(MainLifeTest, ShutdownSavesTheSelectionsBeforeTheEraseAndRemovesTheIconLast) {
    form.Form_Load();
    std::vector<std::string> steps;
    form.cookieKeeper.listFilled = [] { return true; };
    form.cookieKeeper.saveKeptCookies = [&] {
        steps.push_back("keep-list, selections saved: " +
                        world.settings.get("Calvorin", "LastHistory", "chkRun1", "no"));
    };
    form.eraseOperations.plug(
        core::TraceGroup::Windows, 0, {[&] {
            steps.push_back("erase, tick saved: " +
                            world.settings.get("Calvorin", "LastHistory", "chkWinSettings0", "no"));
            form.chkWinSettings[0].setValue(0);
        }});
    form.chkWinSettings[0].setValue(1);
    form.chkRun[1].setValue(1);
    world.tray.calls.clear();
    form.Form_Unload();
    steps.push_back("tray " + world.tray.calls.at(0));
    EXPECT_EQ(steps, (std::vector<std::string>{"keep-list, selections saved: no",
                                               "erase, tick saved: 1", "tray remove"}));
    core::frmMain next{platform};
    next.getLastSettings();
    EXPECT_EQ(next.chkWinSettings[0].value(), 1) << "the tick survived the erase";
}

TEST_F(MainLifeTest, ShutdownNeverSavesACookieListNotFilledInThisRun) {
    int saves = 0;
    form.cookieKeeper.saveKeptCookies = [&] { ++saves; };
    form.Form_Unload();
    EXPECT_EQ(saves, 0) << "no one can tell whether the list was filled";
    bool filled = false;
    form.cookieKeeper.listFilled = [&] { return filled; };
    form.Form_Unload();
    EXPECT_EQ(saves, 0);
    filled = true;
    form.Form_Unload();
    EXPECT_EQ(saves, 1);
}

TEST_F(MainLifeTest, ShutdownWithoutTheOptionDoesNotErase) {
    form.Form_Load();
    form.chkWinSettings[0].setValue(1);
    form.Form_Unload();
    EXPECT_EQ(world.settings.get("Calvorin", "MViewer", "lastClean", "<none>"), "<none>");
    EXPECT_TRUE(world.dialogs.shown.empty());
}

TEST_F(MainLifeTest, TheFormsLoadAndUnloadEventsRunTheSequences) {
    form.load();
    EXPECT_EQ(world.tray.shown.size(), 1u);
    form.unload();
    EXPECT_TRUE(world.tray.shown.empty());
    EXPECT_EQ(world.settings.get("Calvorin", "LastHistory", "txtMin", "<none>"), "10");
}

} // namespace
