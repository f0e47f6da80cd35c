#pragma once
#include "platform/desktop.h"

namespace calvorin::platform::win32 {

class Desktop final : public platform::Desktop {
  public:
    std::vector<WindowHandle> topLevelWindows() override;
    std::string className(WindowHandle window) override;
    std::string title(WindowHandle window) override;
    bool isVisible(WindowHandle window) override;
    bool isIconic(WindowHandle window) override;
    Status getPlacement(WindowHandle window, WindowPlacement& placement) override;
    Status setPlacement(WindowHandle window, const WindowPlacement& placement) override;
    bool showWindow(WindowHandle window, int command) override;
    void restoreFromMinimized(WindowHandle window) override;
    Status setForeground(WindowHandle window) override;
    WindowHandle findByTitle(const std::string& title) override;
    Status postClose(WindowHandle window) override;
    std::uint16_t keyState(int virtualKey) override;
};

} // namespace calvorin::platform::win32
