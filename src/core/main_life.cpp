// The main window's life: the load sequence, the page selector, the help link and the
// shutdown sequence.
#include "core/clock_text.h"
#include "core/main_form.h"
#include "core/numbers.h"
#include "product.h"

namespace calvorin::core {

namespace {
std::string helpAddress() {
    std::string site = product::kVendorSite;
    while (!site.empty() && site.back() == '/')
        site.pop_back();
    return site + "/help/";
}
} // namespace

void frmMain::wireLife() {
    onLoad = [this] { Form_Load(); };
    onUnload = [this] { Form_Unload(); };
    optOption.setOnClick([this](int index) { pageSelected(index); });
    Label16.onClick = [this] {
        if (slots.openWebPage) slots.openWebPage(helpAddress());
    };
}

bool frmMain::Form_Load() {
    // A second copy ends before it reads, writes or shows anything: the running copy owns
    // the saved selections and the keep-list.
    if (platform_.process.previousInstance()) {
        ending_ = true;
        return false;
    }
    if (slots.Check_For_Update && slots.Check_For_Update()) {
        ending_ = true;
        return false;
    }

    bringToFront(fraErase);
    optOption[0].setValue(true);

    platform_.settings.save(kProgramTitle, "Info", "ExeTitile", caption());
    if (slots.ensureUpdateRecords) slots.ensureUpdateRecords();

    const std::string tab = platform_.settings.get(kProgramTitle, "TabItem", "Tab", "0");
    tabItems.setSelectedIndex(roundToInt16(leadingNumber(trimBlanks(tab))).value_or(0));

    getLastSettings();
    spProg.setWidth(0);
    // Before the window shows: a message about an empty selection comes first.
    if (chkRun[2].value() == toolkit::Checked) doClean();

    initScheduleDisplay();
    lbldate.setCaption(platform_.events.timeText(platform_.events.now()));
    scheduleMinutes = 0;
    LastDateClean();
    LastCleanCap.setCaption(lastEraseText("Last Erase :   "));

    trayIcon_ = platform::TrayIconData{};
    trayIcon_.tip = caption().substr(0, platform::TrayIconData::kMaxTip);
    platform_.tray.add(trayIcon_);
    // The schedule and the clock run from here until the window closes.
    timSchedule.setEnabled(true);
    Timer1.setEnabled(true);
    return true;
}

void frmMain::initScheduleDisplay() {
    indicatorStep = 0;
    indicatorPrevious = 5;
    if (scheduleEnabled != 0) {
        Label10.setCaption("Enabled");
        fraSetSchedule.setEnabled(true);
        scheduleEnabled = 1;
        indicatorRunning = true;
        optShEn[0].setValue(true);
    } else {
        fraSetSchedule.setEnabled(false);
        Label10.setCaption("Disabled");
        scheduleEnabled = 0;
        indicatorRunning = false;
        optShEn[1].setValue(true);
    }
}

void frmMain::pageSelected(int index) {
    switch (index) {
    case 0:
        bringToFront(fraErase);
        break;
    case 1:
        // The next run is computed before the page shows it.
        if (slots.scheduleSet) slots.scheduleSet();
        bringToFront(fraSchedule);
        break;
    case 2:
        bringToFront(fraStartup);
        if (slots.GetSystemInformation) slots.GetSystemInformation();
        break;
    case 3:
        bringToFront(fraShread);
        break;
    default:
        bringToFront(fraHelp);
        break;
    }
}

void frmMain::bringToFront(toolkit::Frame& page) {
    page.zOrder();
    frontPage_ = &page;
}

void frmMain::Form_Unload() {
    // A window on its way out starts no scheduled run and keeps no clock.
    timSchedule.setEnabled(false);
    Timer1.setEnabled(false);
    saveKeepList();
    // Saved before the erase, so that the ticks survive it.
    saveLastSelection();
    if (chkRun[1].value() == toolkit::Checked) doClean();
    platform_.tray.remove(trayIcon_);
}

} // namespace calvorin::core
