#include "automation/schedule.h"
#include "core/main_form_fixture.h"

#include <algorithm>
#include <string>

using namespace calvorin;
using platform::DateTime;

namespace {

constexpr std::uint64_t kMinute = 60000;

// The main window with its schedule, loaded, on a virtual clock; every run the schedule
// starts is counted through the "Start Cleaning" command it goes through.
class ScheduleTest : public test::MainFormTest {
  protected:
    ScheduleTest() {
        startCleaning = form.cmdClean.onClick;
        form.cmdClean.onClick = [this] {
            ++runs;
            runTimes.push_back(world.events.now());
        };
    }
    void load(const DateTime& at) {
        world.events.setNow(at);
        form.Form_Load();
    }
    // Lets `n` schedule ticks pass.
    void minutes(int n) { world.events.waitUntil(world.events.tickCount() + n * kMinute); }
    void enableWith(int mode) {
        form.cmdSEnable.click();
        form.optSchedule[mode].click();
    }

    automation::Schedule schedule{form, platform};
    std::function<void()> startCleaning;
    int runs = 0;
    std::vector<DateTime> runTimes;
};

TEST_F(ScheduleTest, DailyRunsOnceInItsMinuteAndNotASecondEarly) {
    // The first tick comes at 09:04:59, the next at 09:05:59.
    load({{2026, 12, 7}, 9, 3, 59});
    enableWith(0);
    form.dtpTime[1].setHour(9);
    form.dtpTime[1].setMinute(5);
    form.Timer1.setEnabled(false); // a day of display ticks would only slow the test
    minutes(1);
    EXPECT_EQ(runs, 0) << "09:04:59 is not yet 09:05";
    minutes(1);
    ASSERT_EQ(runs, 1);
    EXPECT_EQ(runTimes[0].hour * 100 + runTimes[0].minute, 905);
    EXPECT_EQ(form.scheduleMinutes, 0);
    minutes(60 * 24 - 2);
    EXPECT_EQ(runs, 1) << "not again the same day";
    minutes(2);
    EXPECT_EQ(runs, 2) << "once the next day";
}

TEST_F(ScheduleTest, DailyRunSurvivesLateTicksAndAClockSetBack) {
    load({{2026, 12, 7}, 9, 4, 30});
    enableWith(0);
    form.dtpTime[1].setHour(9);
    form.dtpTime[1].setMinute(5);
    // The machine was busy: the next tick comes 20 minutes late, past the set minute.
    world.events.setNow({{2026, 12, 7}, 9, 25, 0});
    form.timSchedule.onTimer();
    EXPECT_EQ(runs, 1) << "a tick that jumps over the minute still runs it";
    // The clock goes back an hour (daylight saving ends): the minute comes round again.
    world.events.setNow({{2026, 12, 7}, 8, 30, 0});
    for (int i = 0; i < 60; ++i)
        minutes(1);
    EXPECT_EQ(runs, 1) << "never twice for the same minute of the same day";
    // A tick landing twice in the set minute runs it once.
    world.events.setNow({{2026, 12, 8}, 9, 5, 1});
    form.timSchedule.onTimer();
    world.events.setNow({{2026, 12, 8}, 9, 5, 40});
    form.timSchedule.onTimer();
    EXPECT_EQ(runs, 2);
}

TEST_F(ScheduleTest, IntervalCountsTicksSinceTheLastRun) {
    form.txtMin.setText("10");
    world.settings.save("Calvorin", "LastHistory", "schdlEnable", "1");
    world.settings.save("Calvorin", "LastHistory", "OptSchedule(1)", "True");
    load({{2026, 12, 7}, 9, 0, 0});
    minutes(35);
    ASSERT_EQ(runs, 3) << "on the 10th, 20th and 30th tick";
    EXPECT_EQ(runTimes[1].minute - runTimes[0].minute, 10);
    EXPECT_EQ(form.scheduleMinutes, 5);
}

TEST_F(ScheduleTest, IntervalChosenAfterAnHourDisabledRunsAtTheNextTick) {
    load({{2026, 12, 7}, 9, 0, 0});
    minutes(60);
    EXPECT_EQ(form.scheduleMinutes, 60) << "the counter grows while disabled";
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(form.Label9.caption(), "Schedule is disable");
    enableWith(1);
    minutes(1);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(form.scheduleMinutes, 0);
}

TEST_F(ScheduleTest, IntervalWithoutANumberRunsOnEveryTick) {
    load({{2026, 12, 7}, 9, 0, 0});
    enableWith(1);
    int expected = 0;
    for (const char* text : {"0", "abc", ""}) {
        form.txtMin.setText(text);
        minutes(2);
        expected += 2;
        EXPECT_EQ(runs, expected) << '"' << text << '"';
    }
    form.txtMin.setText("3 min");
    minutes(3);
    EXPECT_EQ(runs, expected + 1) << "the leading number counts";
}

TEST_F(ScheduleTest, WeeklyRunsOnlyOnItsDayAndKeepsTheCounter) {
    // 6 December 2026 is a Sunday.
    load({{2026, 12, 6}, 11, 58, 30});
    enableWith(2);
    form.cmbWeek.setListIndex(0);
    form.dtpTime[0].setHour(12);
    form.dtpTime[0].setMinute(0);
    form.Timer1.setEnabled(false);
    minutes(60 * 24 * 8);
    ASSERT_EQ(runs, 2);
    for (const auto& t : runTimes) {
        EXPECT_EQ(platform::dayOfWeek(t.date), 0);
        EXPECT_EQ(t.hour * 100 + t.minute, 1200);
    }
    EXPECT_EQ(form.scheduleMinutes, 60 * 24 * 8) << "a weekly run leaves the counter alone";
}

TEST_F(ScheduleTest, NoModeOrDisabledNeverRuns) {
    load({{2026, 12, 7}, 9, 0, 0});
    form.cmdSEnable.click();
    form.Label9.setCaption("earlier text");
    minutes(120);
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(form.Label9.caption(), "earlier text") << "no mode leaves the text alone";

    form.optSchedule[1].click();
    form.txtMin.setText("1");
    form.cmdSDisable.click();
    minutes(30);
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(form.scheduleMinutes, 150);
}

TEST_F(ScheduleTest, ATickDuringARunDoesNotNestASecondRun) {
    form.cmdClean.onClick = startCleaning; // the real command, with its one-second pauses
    load({{2026, 12, 7}, 9, 0, 0});
    form.chkWinSettings[0].setValue(1);
    int operations = 0, deepest = 0, depth = 0;
    form.eraseOperations.plug(core::TraceGroup::Windows, 0, {[&] {
                                  ++operations;
                                  deepest = std::max(deepest, ++depth);
                                  // Two schedule ticks come while the run is still in its item.
                                  world.events.waitUntil(world.events.tickCount() + 2 * kMinute +
                                                         500);
                                  --depth;
                              }});
    form.cmdSEnable.click();
    form.optSchedule[1].click();
    form.txtMin.setText("1");
    minutes(1);
    EXPECT_EQ(operations, 1);
    EXPECT_EQ(deepest, 1) << "no run inside the run";
    EXPECT_FALSE(form.cleaning());
    EXPECT_EQ(form.Label1.caption(), "Done.");
    minutes(1);
    EXPECT_EQ(operations, 2) << "the schedule goes on after the run";
}

TEST_F(ScheduleTest, EnableAndDisableThroughButtonsAndOptions) {
    load({{2026, 12, 7}, 9, 0, 0});
    EXPECT_FALSE(form.optSchedule[2].enabled()) << "the start-up Disable locks the modes";
    form.cmdSEnable.click();
    EXPECT_TRUE(form.optShEn[0].value()) << "Enable selects Enabled";
    EXPECT_TRUE(form.optSchedule[2].enabled());
    EXPECT_TRUE(form.indicatorRunning);

    form.cmdSDisable.click();
    EXPECT_FALSE(form.optShEn[0].value());
    EXPECT_FALSE(form.optShEn[1].value()) << "the Disable button selects neither option";
    EXPECT_EQ(form.Label10.caption(), "Disabled");
    EXPECT_EQ(form.Label9.caption(), "Schedule is disable");
    EXPECT_FALSE(form.indicatorRunning);

    form.optShEn[0].click();
    EXPECT_EQ(form.scheduleEnabled, 1);
    form.optShEn[1].click();
    EXPECT_EQ(form.scheduleEnabled, 0);
    EXPECT_TRUE(form.optShEn[1].value());
}

TEST_F(ScheduleTest, NextRunTexts) {
    load({{2026, 12, 7}, 9, 0, 0});
    form.cmdSEnable.click();
    form.dtpTime[1].setHour(9);
    form.dtpTime[1].setMinute(5);
    form.optSchedule[0].click();
    EXPECT_EQ(form.Label9.caption(), "At next 9:5");
    form.txtMin.setText("10");
    form.optSchedule[1].click();
    EXPECT_EQ(form.Label9.caption(), "After 10 min");
    form.cmbWeek.setListIndex(0);
    form.dtpTime[0].setHour(12);
    form.dtpTime[0].setMinute(0);
    form.optSchedule[2].click();
    EXPECT_EQ(form.Label9.caption(), "Next Sun\r\n At 12:0");
    // A changed picker shows within one display tick.
    form.dtpTime[0].setHour(21);
    world.events.waitUntil(world.events.tickCount() + 100);
    EXPECT_EQ(form.Label9.caption(), "Next Sun\r\n At 21:0");
}

// Counts what the display tick pushes to the screen.
struct CountingPeer : toolkit::Peer {
    int changes = 0;
    void changed(toolkit::Property) override { ++changes; }
};

TEST_F(ScheduleTest, TheDisplayTickLightsOneLineAtATimeAndTouchesOnlyWhatChanged) {
    world.events.setTimePattern("HH:mm:ss");
    world.settings.save("Calvorin", "LastHistory", "schdlEnable", "1");
    load({{2026, 12, 7}, 14, 5, 7});
    EXPECT_EQ(form.lbldate.caption(), "14:05:07") << "the system's own time format";
    CountingPeer clock, next;
    form.lbldate.bind(&clock);
    form.Label9.bind(&next);
    form.Label9.setCaption("After 10 min");
    next.changes = 0;
    form.optSchedule[1].setValue(true);
    next.changes = 0;

    for (int tick = 1; tick <= 12; ++tick) {
        world.events.waitUntil(world.events.tickCount() + 100);
        int lit = 0, which = -1;
        for (int i = 0; i < 6; ++i)
            if (form.Sline[i].visible()) ++lit, which = i;
        if (tick >= 6) {
            EXPECT_EQ(lit, 1) << "tick " << tick;
            EXPECT_EQ(which, (tick - 1) % 6) << "tick " << tick;
        }
    }
    EXPECT_EQ(form.lbldate.caption(), "14:05:08");
    EXPECT_EQ(clock.changes, 1) << "the clock label is written once a second, not ten times";
    EXPECT_EQ(next.changes, 0) << "the unchanged next-run text is not written again";
    form.lbldate.bind(nullptr);
    form.Label9.bind(nullptr);

    form.cmdSDisable.click();
    const auto before = form.indicatorStep;
    world.events.waitUntil(world.events.tickCount() + 1000);
    EXPECT_EQ(form.indicatorStep, before) << "a disabled schedule's indicator stands still";
}

TEST_F(ScheduleTest, SetMinuteBetweenLooksBackAtMostAWeek) {
    const DateTime friday{{2026, 12, 4}, 23, 0, 0};
    const DateTime monthLater{{2027, 1, 4}, 8, 0, 0};
    const auto due = automation::setMinuteBetween(12, 0, 0, friday, monthLater);
    ASSERT_TRUE(due);
    EXPECT_EQ(*due, (DateTime{{2027, 1, 3}, 12, 0, 0})) << "the latest Sunday noon only";
    EXPECT_FALSE(automation::setMinuteBetween(9, 5, std::nullopt, monthLater, friday));
    EXPECT_FALSE(automation::setMinuteBetween(9, 5, std::nullopt, friday, friday));
}

} // namespace
