#pragma once
#include "core/main_form.h"
#include "platform/platform.h"

#include <string>

namespace calvorin::settings {

// Ensures, at every start, the version record of the update hand-off ("ver", "1" when
// missing) and then the window-title record ("Titile"), both under HKEY_LOCAL_MACHINE.
// Existing values are left as they are; failures are skipped.
void ensureUpdateRecords(platform::Platform& platform, const std::string& windowTitle);

// Gives the main window's load its records step.
void plugStartupRecords(core::frmMain& form, platform::Platform& platform);

} // namespace calvorin::settings
