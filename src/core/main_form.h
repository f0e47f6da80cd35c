#pragma once
#include "core/catalogue.h"
#include "core/program.h"
#include "platform/platform.h"
#include "toolkit/control_array.h"
#include "toolkit/controls.h"
#include "toolkit/display_controls.h"
#include "toolkit/edit_controls.h"
#include "toolkit/form.h"
#include "toolkit/timer.h"

#include <cstdint>
#include <functional>
#include <string>

namespace calvorin::core {

// The cookie keeper's part in the main window; empty until the cookie keeper is plugged in.
struct CookieKeeperSlots {
    std::function<void()> saveKeptCookies; // write the keep-list from the cookie list
    std::function<void()> cmdGetCache;     // reload the cookie list
    // True once the cookie list holds what the URL cache and the keep-list gave it in this
    // run. Until then the list says nothing about the user's choices, and saving it at
    // shutdown would empty the keep-list; unknown counts as not filled.
    std::function<bool()> listFilled;
};

// What the main window's life calls in modules built above it; each is empty until its
// module is plugged in, and an empty one does nothing.
struct MainWindowSlots {
    // Advances a pending upgrade swap; true when it ended the program.
    std::function<bool()> Check_For_Update;
    // Ensures the update hand-off's records under HKEY_LOCAL_MACHINE (registry access).
    std::function<void()> ensureUpdateRecords;
    // Computes and shows the next scheduled run.
    std::function<void()> scheduleSet;
    // Refreshes the system information labels.
    std::function<void()> GetSystemInformation;
    // The boss key's "Set": takes the key from cmbBoss and stores it.
    std::function<void()> bossKeySet;
    // Opens a web address in the user's browser; the result is not awaited.
    std::function<void(const std::string& address)> openWebPage;
};

// The main window as the logic sees it: its controls, the program-wide state it owns, the
// behaviour of its erase page and its life from load to unload.
class frmMain : public toolkit::Form {
  public:
    explicit frmMain(platform::Platform& platform);

    // --- page selector and pages ---
    toolkit::ControlArray<toolkit::OptionButton> optOption{5};
    toolkit::Frame fraErase, fraSchedule, fraStartup, fraShread, fraHelp;

    // --- top of the window: clock and the schedule's running indicator ---
    toolkit::Frame fraNextrun;
    toolkit::Label lbldate;
    toolkit::ControlArray<toolkit::Line> Sline{6};

    // --- erase page ---
    toolkit::TabStrip tabItems;
    // One frame per group, shown while its tab is current; fraIEoption holds Internet Explorer.
    toolkit::Frame fraWinOption, fraIEoption, fraNSoption, fraOPoption;
    toolkit::ControlArray<toolkit::CheckBox> chkWinSettings{10};
    toolkit::ControlArray<toolkit::CheckBox> chkIEsettings{9};
    toolkit::ControlArray<toolkit::CheckBox> chkNSsettings{6};
    toolkit::ControlArray<toolkit::CheckBox> chkOPsettings{3};
    toolkit::CommandButton cmdSellAll, cmdDesellAll, cmdClean, cmdCleanReb;
    toolkit::Shape SpProgBound, spProg;
    toolkit::Label Label1, LastCleanCap;
    toolkit::ListBox lstCookies;
    toolkit::CommandButton Command2; // shows the cookie list

    // --- "Settings" page: schedule, upgrade, last erase ---
    toolkit::Frame fraScheduleBox; // "Schedule"
    toolkit::ControlArray<toolkit::OptionButton> optShEn{2};
    toolkit::CommandButton cmdSEnable, cmdSDisable;
    toolkit::Label Label10; // "Enabled" / "Disabled"
    toolkit::Frame fraSetSchedule;
    toolkit::ControlArray<toolkit::OptionButton> optSchedule{3};
    // 0: time of the weekly run, 1: time of the daily run.
    toolkit::ControlArray<toolkit::DTPicker> dtpTime{2};
    toolkit::TextBox txtMin;
    toolkit::UpDown UpDown1; // steps txtMin
    toolkit::Label lblMinutes;
    toolkit::ComboBox cmbWeek{toolkit::ComboBox::Style::DropdownList};
    toolkit::Label Label9; // next-run text
    toolkit::Frame fraUpgrade;
    toolkit::CommandButton Command1; // "Check For Upgrade"
    toolkit::Picture Image7;
    toolkit::Frame fraLastErase;
    toolkit::MonthView MonthView1;

