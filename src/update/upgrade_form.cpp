#include "update/upgrade_form.h"

#include "core/pause.h"
#include "core/program.h"
#include "settings/registry_access.h"
#include "settings/registry_layout.h"

namespace calvorin::update {

frmUpgrade::frmUpgrade(UpdateSession& session, frmLoading& loading)
    : session_(session), loading_(loading) {
    setCaption("Downloading New Version . . . . . . . .");
    onLoad = [this] { Form_Load(); };
    session_.reportFailure = [this](const std::string& text) { stop(text); };
}

// The animations stop and the status line turns red: the work has ended, one way or another.
void frmUpgrade::stop(const std::string& text) {
    loading_.markerOn = false;
    loading_.step = 100;
    loading_.Shape1.setVisible(false);
    loading_.Line1.setVisible(false);
    loading_.LoadName.setForeColor(frmLoading::kRed);
    loading_.LoadName.setCaption(text);
}

void frmUpgrade::Form_Load() {
    auto& p = session_.platform;
    std::int32_t seconds = 1;

    loading_.step = 500;
    loading_.Shape1.setVisible(true);
    loading_.Line1.setVisible(true);
    loading_.markerOn = true;
    loading_.load();
    loading_.setVisible(true);

    loading_.LoadName.setCaption("Connecting to the internet and checking for upgrade .. ");
    core::PauseSeconds(p.events, seconds = 1);

    if (!IsOnline(session_)) {
        stop("You are not connected to internet\r\nMake sure you are connected to internet");
        core::PauseSeconds(p.events, seconds = 5);
        return;
    }
    // A missing value is created with "5" and reads as empty here: version 0.
    const std::string installed = settings::trymodReg::tryGetOrCreateSettingString(
        p, platform::kLocalMachine, settings::layout::kUpdateKey, "ver", "5");
    if (!CheckNewVersion(session_, installed)) {
        stop("No upgrade of Calvorin was available");
        core::PauseSeconds(p.events, seconds = 5);
        if (session_.endProgram) session_.endProgram();
        return;
    }

    loading_.Shape1.setVisible(false);
    loading_.Line1.setVisible(false);
    loading_.markerOn = false;
    loading_.step = 1;
    loading_.setVisible(true);
    loading_.LoadName.setCaption("Downloading new version ..");

    session_.mainWindowTitle = p.settings.get(core::kProgramTitle, "Info", "ExeTitile", "");
    core::PauseSeconds(p.events, seconds = 1);

    if (InstallNewVersion(session_)) return;
    // A failure of the hand-off has said so already; a download that never succeeded has not.
    if (loading_.LoadName.foreColor() != frmLoading::kRed)
        stop("The new version could not be downloaded. Please try again later.");
    p.events.processEvents();
}

} // namespace calvorin::update
