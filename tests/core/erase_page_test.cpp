#include "core/main_form_fixture.h"

using namespace calvorin;
using core::TraceGroup;

namespace {

class ErasePageTest : public test::MainFormTest {
  protected:
    void SetUp() override { form.LastDateClean(); }
};

TEST_F(ErasePageTest, TickingShowsTheCaptionInQuotesBlankedOnlyOnTheWindowsTab) {
    form.chkWinSettings[5].click();
    EXPECT_EQ(form.Label1.caption(), " \" Clipboard \" ");
    form.chkIEsettings[0].click();
    EXPECT_EQ(form.Label1.caption(), "\"Location Bar History\"");
    form.chkNSsettings[1].click();
    EXPECT_EQ(form.Label1.caption(), "\"Netscape Cache\"");
    form.chkOPsettings[0].click();
    EXPECT_EQ(form.Label1.caption(), "\"Typed Opera URL \"");
}

TEST_F(ErasePageTest, UntickingShowsTheLastEraseDate) {
    form.chkWinSettings[1].click();
    form.chkWinSettings[1].click();
    EXPECT_EQ(form.Label1.caption(), "Last Erase :-   6-December-2026");
    // Also for a box that was never ticked: greyed to clear.
    form.chkNSsettings[2].setValue(2);
    EXPECT_EQ(form.Label1.caption(), "Last Erase :-   6-December-2026");
}

TEST_F(ErasePageTest, HoverTooltipsDifferInOneLetterForInternetExplorer) {
    form.chkWinSettings[0].mouseMove();
    EXPECT_EQ(form.chkWinSettings[0].toolTipText(), "Check To Erase Recycle Bin");
    form.chkNSsettings[3].mouseMove();
    EXPECT_EQ(form.chkNSsettings[3].toolTipText(), "Check To Erase Netscape History");
    form.chkIEsettings[4].mouseMove();
    EXPECT_EQ(form.chkIEsettings[4].toolTipText(), "Check to Erase Internet History");
    form.chkOPsettings[2].mouseMove();
    EXPECT_EQ(form.chkOPsettings[2].toolTipText(), "") << "Opera sets its tooltip on click";
    form.chkOPsettings[2].click();
    EXPECT_EQ(form.chkOPsettings[2].toolTipText(), "Check To Erase Opera Cookies");
}

TEST_F(ErasePageTest, HoveringTheCookiesItemOrTheFramesHidesTheCookieList) {
    for (auto hover : {+[](core::frmMain& f) { f.chkIEsettings[8].mouseMove(); },
                       +[](core::frmMain& f) { f.fraErase.mouseMove(); },
                       +[](core::frmMain& f) { f.fraIEoption.mouseMove(); }}) {
        form.lstCookies.setVisible(true);
        hover(form);
        EXPECT_FALSE(form.lstCookies.visible());
    }
    form.lstCookies.setVisible(true);
    form.chkIEsettings[7].mouseMove();
    EXPECT_TRUE(form.lstCookies.visible());
}

TEST_F(ErasePageTest, ClickingCookiesSavesThenReloadsTheKeepListWhicheverWay) {
    std::vector<std::string> calls;
    form.cookieKeeper.saveKeptCookies = [&] { calls.push_back("save"); };
    form.cookieKeeper.listFilled = [] { return true; };
    form.cookieKeeper.cmdGetCache = [&] {
        calls.push_back("reload:" + form.Label1.caption());
    };
    form.chkIEsettings[8].click();
    form.chkIEsettings[8].click();
    EXPECT_EQ(calls, (std::vector<std::string>{"save", "reload:Calvorin 1.0", "save",
                                               "reload:\"Cookies\""}))
        << "both happen before the status line changes";
}

TEST_F(ErasePageTest, SelectAllTicksOnlyTheCurrentTab) {
    form.tabItems.setSelectedIndex(2);
    form.cmdSellAll.click();
    for (auto& box : form.chkNSsettings) EXPECT_EQ(box.value(), 1);
    for (auto& box : form.chkWinSettings) EXPECT_EQ(box.value(), 0);
    for (auto& box : form.chkIEsettings) EXPECT_EQ(box.value(), 0);
    EXPECT_EQ(form.Label1.caption(), "All items have been selected");
    form.cmdDesellAll.click();
    for (auto& box : form.chkNSsettings) EXPECT_EQ(box.value(), 0);
    EXPECT_EQ(form.Label1.caption(), "All items have been deselected");
}

TEST_F(ErasePageTest, SelectAllOnTheInternetExplorerTabRunsTheCookiesClick) {
    int saves = 0;
    form.cookieKeeper.saveKeptCookies = [&] { ++saves; };
    form.cookieKeeper.listFilled = [] { return true; };
    form.tabItems.setSelectedIndex(1);
    form.cmdSellAll.click();
    EXPECT_EQ(saves, 1);
    form.cmdSellAll.click();
    EXPECT_EQ(saves, 1) << "no box changed, so no click ran";
}

TEST_F(ErasePageTest, WithTheCookieListShownSelectAllWorksOnCookiesOnly) {
    form.lstCookies.setVisible(true);
    for (const char* c : {"a@x.com/", "b@y.org/", "c@z.net/"}) form.lstCookies.addItem(c);
    form.Label1.setCaption("unchanged");
    form.cmdSellAll.click();
    for (int r = 0; r < 3; ++r) EXPECT_TRUE(form.lstCookies.selected(r));
    EXPECT_EQ(form.cmdSellAll.toolTipText(), "Select All Cookies");
    for (auto& box : form.chkWinSettings) EXPECT_EQ(box.value(), 0);
    EXPECT_EQ(form.Label1.caption(), "unchanged");
    form.cmdDesellAll.click();
    for (int r = 0; r < 3; ++r) EXPECT_FALSE(form.lstCookies.selected(r));
    EXPECT_EQ(form.cmdDesellAll.toolTipText(), "Deselect All Cookies");
}

TEST_F(ErasePageTest, ButtonTooltipsSpeakOfCookiesOnlyWhileTheListShows) {
    form.cmdSellAll.mouseMove();
    EXPECT_EQ(form.cmdSellAll.toolTipText(), "");
    form.lstCookies.setVisible(true);
    form.cmdSellAll.mouseMove();
    form.cmdDesellAll.mouseMove();
    EXPECT_EQ(form.cmdSellAll.toolTipText(), "Select All Cookies");
    EXPECT_EQ(form.cmdDesellAll.toolTipText(), "Deselect All Cookies");
}

TEST_F(ErasePageTest, SwitchingTabsNamesTheGroupAndShowsItsFrame) {
    for (int tab : {3, 1, 0, 2}) {
        form.tabItems.setSelectedIndex(tab);
        EXPECT_EQ(form.Label1.caption(), core::groupCaption(static_cast<TraceGroup>(tab)));
        for (int g = 0; g < 4; ++g)
            EXPECT_EQ(form.groupFrame(static_cast<TraceGroup>(g)).visible(), g == tab);
    }
}

TEST_F(ErasePageTest, SetTabSelectionIgnoresATabOutsideTheGroups) {
    form.tabItems.tabs.push_back("Extra");
    form.tabItems.setSelectedIndex(4);
    form.setTabSelection(1);
    for (int g = 0; g < 4; ++g)
        for (auto& box : form.group(static_cast<TraceGroup>(g))) EXPECT_EQ(box.value(), 0);
}

} // namespace
