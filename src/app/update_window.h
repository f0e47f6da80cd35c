#pragma once
#include "toolkit/win32/dialog_host.h"
#include "update/loading_form.h"
#include "update/upgrade_form.h"

namespace calvorin::app {

// The update program's two windows on screen: frmUpgrade as a hidden window of its own, and
// frmLoading's controls bound to the status window's template.
class UpdateWindows {
  public:
    UpdateWindows(HINSTANCE instance, update::frmUpgrade& upgrade, update::frmLoading& loading);
    UpdateWindows(const UpdateWindows&) = delete;
    UpdateWindows& operator=(const UpdateWindows&) = delete;
    HWND status() const { return loadingHost_.main(); }
    toolkit::win32::DialogHost& statusHost() { return loadingHost_; }

  private:
    toolkit::win32::DialogHost upgradeHost_;
    toolkit::win32::DialogHost loadingHost_;
};

} // namespace calvorin::app
