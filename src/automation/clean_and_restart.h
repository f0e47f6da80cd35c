#pragma once
#include "core/main_form.h"
#include "platform/platform.h"

namespace calvorin::automation {

// Restarting Windows.
namespace modReboot {

// True on the NT family, whose restart needs the shutdown privilege enabled first.
bool isNTPlatform(platform::Platform& platform);
// Enables the shutdown privilege of this process; a failure is left to the restart request.
void enableShutdownPrivilege(platform::Platform& platform);
// Asks Windows to restart. With `force`, hung programs are ended; the others are still asked,
// so no program loses unsaved work without its user's say. The request's outcome is returned.
platform::Status rebootSystem(platform::Platform& platform, bool force);

} // namespace modReboot

// "Clean && Reboot": the "Start Cleaning" command, then a restart of Windows and the end of
// the program without the shutdown sequence. A refused restart is reported and the program
// keeps running.
void cmdCleanRebClicked(core::frmMain& form, platform::Platform& platform);
void plugCleanAndRestart(core::frmMain& form, platform::Platform& platform);

} // namespace calvorin::automation
