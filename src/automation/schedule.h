#pragma once
#include "core/main_form.h"
#include "platform/platform.h"

#include <optional>

namespace calvorin::automation {

// The latest moment at hour:minute (on `weekday` when given, 0 = Sunday) that lies after
// `after` and at or before `upTo`; none when there is none. A tick decides by this, not by
// matching the clock's minute, so a late tick neither skips the set minute nor meets it twice.
std::optional<platform::DateTime> setMinuteBetween(int hour, int minute, std::optional<int> weekday,
                                                   const platform::DateTime& after,
                                                   const platform::DateTime& upTo);

// The "Schedule" frame of the main window: Enable and Disable, the next-run text, the
// one-minute schedule tick that starts the "Start Cleaning" command when a run is due, and the
// 100 ms display tick (clock, running indicator). Lives as long as the window.
class Schedule {
  public:
    Schedule(core::frmMain& form, platform::Platform& platform);
    Schedule(const Schedule&) = delete;
    Schedule& operator=(const Schedule&) = delete;

    void Enable();
    void Disable();
    // Refreshes the next-run text (Label9) and the Enabled option.
    void scheduleSet();
    // timSchedule, every 60000 ms.
    void scheduleTick();
    // Timer1, every 100 ms.
    void displayTick();

  private:
    void startRun();

    core::frmMain& form_;
    platform::Platform& platform_;
    // When the previous schedule tick came (or the schedule began to watch the clock).
    platform::DateTime previousTick_;
    // The set minute each kind of run last ran for: never twice for the same one.
    std::optional<platform::DateTime> lastDaily_, lastWeekly_;
};

} // namespace calvorin::automation
