// The design-time state of the pages other than the erase page: captions, lists, ranges.
#include "core/main_form.h"

namespace calvorin::core {

namespace {
constexpr const char* kHelpParagraphs[] = {
    "Calvorin erases the traces that browsing and everyday work leave on this computer: the "
    "typed addresses, cache, history, cookies and form data of Internet Explorer, Netscape, "
    "Mozilla and Opera, and the lists of recent documents, run commands and searches that "
    "Windows keeps.",
    "Browsers change and new traces appear with them. Check for upgrades regularly with the "
    "\"Check For Upgrade\" button on the Settings page, so that Calvorin keeps up.",
    "The online help pages explain every option in detail. We are glad to hear from you: "
    "send us your questions, ideas and feedback through our web site.",
};
} // namespace

void frmMain::designPages() {
    fraNextrun.setCaption("Next Run");

    cmdCleanReb.setCaption("Clean && Reboot");
    Command2.setCaption("Click here to view Cookies. Check / tick off cookies you want to save.");

    // "Settings": the schedule, upgrades and the last erase.
    fraScheduleBox.setCaption("Schedule");
    optShEn[0].setCaption("Enabled");
    optShEn[1].setCaption("Disabled");
    cmdSEnable.setCaption("Enable");
    cmdSDisable.setCaption("Disable");
    Label10.setCaption("Disabled");
    fraSetSchedule.setCaption("Set Schedule");
    optSchedule[0].setCaption("Erase Daily at ");
    optSchedule[1].setCaption("Erase every");
    optSchedule[2].setCaption("Erase Weekly");
    for (auto& picker : dtpTime) {
        picker.setCustomFormat("hh:mm tt");
        picker.setHour(12);
    }
    UpDown1.setRange(1, 1440); // a minute to a day
    UpDown1.setValue(10);
    UpDown1.buddy = &txtMin;
    txtMin.setText("10");
    lblMinutes.setCaption("Minutes");
    for (const char* day : {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"})
        cmbWeek.addItem(day);
    cmbWeek.setListIndex(0);
    fraUpgrade.setCaption("Check For Upgrade");
    Command1.setCaption("Check For Upgrade");
    Image7.setPicture("upgrade");
    fraLastErase.setCaption("Last Erase");

    // "Startup": boss key, start-up options, system information.
    fraBossKey.setCaption("Boss Key");
    lblBossKey.setCaption("Boss Key:-");
    for (int f = 2; f <= 12; ++f)
        cmbBoss.addItem("F" + std::to_string(f));
    cmbBoss.setText("F2");
    cmdSet.setCaption("Set");
    fraRunSettings.setCaption("RunSettings");
    chkRun[0].setCaption("Run During Windows Start Up");
    chkRun[1].setCaption("Erase During Application ShutDown");
    chkRun[2].setCaption("Erase During Application Start Up");
    frasysInfo.setCaption("System Information");
    Label23.setCaption("Total Memory:");
    Label24.setCaption("Available Memory:");
    Label20.setCaption("Number of Processors:");
    Label19.setCaption("Processor Type:");
    Label27.setCaption("OS Name:");
    Label28.setCaption("OS Version:");

    // "Shredder".
    cmdShread.setCaption("Shred Files Now");
    Frame4.setCaption("Status");
    pb1.setRange(0, 100);
    pb1.setVisible(false);
    lStat.setCaption("Status");
    lFC.setCaption("FileCount");
    Frame11.setCaption("Controls");
    // The level times 100 repeats each pattern: beyond 327 the count leaves 16 bits.
    UpDown2.setRange(1, 327);
    UpDown2.setValue(50);
    UpDown2.buddy = &txtLevel;
    txtLevel.setText("50");
    lblLevel.setCaption("Security level");
    fraCustomItems.setCaption("File List");
    cmdCustomAdd.setCaption("Add");
    cmdCustomDeleteAll.setCaption("Clear All");

    // "Help".
    Label15.setCaption("Calvorin");
    for (int i = 0; i < lblHelpText.count(); ++i)
        lblHelpText[i].setCaption(kHelpParagraphs[i]);
    Label16.setCaption("Click here for Help Files");

    timSchedule.setInterval(60000);
    Timer1.setInterval(100);
    timeHide.setInterval(50);
}

} // namespace calvorin::core
