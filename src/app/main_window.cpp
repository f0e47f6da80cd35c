#include "app/main_window.h"

#include "resource.h"
#include "toolkit/win32/check_list_peer.h"
#include "toolkit/win32/peers.h"

namespace calvorin::app {

using namespace toolkit::win32;

namespace {
template <class P, class Array> void bindArray(DialogHost& host, HWND dialog, int firstId, Array& array) {
    for (int i = 0; i < array.count(); ++i) host.bind<P>(dialog, firstId + i, array[i]);
}
} // namespace

MainWindow::MainWindow(HINSTANCE instance, core::frmMain& form) : form_(form), host_(instance) {
    HWND main = host_.createMain(IDD_MAIN);
    icon_ = LoadIconW(instance, MAKEINTRESOURCEW(IDI_CALVORIN));
    SendMessageW(main, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageW(main, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_CALVORIN),
                                                     IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                     GetSystemMetrics(SM_CYSMICON), 0)));
    host_.bindWindow<FormPeer>(main, static_cast<toolkit::Form&>(form));
    bindArray<OptionPeer>(host_, main, IDC_OPT_OPTION_0, form.optOption);
    host_.bind<WindowPeer>(main, IDC_FRA_NEXTRUN, form.fraNextrun);
    host_.bind<LabelPeer>(main, IDC_LBLDATE, form.lbldate);
    for (int i = 0; i < form.Sline.count(); ++i)
        host_.bind<WindowPeer>(main, IDC_SLINE_0 + i, form.Sline[i]);

    // The five pages, stacked where the placeholder stands.
    const RECT area = host_.itemRect(main, IDC_PAGE_AREA);
    auto stack = std::make_shared<std::vector<HWND>>();
    const std::pair<int, toolkit::Frame*> pages[] = {{IDD_PAGE_ERASE, &form.fraErase},
                                                     {IDD_PAGE_SETTINGS, &form.fraSchedule},
                                                     {IDD_PAGE_STARTUP, &form.fraStartup},
                                                     {IDD_PAGE_SHREDDER, &form.fraShread},
                                                     {IDD_PAGE_HELP, &form.fraHelp}};
    HWND page[5] = {};
    for (int i = 0; i < 5; ++i) {
        page[i] = host_.createChild(main, pages[i].first, area);
        host_.bindWindow<PagePeer>(page[i], *pages[i].second, stack);
    }
    bindErasePage(page[0]);
    bindSettingsPage(page[1]);
    bindStartupPage(page[2]);
    bindShredderPage(page[3]);
    bindHelpPage(page[4]);
}

void MainWindow::bindErasePage(HWND erase) {
    auto& form = form_;
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
        bindArray<CheckBoxPeer>(host_, dialog, groups[g].second, form.group(group));
    }
    // The cookie list lies over the groups when shown.
    SetWindowPos(GetDlgItem(erase, IDC_LST_COOKIES), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    host_.bind<CheckListPeer>(erase, IDC_LST_COOKIES, form.lstCookies);
    host_.bind<ButtonPeer>(erase, IDC_SELL_ALL, form.cmdSellAll);
    host_.bind<ButtonPeer>(erase, IDC_DESELL_ALL, form.cmdDesellAll);
    host_.bind<ButtonPeer>(erase, IDC_CLEAN_REB, form.cmdCleanReb);
    host_.bind<ButtonPeer>(erase, IDC_CLEAN, form.cmdClean);
    host_.bind<ButtonPeer>(erase, IDC_COMMAND2, form.Command2);
    host_.bind<WindowPeer>(erase, IDC_PROG_BOUND, form.SpProgBound);
    host_.bind<ShapePeer>(erase, IDC_PROG, form.spProg, form.SpProgBound,
                          GetDlgItem(erase, IDC_PROG_BOUND));
    host_.bind<LabelPeer>(erase, IDC_LABEL1, form.Label1);
    host_.bind<LabelPeer>(erase, IDC_LAST_CLEAN_CAP, form.LastCleanCap);
}

void MainWindow::bindSettingsPage(HWND settings) {
    auto& form = form_;
    host_.bind<WindowPeer>(settings, IDC_FRA_SCHEDULE_BOX, form.fraScheduleBox);
    bindArray<OptionPeer>(host_, settings, IDC_OPT_SHEN_0, form.optShEn);
    host_.bind<ButtonPeer>(settings, IDC_SENABLE, form.cmdSEnable);
    host_.bind<ButtonPeer>(settings, IDC_SDISABLE, form.cmdSDisable);
    host_.bind<LabelPeer>(settings, IDC_LABEL10, form.Label10);

    HWND schedule = host_.createChild(settings, IDD_SET_SCHEDULE,
                                      host_.itemRect(settings, IDC_SET_SCHEDULE_AREA));
    host_.bindWindow<ContainerPeer>(schedule, form.fraSetSchedule);
    bindArray<OptionPeer>(host_, schedule, IDC_OPT_SCHEDULE_0, form.optSchedule);
    bindArray<DTPickerPeer>(host_, schedule, IDC_DTP_TIME_0, form.dtpTime);
    host_.bind<TextBoxPeer>(schedule, IDC_TXT_MIN, form.txtMin);
    host_.bind<UpDownPeer>(schedule, IDC_UPDOWN1, form.UpDown1);
    host_.bind<LabelPeer>(schedule, IDC_LBL_MINUTES, form.lblMinutes);
    host_.bind<ComboBoxPeer>(schedule, IDC_CMB_WEEK, form.cmbWeek);
    host_.bind<LabelPeer>(schedule, IDC_LABEL9, form.Label9);

    host_.bind<WindowPeer>(settings, IDC_FRA_UPGRADE, form.fraUpgrade);
    host_.bind<ButtonPeer>(settings, IDC_COMMAND1, form.Command1);
    host_.bind<PicturePeer>(settings, IDC_IMAGE7, form.Image7);
    host_.bind<WindowPeer>(settings, IDC_FRA_LAST_ERASE, form.fraLastErase);
    host_.bind<MonthViewPeer>(settings, IDC_MONTH_VIEW, form.MonthView1);
}

