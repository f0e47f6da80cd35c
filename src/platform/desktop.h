#pragma once
#include "platform/status.h"

#include <cstdint>
#include <string>
#include <vector>

namespace calvorin::platform {

// A top-level window as the system names it; 0 is no window.
using WindowHandle = std::uint64_t;

// Where and how a window is shown, as WINDOWPLACEMENT holds it (the record is 44 bytes).
struct WindowPlacement {
    std::uint32_t flags = 0;
    std::uint32_t showCommand =
        0; // SW_HIDE 0, SW_SHOWNORMAL 1, SW_SHOWMINIMIZED 2, SW_SHOWMAXIMIZED 3 ...
    std::int32_t minX = 0, minY = 0;
    std::int32_t maxX = 0, maxY = 0;
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const WindowPlacement&) const = default;
};

namespace show {
inline constexpr int Hide = 0;
inline constexpr int Normal = 1;
inline constexpr int Minimized = 2;
inline constexpr int Maximized = 3;
inline constexpr int Show = 5;
inline constexpr int Restore = 9;
} // namespace show

// The windows of the desktop and the keyboard's state, as every program sees them.
class Desktop {
  public:
    virtual ~Desktop() = default;

    // Every top-level window, in the system's z-order (EnumWindows).
    virtual std::vector<WindowHandle> topLevelWindows() = 0;
    // The window's class name; empty when the window is gone.
    virtual std::string className(WindowHandle window) = 0;
    virtual std::string title(WindowHandle window) = 0;
    virtual bool isVisible(WindowHandle window) = 0;
    virtual bool isIconic(WindowHandle window) = 0;
    virtual Status getPlacement(WindowHandle window, WindowPlacement& placement) = 0;
    // Applies a placement; its show command hides, shows, minimizes or maximizes the window.
    virtual Status setPlacement(WindowHandle window, const WindowPlacement& placement) = 0;
    // ShowWindow with a show command; true when the window was visible before.
    virtual bool showWindow(WindowHandle window, int command) = 0;
    // WM_SYSCOMMAND with SC_RESTORE, sent (not posted) to the window.
    virtual void restoreFromMinimized(WindowHandle window) = 0;
    virtual Status setForeground(WindowHandle window) = 0;
    // The first top-level window with exactly this title (FindWindow), 0 when none.
    virtual WindowHandle findByTitle(const std::string& title) = 0;
    // Posts WM_CLOSE, asking the window to close as its X button would.
    virtual Status postClose(WindowHandle window) = 0;
    // GetAsyncKeyState of a virtual-key code: its 16-bit state, not 0 while the key is down or
    // was pressed since the last query.
    virtual std::uint16_t keyState(int virtualKey) = 0;
};

} // namespace calvorin::platform
