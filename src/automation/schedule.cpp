#include "automation/schedule.h"

#include "core/numbers.h"

#include <string>

namespace calvorin::automation {

namespace {
// A week covers every weekday: a gap longer than that has nothing more to offer.
constexpr std::int64_t kDaysLookedBack = 7;

std::string hourMinute(const toolkit::DTPicker& picker) {
    return std::to_string(picker.hour()) + ":" + std::to_string(picker.minute());
}
} // namespace

std::optional<platform::DateTime> setMinuteBetween(int hour, int minute, std::optional<int> weekday,
                                                   const platform::DateTime& after,
                                                   const platform::DateTime& upTo) {
    if (!(after < upTo)) return std::nullopt;
    const std::int64_t last = platform::toDayNumber(upTo.date);
    std::int64_t first = platform::toDayNumber(after.date);
    if (last - first > kDaysLookedBack) first = last - kDaysLookedBack;
    for (std::int64_t day = last; day >= first; --day) {
        const platform::Date date = platform::fromDayNumber(day);
        if (weekday && platform::dayOfWeek(date) != *weekday) continue;
        const platform::DateTime moment{date, hour, minute, 0};
        if (after < moment && moment <= upTo) return moment;
    }
    return std::nullopt;
}

Schedule::Schedule(core::frmMain& form, platform::Platform& platform)
    : form_(form), platform_(platform), previousTick_(platform.events.now()) {
    form_.cmdSEnable.onClick = [this] { Enable(); };
    form_.cmdSDisable.onClick = [this] { Disable(); };
    form_.optShEn.setOnClick([this](int index) {
        if (index == 1)
            Disable();
        else
            Enable();
    });
    form_.optSchedule.setOnClick([this](int) { scheduleSet(); });
    form_.cmbWeek.onClick = [this] {
        platform_.settings.save(core::kProgramTitle, "MViewer", "CmbListIndex",
                                std::to_string(form_.cmbWeek.listIndex()));
    };
    form_.slots.scheduleSet = [this] { scheduleSet(); };
    form_.timSchedule.onTimer = [this] { scheduleTick(); };
    form_.Timer1.onTimer = [this] { displayTick(); };
}

void Schedule::Enable() {
    form_.scheduleEnabled = 1;
    for (auto& option : form_.optSchedule)
        option.setEnabled(true);
    form_.fraSetSchedule.setEnabled(true);
    scheduleSet();
    form_.Label10.setCaption("Enabled");
    form_.indicatorRunning = true;
}

void Schedule::Disable() {
    form_.scheduleEnabled = 0;
    form_.fraSetSchedule.setEnabled(false);
    scheduleSet();
    form_.Label10.setCaption("Disabled");
    for (auto& option : form_.optSchedule)
        option.setEnabled(false);
    form_.indicatorRunning = false; // the indicator stops where it is
}

void Schedule::scheduleSet() {
    if (form_.scheduleEnabled != 1) {
        form_.Label9.setCaption("Schedule is disable");
        form_.optShEn[0].setValue(false);
        return;
    }
    form_.optShEn[0].setValue(true);
    if (form_.optSchedule[0].value())
        form_.Label9.setCaption("At next " + hourMinute(form_.dtpTime[1]));
    else if (form_.optSchedule[1].value())
        form_.Label9.setCaption("After " + form_.txtMin.text() + " min");
    else if (form_.optSchedule[2].value())
        form_.Label9.setCaption("Next " + form_.cmbWeek.text() + "\r\n At " +
                                hourMinute(form_.dtpTime[0]));
}

void Schedule::scheduleTick() {
    platform_.events.processEvents();
    if (form_.scheduleMinutes < INT32_MAX) ++form_.scheduleMinutes;
    const platform::DateTime now = platform_.events.now();
    const platform::DateTime previous = previousTick_;
    previousTick_ = now;
    if (form_.scheduleEnabled != 1) return;

    if (form_.optSchedule[0].value()) {
        const auto& at = form_.dtpTime[1];
        const auto due = setMinuteBetween(at.hour(), at.minute(), std::nullopt, previous, now);
        if (due && due != lastDaily_) {
            lastDaily_ = due;
            form_.scheduleMinutes = 0;
            startRun();
            return;
        }
    }
    const double interval = core::leadingNumber(form_.txtMin.text());
    if (form_.optSchedule[1].value() && interval <= form_.scheduleMinutes) {
        form_.scheduleMinutes = 0;
        startRun();
        return;
    }
    if (form_.optSchedule[2].value()) {
        const int day = form_.cmbWeek.listIndex();
        const auto& at = form_.dtpTime[0];
        if (day < 0) return;
        const auto due = setMinuteBetween(at.hour(), at.minute(), day, previous, now);
        if (due && due != lastWeekly_) {
            lastWeekly_ = due;
            startRun();
        }
    }
}

void Schedule::startRun() {
    // A run still going when the minute comes serves for it: a second one inside its pauses
    // would erase the same items over again.
    if (form_.cleaning()) return;
    if (form_.cmdClean.onClick) form_.cmdClean.onClick();
}

void Schedule::displayTick() {
    // Captions that did not change are not pushed to the screen: the window never flickers.
    form_.lbldate.setCaption(platform_.events.timeText(platform_.events.now()));
    if (!form_.indicatorRunning) return;
    if (form_.indicatorStep == 6) {
        form_.indicatorStep = 0;
        form_.indicatorPrevious = 5;
    }
    form_.Sline[form_.indicatorStep].setVisible(true);
    form_.Sline[form_.indicatorPrevious].setVisible(false);
    form_.indicatorPrevious = static_cast<std::int16_t>(form_.indicatorStep);
    ++form_.indicatorStep;
    scheduleSet();
}

} // namespace calvorin::automation
