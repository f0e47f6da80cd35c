#pragma once
#include "platform/event_loop.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>

namespace calvorin::platform::emulated {

// A virtual clock. Waiting jumps the clock to the next timer or scheduled event, so a run of
// one-second pauses takes no real time while every timer still fires, in order, in between.
class EventLoop final : public platform::EventLoop {
  public:
    EventLoop();

    std::uint64_t tickCount() override { return tick_; }
    DateTime now() override;
    void processEvents() override;
    void waitUntil(std::uint64_t tick) override;
    TimerId startTimer(std::uint32_t intervalMs, std::function<void()> tick) override;
    void stopTimer(TimerId id) override;
    std::string shortDate(const Date& date) override;
    std::optional<Date> parseDate(const std::string& text) override;
    std::string timeText(const DateTime& time) override;

    // --- the test's side ---
    // Sets the wall clock (the tick counter is left as it is).
    void setNow(const DateTime& now);
    void setTick(std::uint64_t tick) { tick_ = tick; }
    // Runs `event` from the loop once the clock reaches `tick`, as a click arriving then.
    void at(std::uint64_t tick, std::function<void()> event);
    // The short date pattern, with d, dd, M, MM, yy, yyyy and literal separators.
    void setShortDatePattern(std::string pattern) { pattern_ = std::move(pattern); }
    // The time pattern, with h, hh, H, HH, m, mm, s, ss, t, tt and literal separators.
    void setTimePattern(std::string pattern) { timePattern_ = std::move(pattern); }
    std::size_t activeTimers() const { return timers_.size(); }
    // How often processEvents() ran: a wait that spins shows up here.
    std::uint64_t processCount() const { return processCount_; }

  private:
    struct Timer {
        std::uint32_t interval = 0;
        std::uint64_t due = 0;
        std::function<void()> tick;
    };
    // Fires everything due at the current tick; true when something ran.
    bool runDue();
    std::uint64_t nextDue() const;

    std::uint64_t tick_ = 1'000'000;
    std::int64_t wallOffsetMs_ = 0; // wall clock at tick 0, in ms since 1970
    std::map<TimerId, Timer> timers_;
    std::multimap<std::uint64_t, std::function<void()>> scheduled_;
    TimerId nextId_ = 1;
    std::string pattern_ = "M/d/yyyy";
    std::string timePattern_ = "h:mm:ss tt";
    std::uint64_t processCount_ = 0;
};

} // namespace calvorin::platform::emulated