void MainWindow::bindStartupPage(HWND startup) {
    auto& form = form_;
    host_.bind<WindowPeer>(startup, IDC_FRA_BOSS_KEY, form.fraBossKey);
    host_.bind<LabelPeer>(startup, IDC_LBL_BOSS_KEY, form.lblBossKey);
    host_.bind<ComboBoxPeer>(startup, IDC_CMB_BOSS, form.cmbBoss);
    host_.bind<ButtonPeer>(startup, IDC_CMD_SET, form.cmdSet);
    host_.bind<LabelPeer>(startup, IDC_LABEL6, form.Label6);
    host_.bind<WindowPeer>(startup, IDC_FRA_RUN_SETTINGS, form.fraRunSettings);
    bindArray<CheckBoxPeer>(host_, startup, IDC_CHK_RUN_0, form.chkRun);
    host_.bind<WindowPeer>(startup, IDC_FRA_SYS_INFO, form.frasysInfo);
    const std::pair<int, toolkit::Label*> labels[] = {
        {IDC_LABEL23, &form.Label23}, {IDC_LABEL24, &form.Label24}, {IDC_LABEL20, &form.Label20},
        {IDC_LABEL19, &form.Label19}, {IDC_LABEL27, &form.Label27}, {IDC_LABEL28, &form.Label28},
        {IDC_LABEL25, &form.Label25}, {IDC_LABEL26, &form.Label26}, {IDC_LABEL22, &form.Label22},
        {IDC_LABEL21, &form.Label21}, {IDC_LABEL29, &form.Label29}, {IDC_LABEL30, &form.Label30}};
    for (const auto& [id, label] : labels) host_.bind<LabelPeer>(startup, id, *label);
}

void MainWindow::bindShredderPage(HWND shredder) {
    auto& form = form_;
    host_.bind<WindowPeer>(shredder, IDC_FRA_CUSTOM_ITEMS, form.fraCustomItems);
    host_.bind<ListPeer>(shredder, IDC_LST_FILES, form.lstFiles);
    host_.bind<ButtonPeer>(shredder, IDC_CUSTOM_ADD, form.cmdCustomAdd);
    host_.bind<ButtonPeer>(shredder, IDC_CUSTOM_DELETE_ALL, form.cmdCustomDeleteAll);
    host_.bind<WindowPeer>(shredder, IDC_FRAME11, form.Frame11);
    host_.bind<LabelPeer>(shredder, IDC_LBL_LEVEL, form.lblLevel);
    host_.bind<TextBoxPeer>(shredder, IDC_TXT_LEVEL, form.txtLevel);
    host_.bind<UpDownPeer>(shredder, IDC_UPDOWN2, form.UpDown2);
    host_.bind<WindowPeer>(shredder, IDC_FRAME4, form.Frame4);
    host_.bind<ProgressBarPeer>(shredder, IDC_PB1, form.pb1);
    host_.bind<LabelPeer>(shredder, IDC_LSTAT, form.lStat);
    host_.bind<LabelPeer>(shredder, IDC_LFC, form.lFC);
    host_.bind<ButtonPeer>(shredder, IDC_SHREAD, form.cmdShread);
}

void MainWindow::bindHelpPage(HWND help) {
    auto& form = form_;
    HWND title = GetDlgItem(help, IDC_LABEL15);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(title, WM_GETFONT, 0, 0)), sizeof(font), &font);
    font.lfHeight = font.lfHeight * 2;
    font.lfWeight = FW_BOLD;
    titleFont_ = CreateFontIndirectW(&font);
    SendMessageW(title, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_), TRUE);
    host_.bind<LabelPeer>(help, IDC_LABEL15, form.Label15);
    bindArray<LabelPeer>(host_, help, IDC_HELP_TEXT_0, form.lblHelpText);
    host_.bind<LinkPeer>(help, IDC_LABEL16, form.Label16);
}

MainWindow::~MainWindow() {
    if (titleFont_) DeleteObject(titleFont_);
}

} // namespace calvorin::app
