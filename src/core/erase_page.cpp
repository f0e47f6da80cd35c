// The erase page around the ticks: clicks, hovers, select all / deselect all, tab switches.
#include "core/main_form.h"

namespace calvorin::core {

void frmMain::wireErasePage() {
    for (int g = 0; g < kGroupCount; ++g) {
        const auto tg = static_cast<TraceGroup>(g);
        group(tg).setOnClick([this, tg](int i) { itemClicked(tg, i); });
        group(tg).setOnMouseMove([this, tg](int i) { itemHovered(tg, i); });
    }
    fraErase.onMouseMove = [this] { lstCookies.setVisible(false); };
    fraIEoption.onMouseMove = [this] { lstCookies.setVisible(false); };
    cmdSellAll.onClick = [this] { selectAll(true); };
    cmdDesellAll.onClick = [this] { selectAll(false); };
    cmdSellAll.onMouseMove = [this] {
        if (lstCookies.visible()) cmdSellAll.setToolTipText("Select All Cookies");
    };
    cmdDesellAll.onMouseMove = [this] {
        if (lstCookies.visible()) cmdDesellAll.setToolTipText("Deselect All Cookies");
    };
    tabItems.onClick = [this] { tabSwitched(); };
    cmdClean.onClick = [this] { startCleaning(); };
}

void frmMain::itemClicked(TraceGroup g, int index) {
    auto& box = group(g)[index];
    if (g == TraceGroup::InternetExplorer && index == 8) {
        saveKeepList();
        if (cookieKeeper.cmdGetCache) cookieKeeper.cmdGetCache();
    }
    if (g == TraceGroup::Opera) box.setToolTipText("Check To Erase " + box.caption());
    if (box.value() == toolkit::Checked) {
        if (g == TraceGroup::Windows)
            Label1.setCaption(" \" " + box.caption() + " \" ");
        else
            Label1.setCaption("\"" + box.caption() + "\"");
    } else {
        Label1.setCaption(lastEraseText("Last Erase :-   "));
    }
}

void frmMain::itemHovered(TraceGroup g, int index) {
    auto& box = group(g)[index];
    switch (g) {
    case TraceGroup::Windows:
    case TraceGroup::Netscape: box.setToolTipText("Check To Erase " + box.caption()); break;
    case TraceGroup::InternetExplorer:
        box.setToolTipText("Check to Erase " + box.caption());
        if (index == 8) lstCookies.setVisible(false);
        break;
    case TraceGroup::Opera: break; // its tooltip is set on click
    }
}

void frmMain::selectAll(bool select) {
    if (lstCookies.visible()) {
        auto& button = select ? cmdSellAll : cmdDesellAll;
        button.setToolTipText(select ? "Select All Cookies" : "Deselect All Cookies");
        for (int row = 0; row < lstCookies.listCount(); ++row) lstCookies.setSelected(row, select);
        return;
    }
    setTabSelection(select ? 1 : 0);
    Label1.setCaption(select ? "All items have been selected" : "All items have been deselected");
}

void frmMain::setTabSelection(int value) {
    const int tab = tabItems.selectedIndex();
    if (tab < 0 || tab >= kGroupCount) return;
    auto& boxes = group(static_cast<TraceGroup>(tab));
    for (int i = 0; i < boxes.count(); ++i) boxes[i].setValue(value);
}

void frmMain::tabSwitched() {
    const int tab = tabItems.selectedIndex();
    for (int g = 0; g < kGroupCount; ++g) groupFrame(static_cast<TraceGroup>(g)).setVisible(g == tab);
    if (tab >= 0 && tab < kGroupCount)
        Label1.setCaption(std::string(groupCaption(static_cast<TraceGroup>(tab))));
}

void frmMain::saveKeepList() {
    if (cookieKeeper.saveKeptCookies && cookieKeeper.listFilled && cookieKeeper.listFilled())
        cookieKeeper.saveKeptCookies();
}

} // namespace calvorin::core
