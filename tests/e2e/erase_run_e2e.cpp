#include "e2e/driver.h"
#include "resource.h"

#include <gtest/gtest.h>

using namespace calvorin::e2e;

namespace {

class EraseRunE2E : public ::testing::Test {
  protected:
    void SetUp() override { clearSettings(); }
    void TearDown() override { clearSettings(); }
};

TEST_F(EraseRunE2E, NothingTickedShowsTheMessageAndWritesNoStamp) {
    Program program;
    HWND main = program.mainWindow();
    ASSERT_TRUE(main) << "the main window did not show";
    HWND start = findChild(main, L"Start Cleaning", L"Button");
    ASSERT_TRUE(start);
    click(start);
    HWND box = waitForMessageBox(program.pid());
    ASSERT_TRUE(box) << "no message box";
    EXPECT_EQ(textOf(box), L"Calvorin");
    EXPECT_EQ(messageBoxText(box), L"No item has been selected");
    pressOk(box);
    EXPECT_TRUE(waitFor([&] { return !IsWindow(box); }, 5000));
    EXPECT_EQ(textOf(findChildById(main, IDC_LABEL1)), L"Calvorin 1.0");
    EXPECT_EQ(readSetting(L"MViewer", L"lastClean"), L"<absent>");
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.waitExit(10000));
}

TEST_F(EraseRunE2E, OneTickedItemRunsToDoneAndStampsToday) {
    Program program;
    HWND main = program.mainWindow();
    ASSERT_TRUE(main);
    EXPECT_EQ(textOf(findChildById(main, IDC_LAST_CLEAN_CAP)), L"Last Erase :   " + todayLastEraseText());
    HWND clipboard = findChild(main, L"Clipboard", L"Button");
    ASSERT_TRUE(clipboard);
    click(clipboard);
    HWND label1 = findChildById(main, IDC_LABEL1);
    ASSERT_TRUE(waitFor([&] { return isChecked(clipboard); }, 5000));
    EXPECT_EQ(textOf(label1), L" \" Clipboard \" ");

    click(findChild(main, L"Start Cleaning", L"Button"));
    EXPECT_TRUE(waitFor([&] { return textOf(label1) == L"Clipboard  Erased."; }, 5000));
    ASSERT_TRUE(waitFor([&] { return textOf(label1) == L"Done."; }, 15000)) << "status: " << textOf(label1).size();
    EXPECT_EQ(readSetting(L"MViewer", L"lastClean"), todayShortDate());
    EXPECT_EQ(textOf(findChildById(main, IDC_LAST_CLEAN_CAP)), L"Last Erase :  " + todayLastEraseText());
    EXPECT_TRUE(isChecked(clipboard)) << "the run changes no tick";
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.waitExit(10000));
}

TEST_F(EraseRunE2E, TheWindowStaysResponsiveDuringARun) {
    Program program;
    HWND main = program.mainWindow();
    ASSERT_TRUE(main);
    for (const wchar_t* item : {L"Recycle Bin", L"Clipboard", L"Search Computer History"})
        click(findChild(main, item, L"Button"));
    HWND label1 = findChildById(main, IDC_LABEL1);
    ASSERT_TRUE(waitFor([&] { return textOf(label1) == L" \" Search Computer History \" "; }, 5000));
    click(findChild(main, L"Start Cleaning", L"Button"));
    ASSERT_TRUE(waitFor([&] { return textOf(label1) == L"Recycle Bin  Erased."; }, 5000));
    // A second start during the pause is dropped; the window answers at once.
    click(findChild(main, L"Start Cleaning", L"Button"));
    DWORD_PTR result = 0;
    EXPECT_TRUE(SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 500, &result));
    ASSERT_TRUE(waitFor([&] { return textOf(label1) == L"Done."; }, 20000));
    EXPECT_EQ(waitForMessageBox(program.pid(), 500), nullptr);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.waitExit(10000));
}

} // namespace
