#pragma once
#include "platform/desktop.h"
#include "platform/emulated/failure_plan.h"

#include <algorithm>
#include <map>
#include <set>

namespace calvorin::platform::emulated {

// The desktop's top-level windows and a keyboard the test presses.
class Desktop final : public platform::Desktop {
  public:
    explicit Desktop(FailurePlan& failures) : failures_(failures) {}

    struct Window {
        std::string className;
        std::string title;
        WindowPlacement placement; // showCommand is the state: normal, minimized or maximized
        bool visible = true;
        bool closeRequested = false;
        bool foreground = false;
    };

    // --- the test's side ---
    // Adds a top-level window on top of the z-order and gives its handle.
    WindowHandle addWindow(std::string className, std::string title,
                           int showCommand = show::Normal) {
        WindowHandle h = nextHandle_;
        nextHandle_ += 4;
        Window w;
        w.className = std::move(className);
        w.title = std::move(title);
        w.placement.showCommand = stateAfter(show::Normal, showCommand);
        w.placement.left = 10, w.placement.top = 20, w.placement.right = 410,
        w.placement.bottom = 320;
        w.visible = showCommand != show::Hide;
        windows_[h] = w;
        order_.insert(order_.begin(), h);
        return h;
    }
    void closeWindow(WindowHandle h) {
        windows_.erase(h);
        order_.erase(std::remove(order_.begin(), order_.end(), h), order_.end());
    }
    Window* window(WindowHandle h) {
        auto it = windows_.find(h);
        return it == windows_.end() ? nullptr : &it->second;
    }
    // Keys held down now; a key pressed and released since the last query reads once.
    std::set<int> keysDown;
    std::set<int> keysPressedOnce;
    int keyQueries = 0;
    int restoreMessages = 0;

    // --- the service ---
    std::vector<WindowHandle> topLevelWindows() override { return order_; }
    std::string className(WindowHandle h) override {
        auto* w = window(h);
        return w ? w->className : std::string();
    }
    std::string title(WindowHandle h) override {
        auto* w = window(h);
        return w ? w->title : std::string();
    }
    bool isVisible(WindowHandle h) override {
        auto* w = window(h);
        return w && w->visible;
    }
    bool isIconic(WindowHandle h) override {
        auto* w = window(h);
        return w && w->visible && w->placement.showCommand == show::Minimized;
    }
    Status getPlacement(WindowHandle h, WindowPlacement& placement) override {
        if (auto f = failures_.take("Desktop.getPlacement")) return *f;
        auto* w = window(h);
        if (!w) return invalid();
        // As on Windows, a hidden window reports the state it will show in, never "hide".
        placement = w->placement;
        return Status::success();
    }
    Status setPlacement(WindowHandle h, const WindowPlacement& placement) override {
        if (auto f = failures_.take("Desktop.setPlacement")) return *f;
        auto* w = window(h);
        if (!w) return invalid();
        const std::uint32_t state = w->placement.showCommand;
        w->placement = placement;
        w->placement.showCommand = stateAfter(state, static_cast<int>(placement.showCommand));
        w->visible = placement.showCommand != show::Hide;
        return Status::success();
    }
    bool showWindow(WindowHandle h, int command) override {
        auto* w = window(h);
        if (!w) return false;
        bool was = w->visible;
        w->visible = command != show::Hide;
        if (command == show::Normal || command == show::Restore)
            w->placement.showCommand = show::Normal;
        if (command == show::Minimized || command == show::Maximized)
            w->placement.showCommand = static_cast<std::uint32_t>(command);
        return was;
    }
    void restoreFromMinimized(WindowHandle h) override {
        ++restoreMessages;
        auto* w = window(h);
        if (w && w->placement.showCommand == show::Minimized)
            w->placement.showCommand = show::Normal;
    }
    Status setForeground(WindowHandle h) override {
        auto* w = window(h);
        if (!w) return invalid();
        for (auto& [_, other] : windows_)
            other.foreground = false;
        w->foreground = true;
        return Status::success();
    }
    WindowHandle findByTitle(const std::string& title) override {
        for (auto h : order_)
            if (windows_[h].title == title) return h;
        return 0;
    }
    Status postClose(WindowHandle h) override {
        if (auto f = failures_.take("Desktop.postClose")) return *f;
        auto* w = window(h);
        if (!w) return invalid();
        w->closeRequested = true;
        return Status::success();
    }
    std::uint16_t keyState(int virtualKey) override {
        ++keyQueries;
        if (keysDown.count(virtualKey)) return 0x8000;
        if (keysPressedOnce.erase(virtualKey)) return 0x0001;
        return 0;
    }

  private:
    // The state a show command leaves: hiding and plain showing keep the one before.
    static std::uint32_t stateAfter(std::uint32_t state, int command) {
        switch (command) {
        case show::Normal:
        case show::Restore: return show::Normal;
        case show::Minimized:
        case 6: // SW_MINIMIZE
        case 7: // SW_SHOWMINNOACTIVE
            return show::Minimized;
        case show::Maximized: return show::Maximized;
        default: return state;
        }
    }
    static Status invalid() { return Status::failure(1400, "Invalid window handle."); }
    FailurePlan& failures_;
    std::map<WindowHandle, Window> windows_;
    std::vector<WindowHandle> order_;
    WindowHandle nextHandle_ = 0x10010;
};

} // namespace calvorin::platform::emulated
