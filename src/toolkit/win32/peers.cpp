#include "toolkit/win32/peers.h"

#include "platform/win32/text.h"

#include <commctrl.h>

namespace calvorin::toolkit::win32 {

using platform::win32::widen;

void WindowPeer::changed(Property property) {
    switch (property) {
    case Property::Caption:
        if (auto* c = dynamic_cast<Captioned*>(&control_))
            SetWindowTextW(hwnd_, widen(c->caption()).c_str());
        break;
    case Property::Visible: ShowWindow(hwnd_, control_.visible() ? SW_SHOWNA : SW_HIDE); break;
    case Property::Enabled: EnableWindow(hwnd_, control_.enabled()); break;
    default: break; // tooltips are fetched when shown
    }
}

void WindowPeer::refresh() {
    changed(Property::Caption);
    changed(Property::Enabled);
    changed(Property::Visible);
}

void FormPeer::changed(Property p) {
    if (p != Property::Visible) return WindowPeer::changed(p);
    if (control_.visible()) {
        ShowWindow(hwnd_, SW_SHOW);
        SetForegroundWindow(hwnd_);
        UpdateWindow(hwnd_);
    } else {
        ShowWindow(hwnd_, SW_HIDE);
    }
}

void LabelPeer::command(int code) {
    if (code == STN_CLICKED) label_.click();
}

void ButtonPeer::command(int code) {
    if (code == BN_CLICKED) button_.click();
}

void CheckBoxPeer::changed(Property p) {
    if (p == Property::Value) {
        const int v = box_.value();
        SendMessageW(hwnd_, BM_SETCHECK, v == 1 ? BST_CHECKED : v == 2 ? BST_INDETERMINATE : BST_UNCHECKED, 0);
    } else {
        WindowPeer::changed(p);
    }
}
void CheckBoxPeer::command(int code) {
    if (code == BN_CLICKED) box_.click();
}
void CheckBoxPeer::refresh() {
    WindowPeer::refresh();
    changed(Property::Value);
}

void OptionPeer::changed(Property p) {
    if (p == Property::Value)
        SendMessageW(hwnd_, BM_SETCHECK, option_.value() ? BST_CHECKED : BST_UNCHECKED, 0);
    else
        WindowPeer::changed(p);
}
void OptionPeer::command(int code) {
    if (code == BN_CLICKED) option_.click();
}
void OptionPeer::refresh() {
    WindowPeer::refresh();
    changed(Property::Value);
}

void TabPeer::changed(Property p) {
    if (p == Property::Value)
        SendMessageW(hwnd_, TCM_SETCURSEL, static_cast<WPARAM>(tabs_.selectedIndex()), 0);
    else
        WindowPeer::changed(p);
}
LRESULT TabPeer::notify(NMHDR* header) {
    if (header->code == TCN_SELCHANGE)
        tabs_.setSelectedIndex(static_cast<int>(SendMessageW(hwnd_, TCM_GETCURSEL, 0, 0)));
    return 0;
}
void TabPeer::refresh() {
    SendMessageW(hwnd_, TCM_DELETEALLITEMS, 0, 0);
    for (std::size_t i = 0; i < tabs_.tabs.size(); ++i) {
        std::wstring text = widen(tabs_.tabs[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        SendMessageW(hwnd_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    WindowPeer::changed(Property::Visible);
    changed(Property::Value);
}
RECT TabPeer::displayArea() const {
    RECT r;
    GetWindowRect(hwnd_, &r);
    MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
    SendMessageW(hwnd_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    return r;
}

void ListPeer::changed(Property p) {
    pushing_ = true;
    if (p == Property::Items) {
        SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0);
        for (int i = 0; i < list_.listCount(); ++i)
            SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(list_.list(i)).c_str()));
        changed(Property::Selection);
    } else if (p == Property::Selection) {
        for (int i = 0; i < list_.listCount(); ++i)
            SendMessageW(hwnd_, LB_SETSEL, list_.selected(i), i);
    } else {
        WindowPeer::changed(p);
    }
    pushing_ = false;
}
void ListPeer::command(int code) {
    if (code != LBN_SELCHANGE || pushing_) return;
    for (int i = 0; i < list_.listCount(); ++i)
        list_.setSelected(i, SendMessageW(hwnd_, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0);
}
void ListPeer::refresh() {
    WindowPeer::refresh();
    changed(Property::Items);
}

ShapePeer::ShapePeer(HWND h, Shape& s, const Shape& outline, HWND outlineWindow)
    : WindowPeer(h, s), shape_(s), outline_(outline), outlineWindow_(outlineWindow),
      brush_(GetSysColorBrush(COLOR_HIGHLIGHT)) {}
ShapePeer::~ShapePeer() = default; // system colour brushes are not ours to delete

void ShapePeer::changed(Property p) {
    if (p != Property::Geometry) return WindowPeer::changed(p);
    RECT outer;
    GetWindowRect(outlineWindow_, &outer);
    MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&outer), 2);
    const int inner = outer.right - outer.left - 2; // inside the frame's one-pixel edges
    float share = outline_.width() > 0 ? shape_.width() / outline_.width() : 0.0f;
    if (share < 0) share = 0;
    if (share > 1) share = 1;
    const int width = static_cast<int>(static_cast<float>(inner) * share + 0.5f);
    SetWindowPos(hwnd_, HWND_TOP, outer.left + 1, outer.top + 1, width, outer.bottom - outer.top - 2,
                 SWP_NOACTIVATE);
    ShowWindow(hwnd_, width > 0 ? SW_SHOWNA : SW_HIDE);
    UpdateWindow(hwnd_); // the run repaints between its pauses
}
void ShapePeer::refresh() { changed(Property::Geometry); }

void MonthViewPeer::changed(Property p) {
    if (p != Property::Value) return WindowPeer::changed(p);
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(month_.year());
    st.wMonth = static_cast<WORD>(month_.month());
    st.wDay = static_cast<WORD>(month_.day());
    SendMessageW(hwnd_, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&st));
}
LRESULT MonthViewPeer::notify(NMHDR* header) {
    if (header->code == MCN_SELECT) {
        const auto* sel = reinterpret_cast<NMSELCHANGE*>(header);
        month_.setValue({sel->stSelStart.wYear, sel->stSelStart.wMonth, sel->stSelStart.wDay});
    }
    return 0;
}
void MonthViewPeer::refresh() {
    WindowPeer::refresh();
    changed(Property::Value);
}

PagePeer::PagePeer(HWND h, Frame& f, std::shared_ptr<std::vector<HWND>> stack)
    : WindowPeer(h, f), stack_(std::move(stack)) {
    stack_->push_back(h);
}
void PagePeer::changed(Property p) {
    if (p == Property::Caption) return; // the page selector names the page
    if (p != Property::Front) return WindowPeer::changed(p);
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    for (HWND other : *stack_)
        if (other != hwnd_) ShowWindow(other, SW_HIDE);
}

} // namespace calvorin::toolkit::win32

