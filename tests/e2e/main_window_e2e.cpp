#include "e2e/driver.h"
#include "resource.h"

#include <gtest/gtest.h>

using namespace calvorin::e2e;

namespace {

class MainWindowE2E : public ::testing::Test {
  protected:
    void SetUp() override { clearSettings(); }
    void TearDown() override { clearSettings(); }

    static void closeAndWait(Program& program, HWND main, int ms = 15000) {
        PostMessageW(main, WM_CLOSE, 0, 0);
        EXPECT_TRUE(program.waitExit(ms)) << "the program did not end";
    }
};

TEST_F(MainWindowE2E, TicksAndOptionsSurviveARestart) {
    {
        Program program;
        HWND main = program.mainWindow();
        ASSERT_TRUE(main);
        HWND clipboard = findChild(main, L"Clipboard", L"Button");
        HWND runAtStart = findChild(main, L"Run During Windows Start Up", L"Button");
        ASSERT_TRUE(clipboard && runAtStart);
        click(clipboard);
        click(runAtStart);
        HWND minutes = findChildById(main, IDC_TXT_MIN);
        ASSERT_TRUE(minutes);
        SendMessageW(minutes, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"25"));
        ASSERT_TRUE(waitFor([&] { return isChecked(clipboard) && isChecked(runAtStart); }, 5000));
        closeAndWait(program, main);
    }
    EXPECT_EQ(readSetting(L"LastHistory", L"chkWinSettings5"), L"1");
    EXPECT_EQ(readSetting(L"LastHistory", L"chkRun0"), L"1");
    EXPECT_EQ(readSetting(L"LastHistory", L"txtMin"), L"25");
    EXPECT_EQ(readSetting(L"LastHistory", L"chkWinSettings0"), L"0");
    EXPECT_EQ(readSetting(L"Info", L"ExeTitile"), L"Calvorin 1.0");

    Program again;
    HWND main = again.mainWindow();
    ASSERT_TRUE(main);
    EXPECT_TRUE(isChecked(findChild(main, L"Clipboard", L"Button")));
    EXPECT_TRUE(isChecked(findChild(main, L"Run During Windows Start Up", L"Button")));
    EXPECT_FALSE(isChecked(findChild(main, L"Recycle Bin", L"Button")));
    HWND minutesAgain = findChildById(main, IDC_TXT_MIN);
    EXPECT_EQ(textOf(minutesAgain), L"25");
    closeAndWait(again, main);
}

TEST_F(MainWindowE2E, ASecondCopyShowsNothingAndTouchesNothing) {
    Program first;
    HWND main = first.mainWindow();
    ASSERT_TRUE(main);
    clearSettings(); // whatever the second copy wrote would show up here
    Program second;
    EXPECT_TRUE(second.waitExit(15000)) << "the second copy did not end";
    EXPECT_FALSE(settingsExist()) << "the second copy wrote settings";
    EXPECT_EQ(visibleMainWindows(), 1);
    EXPECT_EQ(waitForMessageBox(second.pid(), 300), nullptr);
    EXPECT_TRUE(first.running());
    closeAndWait(first, main);
}

TEST_F(MainWindowE2E, TheStartUpEraseWithNothingTickedSpeaksBeforeTheWindowShows) {
    writeSetting(L"LastHistory", L"chkRun2", L"1");
    Program program;
    HWND box = waitForMessageBox(program.pid());
    ASSERT_TRUE(box);
    EXPECT_EQ(messageBoxText(box), L"No item has been selected");
    EXPECT_EQ(visibleMainWindows(), 0) << "the window showed before the message";
    pressOk(box);
    HWND main = program.mainWindow();
    ASSERT_TRUE(main) << "the window did not show after the message";
    closeAndWait(program, main);
}

TEST_F(MainWindowE2E, ClosingWithTheShutdownEraseSavesTheTicksThenErases) {
    writeSetting(L"LastHistory", L"chkRun1", L"1");
    Program program;
    HWND main = program.mainWindow();
    ASSERT_TRUE(main);
    HWND search = findChild(main, L"Search Computer History", L"Button");
    ASSERT_TRUE(search);
    click(search);
    ASSERT_TRUE(waitFor([&] { return isChecked(search); }, 5000));
    closeAndWait(program, main, 20000);
    EXPECT_EQ(readSetting(L"LastHistory", L"chkWinSettings9"), L"1");
    EXPECT_EQ(readSetting(L"LastHistory", L"chkRun1"), L"1");
    EXPECT_EQ(readSetting(L"MViewer", L"lastClean"), todayShortDate()) << "the erase did not run";
}

} // namespace
