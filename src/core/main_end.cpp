#include "core/main_end.h"

namespace calvorin::core {

MainWindowEnd::MainWindowEnd(frmMain& form, platform::Platform& platform,
                             std::function<void()> endProgram)
    : form_(form), platform_(platform), endProgram_(std::move(endProgram)) {
    form_.runEnded = [this] { runEnded(); };
}

void MainWindowEnd::close() {
    if (unloading_) return; // a second click on X while the shutdown erase pauses
    if (form_.cleaning()) {
        closePending_ = true; // the run goes on; its end brings the close back
        return;
    }
    unloadOnce();
    finish();
}

void MainWindowEnd::runEnded() {
    if (!closePending_ || unloading_) return;
    closePending_ = false;
    close();
}

bool MainWindowEnd::sessionEnding() {
    const bool erasing = form_.cleaning() || form_.chkRun[1].value() == toolkit::Checked;
    if (erasing) announce(true);
    return true;
}

void MainWindowEnd::sessionEnded(bool ending) {
    if (!ending) {
        announce(false); // the session goes on, and so does the program
        return;
    }
    // A run under way (the user's, or the shutdown erase of a close) waits in a pause below
    // this call and would never resume: it is run again from the start here, to its end.
    const bool interrupted = form_.cleaning();
    if (interrupted || form_.chkRun[1].value() == toolkit::Checked) announce(true);
    bool erased = false;
    if (interrupted) form_.abandonRun();
    if (!unloading_) {
        erased = form_.chkRun[1].value() == toolkit::Checked;
        unloadOnce();
    }
    if (interrupted && !erased) form_.doClean();
    finish();
}

void MainWindowEnd::unloadOnce() {
    unloading_ = true;
    form_.unload();
    unloaded_ = true;
}

void MainWindowEnd::finish() {
    if (finished_) return;
    finished_ = true;
    announce(false);
    // The unload removes the icon as it ends; one cut short by the session ending never
    // gets there.
    if (!unloaded_) platform_.tray.remove(platform::TrayIconData{});
    if (endProgram_) endProgram_();
}

void MainWindowEnd::announce(bool erasing) {
    if (erasing == blocked_ || !blockShutdown) return;
    blocked_ = erasing;
    blockShutdown(erasing ? kErasingReason : "");
}

} // namespace calvorin::core
