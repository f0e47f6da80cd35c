#include "automation/startup_options.h"

namespace calvorin::automation {

namespace {
// The program's version as the start-at-logon name carries it.
constexpr int kVersionMajor = 1;
constexpr int kVersionMinor = 0;
} // namespace

std::string runEntryName() {
    return std::string(core::kProgramTitle) + " - " + std::to_string(kVersionMajor) + "." +
           std::to_string(kVersionMinor);
}

std::string runEntryCommand(const std::string& programPath) {
    if (programPath.find(' ') == std::string::npos) return programPath + " m";
    return "\"" + programPath + "\" m";
}

void chkRunClicked(core::frmMain& form, platform::Platform& platform, int index) {
    if (index != 0) return;
    platform::Status s;
    if (form.chkRun[0].value() == toolkit::Checked)
        s = platform.process.registerStartAtLogon(runEntryName(),
                                                  runEntryCommand(platform.process.programPath()));
    else
        s = platform.process.unregisterStartAtLogon(runEntryName());
    // Both Run keys refused: a ticked box that starts nothing must not pass unnoticed.
    if (!s.ok())
        platform.dialogs.messageBox("The start with Windows could not be changed: " + s.description,
                                    core::kProgramTitle, platform::MbOk | platform::MbIconWarning);
}

void plugStartupOptions(core::frmMain& form, platform::Platform& platform) {
    form.chkRun.setOnClick([&form, &platform](int index) { chkRunClicked(form, platform, index); });
}

} // namespace calvorin::automation
