#pragma once
#include "platform/date_time.h"

#include <string>

namespace calvorin::core {

// The time of day as the clock label shows it: hour on the 12-hour clock without a leading
// zero, two-digit minutes and seconds, then AM or PM ("9:05:07 AM").
std::string timeOfDayText(const platform::DateTime& now);

} // namespace calvorin::core
