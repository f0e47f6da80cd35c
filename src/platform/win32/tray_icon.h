#pragma once
#include "platform/tray_icon.h"

#include <windows.h>

namespace calvorin::platform::win32 {

// The notification-area icon of the program's main window (Shell_NotifyIcon).
class TrayIcon final : public platform::TrayIcon {
  public:
    // The window that owns the icon and the icon it shows; set once the window exists.
    void setWindow(HWND window, HICON icon) {
        window_ = window;
        icon_ = icon;
    }
    Status add(const TrayIconData& icon) override;
    Status remove(const TrayIconData& icon) override;

  private:
    Status notify(DWORD message, const TrayIconData& icon);
    HWND window_ = nullptr;
    HICON icon_ = nullptr;
};

} // namespace calvorin::platform::win32
