#include "app/main_window.h"

#include "resource.h"
#include "toolkit/win32/peers.h"

namespace calvorin::app {

using namespace toolkit::win32;

MainWindow::MainWindow(HINSTANCE instance, core::frmMain& form) : form_(form), host_(instance) {
    HWND main = host_.createMain(IDD_MAIN);
    host_.bindWindow<FormPeer>(main, static_cast<toolkit::Form&>(form));
    SendMessageW(main, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(LoadIconW(instance, MAKEINTRESOURCEW(IDI_CALVORIN))));
    SendMessageW(main, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_CALVORIN),
                                                     IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                     GetSystemMetrics(SM_CYSMICON), 0)));
    for (int i = 0; i < form.optOption.count(); ++i)
        host_.bind<OptionPeer>(main, IDC_OPT_OPTION_0 + i, form.optOption[i]);

    // The five pages, stacked where the placeholder stands.
    const RECT area = host_.itemRect(main, IDC_PAGE_AREA);
    auto stack = std::make_shared<std::vector<HWND>>();
    const std::pair<int, toolkit::Frame*> pages[] = {{IDD_PAGE_ERASE, &form.fraErase},
                                                     {IDD_PAGE_SETTINGS, &form.fraSchedule},
                                                     {IDD_PAGE_STARTUP, &form.fraStartup},
                                                     {IDD_PAGE_SHREDDER, &form.fraShread},
                                                     {IDD_PAGE_HELP, &form.fraHelp}};
    HWND pageWindow[5] = {};
    for (int i = 0; i < 5; ++i) {
        pageWindow[i] = host_.createChild(main, pages[i].first, area);
        host_.bindWindow<PagePeer>(pageWindow[i], *pages[i].second, stack);
    }

    // Erase page.
    HWND erase = pageWindow[0];
    auto& tabs = host_.bind<TabPeer>(erase, IDC_TAB_ITEMS, form.tabItems);
    const RECT groupArea = tabs.displayArea();
    const std::pair<int, int> groups[] = {{IDD_GROUP_WINDOWS, IDC_CHK_WIN_0},
                                          {IDD_GROUP_IE, IDC_CHK_IE_0},
                                          {IDD_GROUP_NETSCAPE, IDC_CHK_NS_0},
                                          {IDD_GROUP_OPERA, IDC_CHK_OP_0}};
    for (int g = 0; g < core::kGroupCount; ++g) {
        const auto group = static_cast<core::TraceGroup>(g);
        HWND dialog = host_.createChild(erase, groups[g].first, groupArea, true);
        host_.bindWindow<WindowPeer>(dialog, form.groupFrame(group));
        auto& boxes = form.group(group);
        for (int i = 0; i < boxes.count(); ++i)
            host_.bind<CheckBoxPeer>(dialog, groups[g].second + i, boxes[i]);
    }
    // The cookie list lies over the groups when shown.
    SetWindowPos(GetDlgItem(erase, IDC_LST_COOKIES), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    host_.bind<ListPeer>(erase, IDC_LST_COOKIES, form.lstCookies);
    host_.bind<ButtonPeer>(erase, IDC_SELL_ALL, form.cmdSellAll);
    host_.bind<ButtonPeer>(erase, IDC_DESELL_ALL, form.cmdDesellAll);
    host_.bind<ButtonPeer>(erase, IDC_CLEAN, form.cmdClean);
    host_.bind<WindowPeer>(erase, IDC_PROG_BOUND, form.SpProgBound);
    host_.bind<ShapePeer>(erase, IDC_PROG, form.spProg, form.SpProgBound,
                          GetDlgItem(erase, IDC_PROG_BOUND));
    host_.bind<LabelPeer>(erase, IDC_LABEL1, form.Label1);
    host_.bind<LabelPeer>(erase, IDC_LAST_CLEAN_CAP, form.LastCleanCap);

    // Settings page.
    host_.bind<MonthViewPeer>(pageWindow[1], IDC_MONTH_VIEW, form.MonthView1);
}

} // namespace calvorin::app
