#pragma once
#include "core/main_form.h"
#include "toolkit/win32/dialog_host.h"

#include <memory>

namespace calvorin::app {

// The main window on screen: frmMain's controls bound to the dialog templates.
class MainWindow {
  public:
    MainWindow(HINSTANCE instance, core::frmMain& form);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    HWND handle() const { return host_.main(); }
    HICON icon() const { return icon_; }
    toolkit::win32::DialogHost& host() { return host_; }

  private:
    void bindErasePage(HWND page);
    void bindSettingsPage(HWND page);
    void bindStartupPage(HWND page);
    void bindShredderPage(HWND page);
    void bindHelpPage(HWND page);

    core::frmMain& form_;
    toolkit::win32::DialogHost host_;
    HICON icon_ = nullptr;
    HFONT titleFont_ = nullptr;
};

} // namespace calvorin::app
