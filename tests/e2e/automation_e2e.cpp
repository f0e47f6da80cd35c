#include "e2e/driver.h"
#include "resource.h"

#include <gtest/gtest.h>

using namespace calvorin::e2e;

namespace {

const wchar_t* const kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t* const kRunName = L"Calvorin - 1.0";
const wchar_t* const kRunMru = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";

std::wstring runValue(HKEY root) {
    wchar_t buffer[1024] = {};
    DWORD size = sizeof(buffer) - sizeof(wchar_t);
    if (RegGetValueW(root, kRunKey, kRunName, RRF_RT_REG_SZ, nullptr, buffer, &size) !=
        ERROR_SUCCESS)
        return L"<absent>";
    return buffer;
}

void removeRunValues() {
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kRunKey, kRunName);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, kRunName);
}

// The Calvorin.exe the driver starts: beside this test program.
std::wstring programPath() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p(path, n);
    return p.substr(0, p.find_last_of(L"\\/") + 1) + L"Calvorin.exe";
}

// Other cases tick "Run During Windows Start Up" too. A Run value left in the prefix would
// start Calvorin at the prefix's next start, beside the copy the next test starts.
class RunValueCleanup : public ::testing::Environment {
  public:
    void SetUp() override { removeRunValues(); }
    void TearDown() override { removeRunValues(); }
};
const auto* const kCleanup = ::testing::AddGlobalTestEnvironment(new RunValueCleanup);

class AutomationE2E : public ::testing::Test {
  protected:
    void SetUp() override {
        clearSettings();
        removeRunValues();
    }
    void TearDown() override {
        clearSettings();
        removeRunValues();
    }
};

TEST_F(AutomationE2E, AnIntervalOfOneMinuteErasesByItself) {
    Program program;
    HWND main = program.mainWindow();
    ASSERT_TRUE(main);
    HWND clipboard = findChild(main, L"Clipboard", L"Button");
    ASSERT_TRUE(clipboard);
    click(clipboard);
    HWND minutes = findChildById(main, IDC_TXT_MIN);
    ASSERT_TRUE(minutes);
    SendMessageW(minutes, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"1"));
    click(findChildById(main, IDC_SENABLE));
    click(findChildById(main, IDC_OPT_SCHEDULE_0 + 1));
    HWND next = findChildById(main, IDC_LABEL9);
    EXPECT_TRUE(waitFor([&] { return textOf(next) == L"After 1 min"; }, 5000))
        << textOf(next).size();
    EXPECT_EQ(textOf(findChildById(main, IDC_LABEL10)), L"Enabled");
    EXPECT_TRUE(isChecked(clipboard));
    HWND clock = findChildById(main, IDC_LBLDATE);
    const std::wstring shown = textOf(clock);
    EXPECT_FALSE(shown.empty());
    EXPECT_TRUE(waitFor([&] { return textOf(clock) != shown; }, 3000)) << "the clock runs";

    HWND label1 = findChildById(main, IDC_LABEL1);
    ASSERT_TRUE(waitFor([&] { return textOf(label1) == L"Done."; }, 75000))
        << "no scheduled run within the minute";
    EXPECT_EQ(readSetting(L"MViewer", L"lastClean"), todayShortDate());
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.waitExit(15000));
}

TEST_F(AutomationE2E, RunDuringWindowsStartUpWritesAndRemovesTheRunValue) {
    Program program;
    HWND main = program.mainWindow();
    ASSERT_TRUE(main);
    HWND box = findChild(main, L"Run During Windows Start Up", L"Button");
    ASSERT_TRUE(box);
    const std::wstring path = programPath();
    const std::wstring expected =
        (path.find(L' ') == std::wstring::npos ? path : L"\"" + path + L"\"") + L" m";
    click(box);
    EXPECT_TRUE(waitFor([&] { return runValue(HKEY_LOCAL_MACHINE) == expected; }, 5000))
        << "Run value: " << runValue(HKEY_LOCAL_MACHINE).size() << " characters";
    EXPECT_EQ(runValue(HKEY_CURRENT_USER), L"<absent>");
    click(box);
    EXPECT_TRUE(waitFor([&] { return runValue(HKEY_LOCAL_MACHINE) == L"<absent>"; }, 5000));
    EXPECT_EQ(runValue(HKEY_CURRENT_USER), L"<absent>");
    EXPECT_EQ(waitForMessageBox(program.pid(), 300), nullptr);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.waitExit(15000));
}

// Last: under Wine the restart request ends every program of the prefix that has a window.
TEST_F(AutomationE2E, CleanAndRebootErasesTheTickedItemThenRestartsWindows) {
    HKEY mru = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kRunMru, 0, nullptr, 0, KEY_WRITE, nullptr, &mru,
                              nullptr),
              ERROR_SUCCESS);
    const wchar_t command[] = L"notepad\\1";
    RegSetValueExW(mru, L"a", 0, REG_SZ, reinterpret_cast<const BYTE*>(command), sizeof command);
    RegCloseKey(mru);

    Program program;
    HWND main = program.mainWindow();
    ASSERT_TRUE(main);
    HWND item = findChild(main, L"Recent Run History ", L"Button");
    ASSERT_TRUE(item);
    click(item);
    ASSERT_TRUE(waitFor([&] { return isChecked(item); }, 5000));
    click(findChildById(main, IDC_CLEAN_REB));
    EXPECT_TRUE(program.waitExit(30000)) << "the program did not end";
    EXPECT_EQ(waitForMessageBox(program.pid(), 100), nullptr) << "the restart was refused";
    HKEY gone = nullptr;
    EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, kRunMru, 0, KEY_READ, &gone), ERROR_SUCCESS)
        << "the ticked item's trace is still there";
    if (gone) RegCloseKey(gone);
    EXPECT_EQ(readSetting(L"LastHistory", L"chkWinSettings1"), L"<absent>")
        << "the restart skips the shutdown sequence: no selections stored";
}

} // namespace
