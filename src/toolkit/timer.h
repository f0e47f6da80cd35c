#pragma once
#include "platform/event_loop.h"

#include <cstdint>
#include <functional>

namespace calvorin::toolkit {

// Runs onTimer every interval while enabled, from the event loop.
class Timer {
  public:
    explicit Timer(platform::EventLoop& loop) : loop_(loop) {}
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    ~Timer() { stop(); }

    std::uint32_t interval() const { return interval_; }
    bool enabled() const { return enabled_; }
    void setInterval(std::uint32_t ms) {
        interval_ = ms;
        restart();
    }
    void setEnabled(bool e) {
        enabled_ = e;
        restart();
    }
    std::function<void()> onTimer;

  private:
    void stop() {
        if (id_ != 0) loop_.stopTimer(id_);
        id_ = 0;
    }
    // A timer runs only when enabled with a non-zero interval.
    void restart() {
        stop();
        if (enabled_ && interval_ > 0)
            id_ = loop_.startTimer(interval_, [this] {
                if (onTimer) onTimer();
            });
    }
    platform::EventLoop& loop_;
    std::uint32_t interval_ = 0;
    bool enabled_ = false;
    platform::TimerId id_ = 0;
};

} // namespace calvorin::toolkit
