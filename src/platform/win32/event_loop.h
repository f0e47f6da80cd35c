#pragma once
#include "platform/event_loop.h"

#include <functional>
#include <map>

namespace calvorin::platform::win32 {

void fireTimer(std::uintptr_t id);

// The thread's message queue. Timers are thread timers whose WM_TIMER the queue dispatches.
class EventLoop final : public platform::EventLoop {
  public:
    EventLoop();
    ~EventLoop() override;

    std::uint64_t tickCount() override;
    DateTime now() override;
    void processEvents() override;
    void waitUntil(std::uint64_t tick) override;
    TimerId startTimer(std::uint32_t intervalMs, std::function<void()> tick) override;
    void stopTimer(TimerId id) override;
    std::string shortDate(const Date& date) override;
    std::optional<Date> parseDate(const std::string& text) override;
    std::string timeText(const DateTime& time) override;

    // Gives a message to modeless dialogs first (keyboard navigation); true when it took it.
    std::function<bool(void* msg)> preTranslate;
    // Runs the program's message loop until WM_QUIT; returns its exit code.
    int run();
    // True once WM_QUIT was seen: waits then return at once so the program can end.
    bool quitting() const { return quitting_; }

  private:
    // Runs the timer's handler; called from the thread's timer procedure.
    friend void fireTimer(std::uintptr_t id);
    void dispatch(void* msg);
    std::map<std::uintptr_t, std::function<void()>> timers_;
    bool quitting_ = false;
    int exitCode_ = 0;
};

} // namespace calvorin::platform::win32
