#include "platform/win32/tray_icon.h"
#include "platform/win32/text.h"

#include <shellapi.h>

#include <algorithm>
#include <string>

namespace calvorin::platform::win32 {

Status TrayIcon::notify(DWORD message, const TrayIconData& icon) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window_;
    data.uID = icon.id;
    data.uFlags = icon.flags;
    data.uCallbackMessage = icon.callbackMessage;
    data.hIcon = icon_;
    const std::wstring tip = widen(icon.tip);
    const std::size_t fit =
        std::min<std::size_t>({tip.size(), TrayIconData::kMaxTip, std::size(data.szTip) - 1});
    std::copy_n(tip.begin(), fit, data.szTip);
    data.szTip[fit] = L'\0';
    if (Shell_NotifyIconW(message, &data)) return Status::success();
    // The shell gives no reason for a refusal.
    const DWORD code = GetLastError();
    return Status::failure(code ? code : ERROR_FUNCTION_FAILED,
                           "The notification area refused the icon.");
}

Status TrayIcon::add(const TrayIconData& icon) {
    return notify(NIM_ADD, icon);
}
Status TrayIcon::remove(const TrayIconData& icon) {
    return notify(NIM_DELETE, icon);
}

} // namespace calvorin::platform::win32
