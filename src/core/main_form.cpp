#include "core/main_form.h"

namespace calvorin::core {

frmMain::frmMain(platform::Platform& platform)
    : timSchedule(platform.events), Timer1(platform.events), timeHide(platform.events),
      platform_(platform) {
    setCaption(kWindowTitle);
    static constexpr const char* pages[] = {"Erase Settings", "Settings", "Startup", "Shredder",
                                            "Help"};
    for (int i = 0; i < optOption.count(); ++i) optOption[i].setCaption(pages[i]);
    fraErase.setCaption("Erase Settings");
    fraSchedule.setCaption("Settings");
    fraStartup.setCaption("Startup");
    fraShread.setCaption("Shredder");
    fraHelp.setCaption("Help");

    for (const TraceItem& item : traceItems())
        group(item.group)[item.index].setCaption(std::string(item.caption));
    for (int g = 0; g < kGroupCount; ++g) {
        const auto tg = static_cast<TraceGroup>(g);
        tabItems.tabs.emplace_back(groupCaption(tg));
        groupFrame(tg).setCaption(std::string(groupCaption(tg)));
        groupFrame(tg).setVisible(g == 0);
    }
    cmdSellAll.setCaption("Select All");
    cmdDesellAll.setCaption("Deselect All");
    cmdClean.setCaption("Start Cleaning");
    Label1.setCaption("Calvorin 1.0");
    lstCookies.setVisible(false);
    // The bar's outline spans the page; the bar grows inside it.
    SpProgBound.move(240, 0, 6000, 255);
    spProg.move(240, 0, 0, 255);
    designPages();
    wireErasePage();
    wireLife();
}

toolkit::ControlArray<toolkit::CheckBox>& frmMain::group(TraceGroup g) {
    switch (g) {
    case TraceGroup::Windows: return chkWinSettings;
    case TraceGroup::InternetExplorer: return chkIEsettings;
    case TraceGroup::Netscape: return chkNSsettings;
    case TraceGroup::Opera: break;
    }
    return chkOPsettings;
}

toolkit::Frame& frmMain::groupFrame(TraceGroup g) {
    switch (g) {
    case TraceGroup::Windows: return fraWinOption;
    case TraceGroup::InternetExplorer: return fraIEoption;
    case TraceGroup::Netscape: return fraNSoption;
    case TraceGroup::Opera: break;
    }
    return fraOPoption;
}

} // namespace calvorin::core
