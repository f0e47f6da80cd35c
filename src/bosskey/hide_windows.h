#pragma once
#include "platform/platform.h"

#include <vector>

namespace calvorin::bosskey {

// A browser window the boss key hid, and how it was shown before.
struct SavedWindow {
    platform::WindowHandle handle = 0;
    platform::WindowPlacement placement;
};

// Hiding and bringing back windows for the boss key.
namespace modHide {

// Hides every visible Internet Explorer frame window and makes `saved` the list of the windows
// this pass hid. A window still hidden from an earlier pass keeps the placement saved then,
// so hiding again while hidden never loses how a window was shown.
void hideBrowserWindows(platform::Desktop& desktop, std::vector<SavedWindow>& saved);
// Shows every saved window again as it was, the last saved first; the list stays.
void restoreBrowserWindows(platform::Desktop& desktop, const std::vector<SavedWindow>& saved);
// Makes the window visible, not minimized, and the foreground window.
void showAppWindow(platform::Desktop& desktop, platform::WindowHandle window);
// Lists the program in the task list again where the Windows 95 family had hidden it.
void unhideProcess(platform::Platform& platform);

} // namespace modHide

} // namespace calvorin::bosskey