namespace calvorin::toolkit::win32 {

namespace {
std::wstring windowText(HWND hwnd) {
    const int n = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
    GetWindowTextW(hwnd, text.data(), n + 1);
    text.resize(static_cast<std::size_t>(n));
    return text;
}
} // namespace

void ContainerPeer::changed(Property p) {
    WindowPeer::changed(p);
    if (p != Property::Enabled) return;
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        EnableWindow(child, control_.enabled());
}

LinkPeer::LinkPeer(HWND h, Label& l) : LabelPeer(h, l) {
    SetClassLongPtrW(h, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(LoadCursorW(nullptr, IDC_HAND)));
}
HBRUSH LinkPeer::colors(HDC dc) {
    SetTextColor(dc, RGB(0, 102, 204)); // the usual link blue; some themes make COLOR_HOTLIGHT faint
    SetBkMode(dc, TRANSPARENT);
    return GetSysColorBrush(COLOR_3DFACE);
}

void TextBoxPeer::changed(Property p) {
    if (p != Property::Caption) return WindowPeer::changed(p);
    if (pushing_) return;
    const std::wstring text = widen(text_.text());
    if (windowText(hwnd_) != text) SetWindowTextW(hwnd_, text.c_str());
}
void TextBoxPeer::command(int code) {
    if (code != EN_CHANGE) return;
    pushing_ = true; // the model hears the typing; no need to write it back
    text_.setText(platform::win32::narrow(windowText(hwnd_)));
    pushing_ = false;
}

void ComboBoxPeer::changed(Property p) {
    if (pushing_) return;
    switch (p) {
    case Property::Items:
        SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0);
        for (int i = 0; i < combo_.listCount(); ++i)
            SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(combo_.list(i)).c_str()));
        changed(Property::Selection);
        break;
    case Property::Selection:
        SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(combo_.listIndex()), 0);
        break;
    case Property::Caption:
        if (combo_.style() == ComboBox::Style::Dropdown)
            SetWindowTextW(hwnd_, widen(combo_.text()).c_str());
        else
            SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(combo_.listIndex()), 0);
        break;
    default: WindowPeer::changed(p);
    }
}
void ComboBoxPeer::command(int code) {
    pushing_ = true;
    if (code == CBN_SELCHANGE) {
        const auto row = static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0));
        if (row >= 0) combo_.setListIndex(row);
    } else if (code == CBN_EDITCHANGE) {
        combo_.setText(platform::win32::narrow(windowText(hwnd_)));
    }
    pushing_ = false;
}
void ComboBoxPeer::refresh() {
    WindowPeer::changed(Property::Enabled);
    WindowPeer::changed(Property::Visible);
    changed(Property::Items);
    changed(Property::Caption);
}

