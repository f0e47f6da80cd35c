#pragma once
#include "platform/platform.h"

#include <string>

namespace calvorin::core::MdErrorHand {

// True when the connectivity probe page opens; never fails itself.
bool IsOnline(platform::Platform& platform);

// Reports a failure the caller has just met and cleared it for the caller to go on. The
// message (`text` directly followed by the failure number) shows only while the computer is
// online: offline, failures are dropped. `text` is the caller's prefix and the failure's
// description. Nothing happens but the clearing when no failure is pending.
void ReportError(platform::Platform& platform, const std::string& text, platform::Status& failure);

} // namespace calvorin::core::MdErrorHand
