#pragma once
#include "core/main_form.h"
#include "toolkit/win32/dialog_host.h"

#include <memory>

namespace calvorin::app {

// The main window on screen: frmMain's controls bound to the dialog templates.
class MainWindow {
  public:
    MainWindow(HINSTANCE instance, core::frmMain& form);
    HWND handle() const { return host_.main(); }
    toolkit::win32::DialogHost& host() { return host_; }

  private:
    core::frmMain& form_;
    toolkit::win32::DialogHost host_;
};

} // namespace calvorin::app