void UpDownPeer::changed(Property p) {
    if (p != Property::Value) return WindowPeer::changed(p);
    SendMessageW(hwnd_, UDM_SETRANGE32, static_cast<WPARAM>(spin_.min()), spin_.max());
    SendMessageW(hwnd_, UDM_SETPOS32, 0, spin_.value());
}
LRESULT UpDownPeer::notify(NMHDR* header) {
    if (header->code != UDN_DELTAPOS) return 0;
    const auto* delta = reinterpret_cast<NMUPDOWN*>(header);
    if (delta->iDelta > 0) spin_.up();
    else if (delta->iDelta < 0) spin_.down();
    return 1; // the model has stepped; the control must not step again
}
void UpDownPeer::refresh() {
    WindowPeer::changed(Property::Enabled);
    WindowPeer::changed(Property::Visible);
    changed(Property::Value);
}

void DTPickerPeer::changed(Property p) {
    if (pushing_) return;
    if (p == Property::Caption) {
        SendMessageW(hwnd_, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(widen(picker_.customFormat()).c_str()));
    } else if (p == Property::Value) {
        SYSTEMTIME st{};
        GetLocalTime(&st);
        st.wHour = static_cast<WORD>(picker_.hour());
        st.wMinute = static_cast<WORD>(picker_.minute());
        st.wSecond = static_cast<WORD>(picker_.second());
        st.wMilliseconds = 0;
        SendMessageW(hwnd_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
    } else {
        WindowPeer::changed(p);
    }
}
LRESULT DTPickerPeer::notify(NMHDR* header) {
    if (header->code != DTN_DATETIMECHANGE) return 0;
    const auto* change = reinterpret_cast<NMDATETIMECHANGE*>(header);
    if (change->dwFlags != GDT_VALID) return 0;
    pushing_ = true;
    picker_.setHour(change->st.wHour);
    picker_.setMinute(change->st.wMinute);
    picker_.setSecond(change->st.wSecond);
    pushing_ = false;
    return 0;
}
void DTPickerPeer::refresh() {
    WindowPeer::changed(Property::Enabled);
    WindowPeer::changed(Property::Visible);
    changed(Property::Caption);
    changed(Property::Value);
}

void ProgressBarPeer::changed(Property p) {
    if (p != Property::Value) return WindowPeer::changed(p);
    SendMessageW(hwnd_, PBM_SETRANGE32, static_cast<WPARAM>(bar_.min()), bar_.max());
    SendMessageW(hwnd_, PBM_SETPOS, static_cast<WPARAM>(bar_.value()), 0);
    UpdateWindow(hwnd_); // the shredder handles no messages while it works
}
void ProgressBarPeer::refresh() {
    WindowPeer::changed(Property::Enabled);
    WindowPeer::changed(Property::Visible);
    changed(Property::Value);
}

void PicturePeer::command(int code) {
    if (code == STN_CLICKED) picture_.click();
}

} // namespace calvorin::toolkit::win32
