#include "platform/win32/desktop.h"
#include "platform/win32/last_error.h"

#include <windows.h>

namespace calvorin::platform::win32 {

namespace {
HWND hwnd(WindowHandle w) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(w));
}
WindowHandle handle(HWND w) {
    return reinterpret_cast<std::uintptr_t>(w);
}
} // namespace

std::vector<WindowHandle> Desktop::topLevelWindows() {
    std::vector<WindowHandle> all;
    EnumWindows(
        [](HWND w, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<WindowHandle>*>(list)->push_back(handle(w));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&all));
    return all;
}

std::string Desktop::className(WindowHandle window) {
    wchar_t name[256];
    int n = GetClassNameW(hwnd(window), name, 256);
    return n > 0 ? narrow({name, static_cast<size_t>(n)}) : std::string();
}

std::string Desktop::title(WindowHandle window) {
    int n = GetWindowTextLengthW(hwnd(window));
    if (n <= 0) return {};
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    n = GetWindowTextW(hwnd(window), text.data(), n + 1);
    text.resize(static_cast<size_t>(n > 0 ? n : 0));
    return narrow(text);
}

bool Desktop::isVisible(WindowHandle window) {
    return IsWindowVisible(hwnd(window)) != FALSE;
}
bool Desktop::isIconic(WindowHandle window) {
    return IsIconic(hwnd(window)) != FALSE;
}

Status Desktop::getPlacement(WindowHandle window, WindowPlacement& p) {
    WINDOWPLACEMENT wp{};
    wp.length = sizeof(wp);
    if (!GetWindowPlacement(hwnd(window), &wp)) return lastError();
    p.flags = wp.flags;
    p.showCommand = wp.showCmd;
    p.minX = wp.ptMinPosition.x, p.minY = wp.ptMinPosition.y;
    p.maxX = wp.ptMaxPosition.x, p.maxY = wp.ptMaxPosition.y;
    p.left = wp.rcNormalPosition.left, p.top = wp.rcNormalPosition.top;
    p.right = wp.rcNormalPosition.right, p.bottom = wp.rcNormalPosition.bottom;
    return Status::success();
}

Status Desktop::setPlacement(WindowHandle window, const WindowPlacement& p) {
    WINDOWPLACEMENT wp{};
    wp.length = sizeof(wp);
    wp.flags = p.flags;
    wp.showCmd = p.showCommand;
    wp.ptMinPosition = {p.minX, p.minY};
    wp.ptMaxPosition = {p.maxX, p.maxY};
    wp.rcNormalPosition = {p.left, p.top, p.right, p.bottom};
    SetLastError(0);
    if (SetWindowPlacement(hwnd(window), &wp)) return Status::success();
    // Some systems refuse another process's window without saying why: still a failure.
    Status failed = lastError();
    return failed.ok() ? Status::failure(1, "The window's placement was not applied.") : failed;
}

bool Desktop::showWindow(WindowHandle window, int command) {
    return ShowWindow(hwnd(window), command) != FALSE;
}

void Desktop::restoreFromMinimized(WindowHandle window) {
    SendMessageW(hwnd(window), WM_SYSCOMMAND, SC_RESTORE, 0);
}

Status Desktop::setForeground(WindowHandle window) {
    return SetForegroundWindow(hwnd(window))
               ? Status::success()
               : Status::failure(1, "The window was not brought to the foreground.");
}

WindowHandle Desktop::findByTitle(const std::string& title) {
    return handle(FindWindowW(nullptr, widen(title).c_str()));
}

Status Desktop::postClose(WindowHandle window) {
    return PostMessageW(hwnd(window), WM_CLOSE, 0, 0) ? Status::success() : lastError();
}

std::uint16_t Desktop::keyState(int virtualKey) {
    return static_cast<std::uint16_t>(GetAsyncKeyState(virtualKey));
}

} // namespace calvorin::platform::win32
