#pragma once
#include "platform/event_loop.h"

#include <cstdint>

namespace calvorin::core {

// Waits `seconds` while the window goes on handling its events (timers, clicks, repaints).
// It sleeps between events rather than spinning, on a tick counter that does not wrap.
void PauseSeconds(platform::EventLoop& events, std::int32_t& seconds);

} // namespace calvorin::core
