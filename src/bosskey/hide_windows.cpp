#include "bosskey/hide_windows.h"

#include <algorithm>

namespace calvorin::bosskey::modHide {

namespace {
constexpr const char* kBrowserFrameClass = "IEFrame";
} // namespace

void hideBrowserWindows(platform::Desktop& desktop, std::vector<SavedWindow>& saved) {
    std::vector<SavedWindow> pass;
    for (platform::WindowHandle window : desktop.topLevelWindows()) {
        if (desktop.className(window) != kBrowserFrameClass) continue;
        const auto earlier = std::find_if(saved.begin(), saved.end(),
                                          [&](const SavedWindow& s) { return s.handle == window; });
        if (!desktop.isVisible(window)) {
            // Hidden by an earlier pass (the key is held, or pressed again): its placement now
            // says nothing of how the user had it. A frame the browser keeps hidden itself is
            // not ours to show later.
            if (earlier != saved.end()) pass.push_back(*earlier);
            continue;
        }
        SavedWindow record{window, {}};
        // Without its placement the window could not come back as it was: leave it shown.
        if (!desktop.getPlacement(window, record.placement).ok()) continue;
        pass.push_back(record);
        platform::WindowPlacement hidden = record.placement;
        hidden.showCommand = platform::show::Hide;
        // Where another program's window refuses a placement, a plain hide keeps its state too.
        if (!desktop.setPlacement(window, hidden).ok())
            desktop.showWindow(window, platform::show::Hide);
    }
    saved = std::move(pass);
}

void restoreBrowserWindows(platform::Desktop& desktop, const std::vector<SavedWindow>& saved) {
    // A window closed since only fails its own call.
    for (auto it = saved.rbegin(); it != saved.rend(); ++it) {
        if (it->handle == 0) continue;
        // Hidden by a plain hide, the window shows again where it was, in its saved state.
        if (!desktop.setPlacement(it->handle, it->placement).ok())
            desktop.showWindow(it->handle, static_cast<int>(it->placement.showCommand));
    }
}

void showAppWindow(platform::Desktop& desktop, platform::WindowHandle window) {
    if (!desktop.isVisible(window)) desktop.showWindow(window, platform::show::Show);
    if (desktop.isIconic(window)) desktop.restoreFromMinimized(window);
    desktop.setForeground(window);
}

void unhideProcess(platform::Platform& platform) {
    // The NT family has no service-process list to leave; its task list shows every program.
    platform::VersionRecord version;
    if (platform.system.version(version).ok() && version.platformId == platform::platform_id::NT)
        return;
    platform.process.showInTaskList(); // not offered where it does not exist: nothing to do
}

} // namespace calvorin::bosskey::modHide
