#pragma once
#include "toolkit/controls.h"
#include "toolkit/win32/dialog_host.h"

#include <vector>

namespace calvorin::toolkit::win32 {

// A list whose rows the user ticks: a list view with a check box on every row, one column as
// wide as the list. A row's tick is the model's selected state of that row. The list view
// scrolls, takes the keyboard (space ticks) and tells screen readers each row's text and tick.
class CheckListPeer : public WindowPeer {
  public:
    CheckListPeer(HWND h, ListBox& l);
    void changed(Property p) override;
    LRESULT notify(NMHDR* header) override;
    void refresh() override;

  private:
    void appendRows(int from);
    void showTicks();

    ListBox& list_;
    std::vector<bool> shown_; // the ticks the view shows, one per row it holds
    bool pushing_ = false;    // our own changes must not come back as the user's
};

} // namespace calvorin::toolkit::win32
