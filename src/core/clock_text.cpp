#include "core/clock_text.h"

#include <cstdio>

namespace calvorin::core {

std::string timeOfDayText(const platform::DateTime& now) {
    const int h12 = now.hour % 12 == 0 ? 12 : now.hour % 12;
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d:%02d %s", h12, now.minute, now.second,
                  now.hour < 12 ? "AM" : "PM");
    return text;
}

} // namespace calvorin::core
