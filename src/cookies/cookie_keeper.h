#pragma once
#include "core/main_form.h"
#include "platform/platform.h"
#include "toolkit/controls.h"

#include <string>

namespace calvorin::cookies {

// The cookie keep-list: lists the browser's cookies in the main window's cookie list, keeps
// the ticked ones in "cookies.inf" beside the program, and deletes the unticked ones from the
// URL cache when the "Cookies" item is erased.
class CookieKeeper {
  public:
    // `programFolder` is the folder holding the running program, without trailing "\".
    CookieKeeper(platform::Platform& platform, toolkit::ListBox& list, std::string programFolder);
    CookieKeeper(const CookieKeeper&) = delete;
    CookieKeeper& operator=(const CookieKeeper&) = delete;

    // Empties the list, fills it with every cookie in the URL cache, ticks the rows the
    // keep-list names and shows "No Cookies" when there is none.
    void cmdGetCache();
    // Writes the ticked rows to the keep-list, replacing it whole; an old keep-list stays
    // untouched unless the new one was written completely.
    void saveKeptCookies();
    // Deletes from the URL cache every cookie of the list that is not ticked. Asked while the
    // list is still filling (an erase run started from inside the fill), it completes the list
    // first, so that the kept cookies carry their ticks; a list never filled deletes nothing.
    void deleteUnkeptCookies();
    // True once a fill has completed in this run: only then does the list speak for the user.
    bool listFilled() const { return filled_; }
    std::string keepListPath() const;

    // Gives the main window the keeper's procedures, the "Command2" button's behaviour and
    // the erase of the "Cookies" item. The keeper must outlive the form's use of them.
    void plug(core::frmMain& form);

  private:
    void tickKeptRows();

    platform::Platform& p_;
    toolkit::ListBox& list_;
    std::string programFolder_;
    bool filled_ = false;
    // The fill lets the window work, and what the window does may fill the list anew (the
    // button, an erase run): the newest fill wins and an older one, resumed, stops where it is.
    bool filling_ = false;
    unsigned generation_ = 0;
};

} // namespace calvorin::cookies
