// However the main window is ended (a close, two closes, a close during a run, the end of
// the session) the shutdown sequence runs once and to its end.
#include "e2e/driver.h"
#include "resource.h"

#include <gtest/gtest.h>

using namespace calvorin::e2e;

namespace {

const std::wstring kSearchMru = L"Software\\Microsoft\\Search Assistant\\ACMru\\5647";

bool keyExists(const std::wstring& path) {
    HKEY h = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS)
        return false;
    RegCloseKey(h);
    return true;
}

class WindowEndE2E : public ::testing::Test {
  protected:
    void SetUp() override {
        clearSettings();
        HKEY h = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kSearchMru.c_str(), 0, nullptr, 0, KEY_WRITE,
                                  nullptr, &h, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(h, L"000", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"pc"), 6);
        RegCloseKey(h);
    }
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kSearchMru.c_str());
        clearSettings();
    }
    // Ticks "Search Computer History" on the started program's window.
    static HWND tickSearch(Program& program) {
        HWND main = program.mainWindow();
        if (!main) return nullptr;
        HWND search = findChild(main, L"Search Computer History", L"Button");
        if (!search) return nullptr;
        click(search);
        return waitFor([&] { return isChecked(search); }, 5000) ? main : nullptr;
    }
    // Runs Wine's own session end, as a logoff does; false where there is no Wine.
    static bool endSession() {
        wchar_t cmd[] = L"wineboot.exe --end-session";
        STARTUPINFOW si{};
        si.cb = sizeof(si);
        PROCESS_INFORMATION pi{};
        if (!CreateProcessW(nullptr, cmd, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
            return false;
        WaitForSingleObject(pi.hProcess, 60000);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        return true;
    }
};

TEST_F(WindowEndE2E, TheSessionEndSavesTheTicksAndRunsTheShutdownErase) {
    writeSetting(L"LastHistory", L"chkRun1", L"1");
    Program program;
    ASSERT_TRUE(tickSearch(program));
    ASSERT_TRUE(endSession());
    EXPECT_TRUE(program.waitExit(20000)) << "the program outlived the session";
    EXPECT_EQ(readSetting(L"LastHistory", L"chkWinSettings9"), L"1") << "the ticks were not saved";
    EXPECT_EQ(readSetting(L"MViewer", L"lastClean"), todayShortDate()) << "the erase did not run";
    EXPECT_FALSE(keyExists(kSearchMru));
}

TEST_F(WindowEndE2E, ASecondCloseDuringTheShutdownEraseDoesNotCutItShort) {
    writeSetting(L"LastHistory", L"chkRun1", L"1");
    Program program;
    HWND main = tickSearch(program);
    ASSERT_TRUE(main);
    PostMessageW(main, WM_CLOSE, 0, 0);
    // The selections are saved: the second close arrives while the erase pauses before its item.
    ASSERT_TRUE(
        waitFor([&] { return readSetting(L"LastHistory", L"chkWinSettings9") == L"1"; }, 5000));
    ASSERT_TRUE(keyExists(kSearchMru));
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.waitExit(20000));
    EXPECT_EQ(readSetting(L"MViewer", L"lastClean"), todayShortDate()) << "the erase was cut short";
    EXPECT_FALSE(keyExists(kSearchMru));
}

TEST_F(WindowEndE2E, ACloseDuringARunWaitsForDoneThenEnds) {
    Program program;
    HWND main = tickSearch(program);
    ASSERT_TRUE(main);
    HWND status = findChildById(main, IDC_LABEL1);
    click(findChild(main, L"Start Cleaning", L"Button"));
    ASSERT_TRUE(
        waitFor([&] { return textOf(status).find(L"Erased.") != std::wstring::npos; }, 5000));
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.waitExit(20000));
    EXPECT_EQ(readSetting(L"MViewer", L"lastClean"), todayShortDate()) << "the run was cut short";
    EXPECT_FALSE(keyExists(kSearchMru));
    EXPECT_EQ(readSetting(L"LastHistory", L"chkWinSettings9"), L"1");
}

} // namespace
