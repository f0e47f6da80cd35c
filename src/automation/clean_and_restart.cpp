#include "automation/clean_and_restart.h"

namespace calvorin::automation {

namespace modReboot {

bool isNTPlatform(platform::Platform& platform) {
    return platform.process.platformId() == platform::PlatformNT;
}

void enableShutdownPrivilege(platform::Platform& platform) {
    platform.process.enableShutdownPrivilege();
}

platform::Status rebootSystem(platform::Platform& platform, bool force) {
    std::uint32_t flags = platform::RestartReboot;
    if (force) flags |= platform::RestartForceIfHung;
    if (isNTPlatform(platform)) enableShutdownPrivilege(platform);
    return platform.process.requestRestart(flags);
}

} // namespace modReboot

void cmdCleanRebClicked(core::frmMain& form, platform::Platform& platform) {
    // Inside a run's pause the command would find the run going, erase nothing and restart
    // in the middle of it.
    if (form.cleaning()) return;
    if (form.cmdClean.onClick) form.cmdClean.onClick();
    const platform::Status restart = modReboot::rebootSystem(platform, true);
    if (!restart.ok()) {
        platform.dialogs.messageBox("Windows refused to restart: " + restart.description,
                                    core::kProgramTitle, platform::MbOk | platform::MbIconWarning);
        return;
    }
    // The main window's notification icon (identifier 1) would stay behind as a dead icon.
    platform.tray.remove(platform::TrayIconData{});
    platform.process.endProgram();
}

void plugCleanAndRestart(core::frmMain& form, platform::Platform& platform) {
    form.cmdCleanReb.onClick = [&form, &platform] { cmdCleanRebClicked(form, platform); };
}

} // namespace calvorin::automation
