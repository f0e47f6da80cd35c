#pragma once
#include "toolkit/control.h"

#include <functional>

namespace calvorin::toolkit {

// A top-level window. Its caption is the window title.
class Form : public Captioned {
  public:
    // A form is hidden until shown.
    Form() { setVisible(false); }
    // The window is loaded (before it shows) and unloaded (as it closes).
    std::function<void()> onLoad;
    std::function<void()> onUnload;
    void load() {
        if (onLoad) onLoad();
    }
    void unload() {
        if (onUnload) onUnload();
    }
};

} // namespace calvorin::toolkit
