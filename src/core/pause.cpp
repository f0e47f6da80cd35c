#include "core/pause.h"

namespace calvorin::core {

void PauseSeconds(platform::EventLoop& events, std::int32_t& seconds) {
    const std::uint64_t start = events.tickCount();
    const std::int64_t span = static_cast<std::int64_t>(seconds) * 1000;
    if (span <= 0) return;
    const std::uint64_t target = start + static_cast<std::uint64_t>(span);
    while (events.tickCount() < target) events.waitUntil(target);
}

} // namespace calvorin::core
