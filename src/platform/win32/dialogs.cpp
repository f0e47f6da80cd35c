#include "platform/win32/dialogs.h"
#include "platform/win32/text.h"

#include <windows.h>

namespace calvorin::platform::win32 {

int Dialogs::messageBox(const std::string& text, const std::string& caption, unsigned style) {
    // A box owned by a hidden window would hide behind it; before the window shows it stands alone.
    HWND owner = static_cast<HWND>(owner_);
    if (owner && !IsWindowVisible(owner)) owner = nullptr;
    return MessageBoxW(owner, widen(text).c_str(), widen(caption).c_str(),
                       style | (owner ? 0u : static_cast<unsigned>(MB_TASKMODAL | MB_SETFOREGROUND)));
}

} // namespace calvorin::platform::win32