    // --- "Startup" page: boss key, start-up options, system information ---
    toolkit::Frame fraBossKey;
    toolkit::Label lblBossKey;
    toolkit::ComboBox cmbBoss{toolkit::ComboBox::Style::Dropdown};
    toolkit::CommandButton cmdSet;
    toolkit::Label Label6; // how to restore
    toolkit::Frame fraRunSettings;
    toolkit::ControlArray<toolkit::CheckBox> chkRun{3};
    toolkit::Frame frasysInfo;
    // Captions and, beside each, its value.
    toolkit::Label Label23, Label24, Label20, Label19, Label27, Label28;
    toolkit::Label Label25, Label26, Label22, Label21, Label29, Label30;

    // --- "Shredder" page ---
    toolkit::CommandButton cmdShread;
    toolkit::Frame Frame4; // "Status"
    toolkit::ProgressBar pb1;
    toolkit::Label lStat, lFC;
    toolkit::Frame Frame11; // "Controls"
    toolkit::TextBox txtLevel;
    toolkit::UpDown UpDown2; // steps txtLevel
    toolkit::Label lblLevel;
    toolkit::Frame fraCustomItems; // "File List"
    toolkit::ListBox lstFiles;
    toolkit::CommandButton cmdCustomAdd, cmdCustomDeleteAll;

    // --- "Help" page ---
    toolkit::Label Label15;
    toolkit::ControlArray<toolkit::Label> lblHelpText{3};
    toolkit::Label Label16; // the help link

    // --- timers; the modules that give them work start them ---
    toolkit::Timer timSchedule; // 60000 ms, schedule
    toolkit::Timer Timer1;      // 100 ms, clock and running indicator
    toolkit::Timer timeHide;    // 50 ms, boss key

    // --- program-wide state ---
    // English name of the last-erase month, set by LastDateClean.
    std::string LastCleanMonth;
    std::int16_t scheduleEnabled = 0; // 1 enabled, 0 disabled; remembered as "schdlEnable"
    std::int32_t scheduleMinutes = 0; // one-minute ticks since start-up or the last run
    bool indicatorRunning = false;
    int indicatorStep = 0;              // next line of Sline to light
    std::int16_t indicatorPrevious = 5; // line lit last

    // What erasing each trace item does, the cookie keeper's calls and the other modules'
    // calls; app/ plugs them in.
    EraseOperations eraseOperations;
    CookieKeeperSlots cookieKeeper;
    MainWindowSlots slots;

    toolkit::ControlArray<toolkit::CheckBox>& group(TraceGroup g);
    toolkit::Frame& groupFrame(TraceGroup g);

    // --- life of the window ---
    // The load sequence, before the window shows. False when this copy of the program ends
    // here (another copy runs, or the upgrade swap ended it): the window must not show.
    bool Form_Load();
    // The shutdown sequence as the window unloads; ending the process is left to the caller.
    void Form_Unload();
    bool ending() const { return ending_; }
    // The page frame brought to the front last.
    const toolkit::Frame* frontPage() const { return frontPage_; }

    // --- saved selections ---
    // Restores the remembered ticks and options; restoring a control runs its click.
    void getLastSettings();
    // Remembers the ticks and options.
    void saveLastSelection();

    // --- erase run ---
    // Erases every ticked item, in catalogue order, with progress and status; a request made
    // while a run is already going (from inside its pauses) is dropped.
    void doClean();
    bool cleaning() const { return cleaning_; }
    // Called as a run ends (its "Done." shown), or as a start with nothing ticked ends.
    std::function<void()> runEnded;
    // For the end of the session only: the run under way waits in a pause that will never
    // return, so a new run may start over it.
    void abandonRun() { cleaning_ = false; }
    // Loads the last-erase stamp into MonthView1 and LastCleanMonth.
    void LastDateClean();
    // prefix + day + "-" + month name + "-" + year of the last erase.
    std::string lastEraseText(const std::string& prefix) const;
    // Ticks (1) or unticks (0) every item of the current tab.
    void setTabSelection(int value);

    // --- cookie keep-list ---
    // Every save of the keep-list goes through here: it saves only once the cookie list has
    // been filled in this run, since before that the list holds none of the user's choices
    // and saving it would empty the keep-list.
    void saveKeepList();

  private:
    void designPages();
    void wireErasePage();
    void wireLife();
    void itemClicked(TraceGroup g, int index);
    void itemHovered(TraceGroup g, int index);
    void selectAll(bool select);
    void tabSwitched();
    void startCleaning();
    void runSelected();
    void pageSelected(int index);
    void bringToFront(toolkit::Frame& page);
    void initScheduleDisplay();

    platform::Platform& platform_;
    bool cleaning_ = false;
    bool ending_ = false;
    const toolkit::Frame* frontPage_ = nullptr;
    // The tray icon as added, so that the same one is removed.
    platform::TrayIconData trayIcon_;
};

} // namespace calvorin::core
