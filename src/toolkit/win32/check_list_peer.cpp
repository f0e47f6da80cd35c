#include "toolkit/win32/check_list_peer.h"

#include "platform/win32/text.h"

#include <commctrl.h>

namespace calvorin::toolkit::win32 {

namespace {
constexpr UINT kUnticked = INDEXTOSTATEIMAGEMASK(1);
constexpr UINT kTicked = INDEXTOSTATEIMAGEMASK(2);

void setTick(HWND list, int row, bool ticked) {
    LVITEMW item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = ticked ? kTicked : kUnticked;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}
} // namespace

CheckListPeer::CheckListPeer(HWND h, ListBox& l) : WindowPeer(h, l), list_(l) {
    SendMessageW(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT,
                 LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    RECT client{};
    GetClientRect(hwnd_, &client);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = client.right - client.left - GetSystemMetrics(SM_CXVSCROLL);
    SendMessageW(hwnd_, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
}

void CheckListPeer::appendRows(int from) {
    for (int row = from; row < list_.listCount(); ++row) {
        std::wstring text = platform::win32::widen(list_.list(row));
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = text.data();
        SendMessageW(hwnd_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        shown_.push_back(false);
        setTick(hwnd_, row, false);
    }
}

// Only the rows whose tick differs are sent: filling a long list ticks many rows one by one.
void CheckListPeer::showTicks() {
    for (int row = 0; row < list_.listCount() && row < static_cast<int>(shown_.size()); ++row) {
        const bool ticked = list_.selected(row);
        if (shown_[static_cast<std::size_t>(row)] == ticked) continue;
        shown_[static_cast<std::size_t>(row)] = ticked;
        setTick(hwnd_, row, ticked);
    }
}

void CheckListPeer::changed(Property p) {
    pushing_ = true;
    if (p == Property::Items) {
        // The model only grows row by row or empties, so most changes are appends.
        if (list_.listCount() < static_cast<int>(shown_.size()) || list_.listCount() == 0) {
            SendMessageW(hwnd_, LVM_DELETEALLITEMS, 0, 0);
            shown_.clear();
        }
        appendRows(static_cast<int>(shown_.size()));
        showTicks();
    } else if (p == Property::Selection) {
        showTicks();
    } else {
        WindowPeer::changed(p);
    }
    pushing_ = false;
}

LRESULT CheckListPeer::notify(NMHDR* header) {
    if (header->code != LVN_ITEMCHANGED || pushing_) return 0;
    const auto* change = reinterpret_cast<NMLISTVIEW*>(header);
    if (!(change->uChanged & LVIF_STATE) || change->iItem < 0 ||
        !((change->uNewState ^ change->uOldState) & LVIS_STATEIMAGEMASK))
        return 0;
    const bool ticked = (change->uNewState & LVIS_STATEIMAGEMASK) == kTicked;
    const auto row = static_cast<std::size_t>(change->iItem);
    if (row < shown_.size()) shown_[row] = ticked;
    list_.setSelected(change->iItem, ticked);
    return 0;
}

void CheckListPeer::refresh() {
    WindowPeer::refresh();
    changed(Property::Items);
}

} // namespace calvorin::toolkit::win32
