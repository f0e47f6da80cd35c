#pragma once
#include "core/catalogue.h"
#include "platform/platform.h"
#include "toolkit/control_array.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"

#include <cstdint>
#include <functional>
#include <string>

namespace calvorin::core {

inline constexpr const char* kProgramTitle = "Calvorin";
inline constexpr const char* kWindowTitle = "Calvorin 1.0";

// The cookie keeper's part in the erase page; empty until the cookie keeper is plugged in.
struct CookieKeeperSlots {
    std::function<void()> saveKeptCookies; // write the keep-list from the cookie list
    std::function<void()> cmdGetCache;     // reload the cookie list
};

// The main window as the logic sees it: its controls and the behaviour of its erase page.
class frmMain : public toolkit::Form {
  public:
    explicit frmMain(platform::Platform& platform);

    // --- page selector and pages ---
    toolkit::ControlArray<toolkit::OptionButton> optOption{5};
    toolkit::Frame fraErase, fraSchedule, fraStartup, fraShread, fraHelp;

    // --- erase page ---
    toolkit::TabStrip tabItems;
    // One frame per group, shown while its tab is current; fraIEoption holds Internet Explorer.
    toolkit::Frame fraWinOption, fraIEoption, fraNSoption, fraOPoption;
    toolkit::ControlArray<toolkit::CheckBox> chkWinSettings{10};
    toolkit::ControlArray<toolkit::CheckBox> chkIEsettings{9};
    toolkit::ControlArray<toolkit::CheckBox> chkNSsettings{6};
    toolkit::ControlArray<toolkit::CheckBox> chkOPsettings{3};
    toolkit::CommandButton cmdSellAll, cmdDesellAll, cmdClean;
    toolkit::Shape SpProgBound, spProg;
    toolkit::Label Label1, LastCleanCap;
    toolkit::ListBox lstCookies;
    toolkit::MonthView MonthView1;

    // English name of the last-erase month, set by LastDateClean.
    std::string LastCleanMonth;

    // What erasing each trace item does, and the cookie keeper's calls; app/ plugs them in.
    EraseOperations eraseOperations;
    CookieKeeperSlots cookieKeeper;

    toolkit::ControlArray<toolkit::CheckBox>& group(TraceGroup g);
    toolkit::Frame& groupFrame(TraceGroup g);

    // Erases every ticked item, in catalogue order, with progress and status; a request made
    // while a run is already going (from inside its pauses) is dropped.
    void doClean();
    bool cleaning() const { return cleaning_; }
    // Loads the last-erase stamp into MonthView1 and LastCleanMonth.
    void LastDateClean();
    // prefix + day + "-" + month name + "-" + year of the last erase.
    std::string lastEraseText(const std::string& prefix) const;
    // Ticks (1) or unticks (0) every item of the current tab.
    void setTabSelection(int value);

  private:
    void wireErasePage();
    void itemClicked(TraceGroup g, int index);
    void itemHovered(TraceGroup g, int index);
    void selectAll(bool select);
    void tabSwitched();
    void startCleaning();

    platform::Platform& platform_;
    bool cleaning_ = false;
};

} // namespace calvorin::core
