#pragma once
#include "core/main_form.h"
#include "platform/platform.h"

#include <string>

namespace calvorin::automation {

// The name the program starts at logon under: title, " - ", major.minor ("Calvorin - 1.0").
std::string runEntryName();
// The command line that starts it: the program's full path, quoted when it holds a blank (so
// Windows does not try "C:\Program.exe" first), then the argument m.
std::string runEntryCommand(const std::string& programPath);

// Box 0 of chkRun: ticked, the program starts at logon; cleared or grey, it no longer does.
// Boxes 1 and 2 are read by the start-up and shutdown sequences.
void chkRunClicked(core::frmMain& form, platform::Platform& platform, int index);
void plugStartupOptions(core::frmMain& form, platform::Platform& platform);

} // namespace calvorin::automation
