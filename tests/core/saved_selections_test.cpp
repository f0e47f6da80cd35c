#include "core/main_form_fixture.h"

#include <vector>

using namespace calvorin;

namespace {

class SavedSelectionsTest : public test::MainFormTest {
  protected:
    void store(const std::string& key, const std::string& value,
               const std::string& section = "LastHistory") {
        world.settings.save("Calvorin", section, key, value);
    }
    std::string stored(const std::string& key) {
        return world.settings.get("Calvorin", "LastHistory", key, "<none>");
    }
    // The value names of "LastHistory" in the order they were first written.
    std::vector<std::string> storedOrder() {
        platform::RegKey k = 0;
        world.registry.openKey(platform::kCurrentUser,
                               platform::SettingsStore::sectionPath("Calvorin", "LastHistory"), k,
                               false);
        std::vector<std::string> names;
        std::string name;
        for (std::uint32_t i = 0; world.registry.enumValue(k, i, name).ok(); ++i)
            names.push_back(name);
        world.registry.closeKey(k);
        return names;
    }
};

TEST_F(SavedSelectionsTest, AFirstRunLoadsTheDefaults) {
    form.getLastSettings();
    for (int g = 0; g < core::kGroupCount; ++g)
        for (auto& box : form.group(static_cast<core::TraceGroup>(g)))
            EXPECT_EQ(box.value(), 0);
    for (auto& box : form.chkRun)
        EXPECT_EQ(box.value(), 0);
    EXPECT_EQ(form.scheduleEnabled, 0);
    for (auto& option : form.optSchedule)
        EXPECT_FALSE(option.value());
    EXPECT_EQ(form.txtMin.text(), "10");
    for (auto& picker : form.dtpTime)
        EXPECT_EQ(picker.text(), "12:00 PM");
    EXPECT_EQ(form.MonthView1.value(), (platform::Date{2026, 12, 6}));
    EXPECT_EQ(form.cmbWeek.text(), "Sun");
    EXPECT_EQ(form.cmbBoss.text(), "F2");
    EXPECT_EQ(world.registry.openHandles(), 0u);
}

TEST_F(SavedSelectionsTest, WhatIsSavedLoadsBackIntoAFreshWindow) {
    form.chkIEsettings[3].setValue(1);
    form.chkNSsettings[5].setValue(2);
    form.chkOPsettings[0].setValue(1);
    form.chkWinSettings[9].setValue(1);
    form.chkRun[1].setValue(1);
    form.scheduleEnabled = 1;
    form.optSchedule[2].setValue(true);
    form.txtMin.setText("25");
    form.dtpTime[0].setHour(21);
    form.dtpTime[0].setMinute(7);
    form.dtpTime[1].setHour(6);
    form.cmbBoss.setText("F11");
    form.saveLastSelection();

    core::frmMain fresh{platform};
    fresh.getLastSettings();
    EXPECT_EQ(fresh.chkIEsettings[3].value(), 1);
    EXPECT_EQ(fresh.chkNSsettings[5].value(), 2);
    EXPECT_EQ(fresh.chkOPsettings[0].value(), 1);
    EXPECT_EQ(fresh.chkWinSettings[9].value(), 1);
    EXPECT_EQ(fresh.chkWinSettings[8].value(), 0);
    EXPECT_EQ(fresh.chkRun[1].value(), 1);
    EXPECT_EQ(fresh.scheduleEnabled, 1);
    EXPECT_TRUE(fresh.optSchedule[2].value());
    EXPECT_FALSE(fresh.optSchedule[0].value());
    EXPECT_EQ(fresh.txtMin.text(), "25");
    EXPECT_EQ(fresh.dtpTime[0].text(), "09:07 PM");
    EXPECT_EQ(fresh.dtpTime[1].text(), "06:00 AM");
    EXPECT_EQ(fresh.cmbBoss.text(), "F11");
}

TEST_F(SavedSelectionsTest, TheSaveWritesEveryKeyInItsOrder) {
    form.saveLastSelection();
    std::vector<std::string> expected;
    for (auto [name, n] : {std::pair{"chkIEsettings", 9},
                           {"chkNSsettings", 6},
                           {"chkOPsettings", 3},
                           {"chkWinSettings", 10},
                           {"chkRun", 3}})
        for (int i = 0; i < n; ++i)
            expected.push_back(name + std::to_string(i));
    for (const char* k :
         {"cmbBoss", "schdlEnable", "optSchedule(0)", "optSchedule(1)", "optSchedule(2)", "txtMin",
          "dtpHr(0)", "dtpMin(0)", "dtpHr(1)", "dtpMin(1)"})
        expected.push_back(k);
    EXPECT_EQ(storedOrder(), expected);
    EXPECT_EQ(expected.size(), 41u);
    EXPECT_EQ(stored("dtpMin(0)"), "0") << "no leading zero";
    EXPECT_EQ(stored("optSchedule(1)"), "False");
    EXPECT_EQ(world.settings.get("Calvorin", "MViewer", "CmbListIndex", "<none>"), "<none>");
}

TEST_F(SavedSelectionsTest, TheModeSavedInOneCaseLoadsFromTheOther) {
    form.optSchedule[1].setValue(true);
    form.saveLastSelection();
    EXPECT_EQ(world.settings.get("Calvorin", "LastHistory", "OptSchedule(1)", "<none>"), "True");
    core::frmMain fresh{platform};
    fresh.getLastSettings();
    EXPECT_TRUE(fresh.optSchedule[1].value());
}

TEST_F(SavedSelectionsTest, ABadValueLeavesItsControlAndTheRestStillLoad) {
    form.chkWinSettings[0].setValue(1);
    form.dtpTime[0].setHour(8);
    form.cmbWeek.setListIndex(3);
    form.scheduleEnabled = 1;
    store("chkWinSettings0", "7");
    store("chkWinSettings1", "2");
    store("chkWinSettings2", "40000");
    store("schdlEnable", "99999");
    store("OptSchedule(0)", "maybe");
    store("OptSchedule(2)", "True");
    store("dtpHr(0)", "25");
    store("dtpMin(0)", "x5");
    store("dtpHr(1)", " 7 ");
    store("lastClean", "someday", "MViewer");
    store("CmbListIndex", "9", "MViewer");
    store("cmbBoss", " F5 ");
    form.getLastSettings();
    EXPECT_EQ(form.chkWinSettings[0].value(), 1) << "7 is no box state";
    EXPECT_EQ(form.chkWinSettings[1].value(), 2) << "a grey box";
    EXPECT_EQ(form.chkWinSettings[2].value(), 0) << "beyond 16 bits";
    EXPECT_EQ(form.scheduleEnabled, 1);
    EXPECT_FALSE(form.optSchedule[0].value());
    EXPECT_TRUE(form.optSchedule[2].value());
    EXPECT_EQ(form.dtpTime[0].hour(), 8);
    EXPECT_EQ(form.dtpTime[0].minute(), 0);
    EXPECT_EQ(form.dtpTime[1].hour(), 7);
    EXPECT_EQ(form.MonthView1.value(), (platform::Date{2000, 1, 1})) << "as designed";
    EXPECT_EQ(form.cmbWeek.text(), "Wed");
    EXPECT_EQ(form.cmbBoss.text(), "F5") << "trimmed";
}

TEST_F(SavedSelectionsTest, TheIntervalIsTrimmedOnLoadAndKeptAsTypedOnSave) {
    store("txtMin", "  15  ");
    form.getLastSettings();
    EXPECT_EQ(form.txtMin.text(), "15");
    form.txtMin.setText("ten ");
    form.saveLastSelection();
    EXPECT_EQ(stored("txtMin"), "ten ");
    core::frmMain fresh{platform};
    fresh.getLastSettings();
    EXPECT_EQ(fresh.txtMin.text(), "ten");
}

TEST_F(SavedSelectionsTest, RestoringRunsTheControlsClicksInOrderAndSetsTheBossKeyLast) {
    std::vector<std::string> events;
    form.chkIEsettings.setOnClick([&](int i) { events.push_back("IE" + std::to_string(i)); });
    form.chkWinSettings.setOnClick([&](int i) { events.push_back("Win" + std::to_string(i)); });
    form.chkRun.setOnClick([&](int i) { events.push_back("Run" + std::to_string(i)); });
    form.optSchedule.setOnClick([&](int i) { events.push_back("mode" + std::to_string(i)); });
    form.cmbWeek.onClick = [&] { events.push_back("week " + form.cmbWeek.text()); };
    form.slots.bossKeySet = [&] { events.push_back("set " + form.cmbBoss.text()); };
    store("chkWinSettings4", "1");
    store("chkIEsettings8", "1");
    store("chkRun0", "1");
    store("chkRun2", "0");
    store("OptSchedule(1)", "True");
    store("CmbListIndex", "5", "MViewer");
    store("cmbBoss", "F9");
    form.getLastSettings();
    EXPECT_EQ(events,
              (std::vector<std::string>{"IE8", "Win4", "Run0", "mode1", "week Fri", "set F9"}));
}

TEST_F(SavedSelectionsTest, RestoringTheCookiesBoxRunsTheCookieKeeper) {
    std::vector<std::string> calls;
    form.cookieKeeper.saveKeptCookies = [&] { calls.push_back("save"); };
    form.cookieKeeper.cmdGetCache = [&] { calls.push_back("fill"); };
    store("chkIEsettings8", "1");
    form.getLastSettings();
    EXPECT_EQ(calls, (std::vector<std::string>{"fill"}))
        << "the list was never filled in this run, so the keep-list is not overwritten";
}

TEST_F(SavedSelectionsTest, AFailedWriteKeepsTheOldValueAndTheRestAreWritten) {
    store("chkIEsettings0", "1");
    world.failures.fail("Registry.writeValue", {1009, "corrupt"});
    form.saveLastSelection();
    EXPECT_EQ(stored("chkIEsettings0"), "1");
    EXPECT_EQ(stored("chkIEsettings1"), "0");
    EXPECT_EQ(stored("dtpMin(1)"), "0");
    EXPECT_TRUE(world.dialogs.shown.empty());
    EXPECT_EQ(world.registry.openHandles(), 0u);
}

} // namespace
