#include "toolkit/win32/dialog_host.h"

#include "platform/win32/callback_guard.h"
#include "platform/win32/text.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <string>

namespace calvorin::toolkit::win32 {

DialogHost::~DialogHost() {
    for (auto& [hwnd, _] : byWindow_) RemoveWindowSubclass(hwnd, &DialogHost::mouseProc, 1);
    if (main_) DestroyWindow(main_);
}

HWND DialogHost::createMain(int templateId) {
    main_ = CreateDialogParamW(instance_, MAKEINTRESOURCEW(templateId), nullptr, &dialogProc,
                               reinterpret_cast<LPARAM>(this));
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, main_, nullptr, instance_, nullptr);
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 400);
    return main_;
}

HWND DialogHost::createChild(HWND parent, int templateId, const RECT& area, bool onTab) {
    HWND child = CreateDialogParamW(instance_, MAKEINTRESOURCEW(templateId), parent, &dialogProc,
                                    reinterpret_cast<LPARAM>(this));
    if (onTab) EnableThemeDialogTexture(child, ETDT_ENABLETAB);
    SetWindowPos(child, HWND_TOP, area.left, area.top, area.right - area.left,
                 area.bottom - area.top, SWP_NOACTIVATE);
    return child;
}

RECT DialogHost::itemRect(HWND dialog, int itemId) const {
    RECT r{};
    HWND item = GetDlgItem(dialog, itemId);
    GetWindowRect(item, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void DialogHost::adopt(std::unique_ptr<WindowPeer> peer) {
    HWND hwnd = peer->hwnd();
    peer->control().bind(peer.get());
    byWindow_[hwnd] = peer.get();
    SetWindowSubclass(hwnd, &DialogHost::mouseProc, 1, reinterpret_cast<DWORD_PTR>(peer.get()));
    if (tooltip_ && GetParent(hwnd)) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = GetParent(hwnd);
        tool.uId = reinterpret_cast<UINT_PTR>(hwnd);
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    peer->refresh();
    peers_.push_back(std::move(peer));
}

WindowPeer* DialogHost::peerOf(HWND hwnd) const {
    auto it = byWindow_.find(hwnd);
    return it == byWindow_.end() ? nullptr : it->second;
}

bool DialogHost::preTranslate(MSG* msg) {
    return main_ && IsDialogMessageW(main_, msg);
}

LRESULT CALLBACK DialogHost::mouseProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                       DWORD_PTR data) {
    if (msg == WM_MOUSEMOVE)
        platform::win32::guarded([&] { reinterpret_cast<WindowPeer*>(data)->control().mouseMove(); });
    return DefSubclassProc(hwnd, msg, wp, lp);
}

INT_PTR CALLBACK DialogHost::dialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lp);
        return TRUE;
    }
    auto* host = reinterpret_cast<DialogHost*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!host) return FALSE;
    // A handler that throws has done what it could; the message counts as handled.
    return platform::win32::guarded<INT_PTR>(TRUE, [&] { return host->handle(dialog, msg, wp, lp); });
}

INT_PTR DialogHost::handle(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND:
        if (lp) {
            if (WindowPeer* peer = peerOf(reinterpret_cast<HWND>(lp))) {
                peer->command(HIWORD(wp));
                return TRUE;
            }
        }
        return TRUE; // Enter and Esc on the dialog do not close the window
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lp);
        if (header->hwndFrom == tooltip_ && header->code == TTN_GETDISPINFOW) {
            static std::wstring text; // must outlive the notification
            auto* info = reinterpret_cast<NMTTDISPINFOW*>(lp);
            WindowPeer* peer = peerOf(reinterpret_cast<HWND>(header->idFrom));
            text = peer ? platform::win32::widen(peer->control().toolTipText()) : std::wstring();
            info->lpszText = text.data();
            return TRUE;
        }
        if (WindowPeer* peer = peerOf(header->hwndFrom)) {
            SetWindowLongPtrW(dialog, DWLP_MSGRESULT, peer->notify(header));
            return TRUE;
        }
        return FALSE;
    }
    case WM_CTLCOLORSTATIC:
        if (WindowPeer* peer = peerOf(reinterpret_cast<HWND>(lp)))
            if (HBRUSH brush = peer->colors(reinterpret_cast<HDC>(wp)))
                return reinterpret_cast<INT_PTR>(brush);
        return FALSE;
    case WM_CLOSE:
        if (dialog == main_ && onClose) onClose();
        return TRUE;
    case WM_QUERYENDSESSION:
        if (dialog != main_) return FALSE;
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, onQueryEndSession ? onQueryEndSession() : TRUE);
        return TRUE;
    case WM_ENDSESSION:
        if (dialog == main_ && onEndSession) onEndSession(wp != FALSE);
        return TRUE;
    default: return FALSE;
    }
}

} // namespace calvorin::toolkit::win32
