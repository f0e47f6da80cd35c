#include "update/upgrade_handoff.h"

#include "cleaners/file_operations.h"
#include "core/pause.h"
#include "core/program.h"
#include "product.h"
#include "settings/registry_access.h"
#include "settings/registry_layout.h"

namespace calvorin::update {

namespace {

using settings::layout::kUpdateKey;

bool containsLetter(const std::string& text, char lower) {
    for (char c : text)
        if (c == lower || c == lower - 'a' + 'A') return true;
    return false;
}

void pause(platform::Platform& p, std::int32_t seconds) {
    core::PauseSeconds(p.events, seconds);
}

void setStage(platform::Platform& p, const std::string& stage) {
    settings::trymodReg::trySaveSettingString(p, platform::kLocalMachine, kUpdateKey, "Up", stage);
}

// Stage "b", running as the new program just downloaded: it takes the main program's place.
bool replaceMainProgram(platform::Platform& p, const HandOffPlace& place) {
    const std::string folder = cleaners::AddBackslash(place.programFolder);
    const std::string fresh = folder + "cvn.exe";
    const std::string main = folder + "Calvorin.exe";
    const std::string copy = folder + "Calvorin.exe.new";
    if (!p.files.fileExists(fresh)) {
        // Nothing left to swap in: waiting at every start would never change that.
        setStage(p, "a");
        return false;
    }
    pause(p, 4); // the old program finishes closing
    // The copy is made beside the old file and takes its place in one step, so a failure at
    // any point (a full disk, the old program still running, a power loss) leaves the old
    // program whole and "Up" at "b" for the next start to try again.
    p.files.remove(copy);
    if (!settings::copyFileSilent(p, fresh, copy)) {
        p.files.remove(copy);
        return false;
    }
    pause(p, 4);
    if (!p.files.replaceFile(copy, main).ok()) {
        p.files.remove(copy);
        return false;
    }
    setStage(p, "c");
    pause(p, 4);
    p.process.startProgram(main, platform::show::Minimized);
    return true;
}

// Stage "c", running as the new main program: the downloaded file goes, the upgrade is told.
void finishUpgrade(platform::Platform& p, const HandOffPlace& place) {
    pause(p, 5); // "cvn.exe" finishes ending
    const std::string fresh = cleaners::AddBackslash(place.programFolder) + "cvn.exe";
    // A second try gives a process that was still ending one more moment.
    if (p.files.fileExists(fresh) && !p.files.remove(fresh).ok()) p.files.remove(fresh);
    setStage(p, "a");
    const std::string announce = settings::trymodReg::tryMyGetSettingString(
        p, platform::kLocalMachine, kUpdateKey, "donreq", "");
    if (announce.empty()) {
        settings::DeleteRegValue(p, platform::kLocalMachine, kUpdateKey, "donreq");
    } else if (announce.find('z') != std::string::npos) {
        settings::DeleteRegValue(p, platform::kLocalMachine, kUpdateKey, "donreq");
        p.dialogs.messageBox("Calvorin Upgraded. Thank you", core::kProgramTitle, platform::MbOk);
        if (place.openWebPage) place.openWebPage(upgradePageAddress());
    }
}

} // namespace

std::string upgradePageAddress() {
    std::string site = product::kVendorSite;
    while (!site.empty() && site.back() == '/')
        site.pop_back();
    return site + "/upgrade.php";
}

bool Check_For_Update(platform::Platform& p, const HandOffPlace& place) {
    const std::string stage = settings::trymodReg::tryMyGetSettingString(p, platform::kLocalMachine,
                                                                         kUpdateKey, "Up", "a");
    if (stage.empty() || containsLetter(stage, 'a')) return false;
    if (containsLetter(stage, 'b')) return replaceMainProgram(p, place);
    if (containsLetter(stage, 'c')) finishUpgrade(p, place);
    return false;
}

void startUpdateProgram(core::frmMain& form, platform::Platform& p,
                        const std::string& programFolder) {
    form.Image7.setVisible(false);
    const std::string program = cleaners::AddBackslash(programFolder) + "Update.exe";
    if (!p.process.startProgram(program, platform::show::Minimized).ok())
        p.dialogs.messageBox("Upgrade client is missing. Please reinstall the software.",
                             core::kProgramTitle, platform::MbOk | platform::MbIconInformation);
}

void plugUpgrade(core::frmMain& form, platform::Platform& platform, HandOffPlace place) {
    form.slots.Check_For_Update = [&platform, place] { return Check_For_Update(platform, place); };
    form.Command1.onClick = [&form, &platform, folder = place.programFolder] {
        startUpdateProgram(form, platform, folder);
    };
}

} // namespace calvorin::update
