#pragma once
#include "platform/date_time.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace calvorin::platform {

using TimerId = std::uint64_t;

// The program's one user-interface thread: its clock, its pending events and its timers.
// Waiting never blocks the window: every wait processes events as they arrive.
class EventLoop {
  public:
    virtual ~EventLoop() = default;

    // Milliseconds since the system started, on a counter that does not wrap.
    virtual std::uint64_t tickCount() = 0;
    // The local date and time.
    virtual DateTime now() = 0;

    // Handles every event already pending (window messages, due timers), then returns.
    virtual void processEvents() = 0;
    // Handles events as they arrive until tickCount() reaches `tick`; returns at once when it
    // already has. It sleeps while nothing is pending.
    virtual void waitUntil(std::uint64_t tick) = 0;

    // Calls `tick` every `intervalMs` milliseconds from the event loop until stopped.
    virtual TimerId startTimer(std::uint32_t intervalMs, std::function<void()> tick) = 0;
    virtual void stopTimer(TimerId id) = 0;

    // A date as text in the system's short date format (date only).
    virtual std::string shortDate(const Date& date) = 0;
    // A date typed as the system reads dates in its own format; nothing when it is none.
    virtual std::optional<Date> parseDate(const std::string& text) = 0;
    // A time of day as text in the system's own time format ("9:05:07 AM", "09:05:07").
    virtual std::string timeText(const DateTime& time) = 0;
};

} // namespace calvorin::platform
