// The cookie keep-list through the window: cookies in the real URL cache, the list opened with
// its button, a row ticked from the keyboard, the program closed and started again, and the
// "Cookies" item erased; the keep-list file and the cache are read back.
#include "e2e/driver.h"
#include "resource.h"

#include <commctrl.h>
#include <windows.h>
#include <wininet.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace calvorin::e2e;

namespace {

const std::wstring kA = L"Cookie:ann@calvorin-keep-a.test/";
const std::wstring kB = L"Cookie:bob@calvorin-keep-b.test/";
const std::wstring kC = L"Cookie:cat@calvorin-keep-c.test/";
const std::wstring kBare = L"Cookie:bare@calvorin-keep-d.test/"; // no normal-entry bit

std::wstring keepListPath() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir(path, n);
    return dir.substr(0, dir.find_last_of(L"\\/") + 1) + L"cookies.inf";
}

std::string fileBytes(const std::wstring& path) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "<absent>";
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(h, buffer, sizeof(buffer), &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(h);
    return bytes;
}

void writeBytes(const std::wstring& path, const std::string& content) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD put = 0;
    WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &put, nullptr);
    CloseHandle(h);
}

std::string ansi(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

bool addCookie(const std::wstring& url, DWORD type) {
    wchar_t file[MAX_PATH * 2] = {};
    if (!CreateUrlCacheEntryW(url.c_str(), 0, L"txt", file, 0)) return false;
    writeBytes(file, "id\n42\n");
    FILETIME none{};
    return CommitUrlCacheEntryW(url.c_str(), file, none, none, type, nullptr, 0, nullptr,
                                nullptr) != FALSE;
}

bool cached(const std::wstring& url) {
    DWORD size = 0;
    if (GetUrlCacheEntryInfoW(url.c_str(), nullptr, &size)) return true;
    return GetLastError() == ERROR_INSUFFICIENT_BUFFER;
}

struct Row {
    std::wstring text;
    bool ticked = false;
};

// The rows of a list view in another process, as a screen reader reads them: the text through
// a buffer in that process, the tick from the row's state.
std::vector<Row> rowsOf(HWND list) {
    std::vector<Row> rows;
    DWORD pid = 0;
    GetWindowThreadProcessId(list, &pid);
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process) return rows;
    constexpr int kChars = 1024;
    auto* remote = static_cast<char*>(VirtualAllocEx(
        process, nullptr, sizeof(LVITEMW) + kChars * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE));
    const auto count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; remote && i < count; ++i) {
        LVITEMW item{};
        item.iSubItem = 0;
        item.cchTextMax = kChars;
        item.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(LVITEMW));
        WriteProcessMemory(process, remote, &item, sizeof(item), nullptr);
        const auto length = SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(i),
                                         reinterpret_cast<LPARAM>(remote));
        std::wstring text(static_cast<std::size_t>(length), L'\0');
        ReadProcessMemory(process, remote + sizeof(LVITEMW), text.data(),
                          text.size() * sizeof(wchar_t), nullptr);
        const auto state =
            SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(i), LVIS_STATEIMAGEMASK);
        rows.push_back({text, ((state & LVIS_STATEIMAGEMASK) >> 12) == 2});
    }
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return rows;
}

int rowOf(const std::vector<Row>& rows, const std::wstring& text) {
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].text == text) return static_cast<int>(i);
    return -1;
}

// Ticks a row as a keyboard user does: to the first row, down to the row, space.
void tickRow(HWND list, int row) {
    auto key = [&](WPARAM vk) {
        PostMessageW(list, WM_KEYDOWN, vk, 0);
        PostMessageW(list, WM_KEYUP, vk, 0xC0000001);
    };
    key(VK_HOME);
    for (int i = 0; i < row; ++i)
        key(VK_DOWN);
    key(VK_SPACE);
}

class CookiesE2E : public ::testing::Test {
  protected:
    void SetUp() override {
        clearSettings();
        DeleteFileW(keepListPath().c_str());
        for (const auto& url : {kA, kB, kC, kBare})
            DeleteUrlCacheEntryW(url.c_str());
    }
    void TearDown() override {
        clearSettings();
        DeleteFileW(keepListPath().c_str());
        for (const auto& url : {kA, kB, kC, kBare})
            DeleteUrlCacheEntryW(url.c_str());
    }

    // Opens the cookie list with its button and waits for the rows.
    static HWND openList(HWND main, std::size_t rows) {
        HWND button = findChildById(main, IDC_COMMAND2);
        HWND list = findChildById(main, IDC_LST_COOKIES);
        EXPECT_TRUE(button && list);
        if (!button || !list) return nullptr;
        EXPECT_EQ(textOf(button),
                  L"Click here to view Cookies. Check / tick off cookies you want to save.");
        click(button);
        EXPECT_TRUE(
            waitFor([&] { return IsWindowVisible(list) && rowsOf(list).size() == rows; }, 10000))
            << "the list shows " << rowsOf(list).size() << " rows";
        return list;
    }

    static void showInternetExplorerTab(HWND main) {
        HWND first = findChildById(main, IDC_CHK_IE_0);
        HWND tab = findChildById(main, IDC_TAB_ITEMS);
        ASSERT_TRUE(first && tab);
        PostMessageW(tab, WM_KEYDOWN, VK_RIGHT, 0);
        PostMessageW(tab, WM_KEYUP, VK_RIGHT, 0);
        ASSERT_TRUE(waitFor([&] { return IsWindowVisible(first) != FALSE; }, 5000));
    }

    static void runToDone(HWND main) {
        click(findChildById(main, IDC_CLEAN));
        HWND label1 = findChildById(main, IDC_LABEL1);
        ASSERT_TRUE(waitFor([&] { return textOf(label1) == L"Done."; }, 60000))
            << "the run did not end";
    }

    static void close(Program& program, HWND main) {
        PostMessageW(main, WM_CLOSE, 0, 0);
        ASSERT_TRUE(program.waitExit(15000)) << "the program did not end";
    }
};

TEST_F(CookiesE2E, ATickedCookieIsKeptAcrossARestartAndTheEraseOfTheOthers) {
    for (const auto& url : {kA, kB, kC})
        ASSERT_TRUE(addCookie(url, COOKIE_CACHE_ENTRY | NORMAL_CACHE_ENTRY));
    ASSERT_TRUE(addCookie(kBare, COOKIE_CACHE_ENTRY));
    {
        Program program;
        HWND main = program.mainWindow();
        ASSERT_TRUE(main);
        HWND list = openList(main, 3);
        ASSERT_TRUE(list);
        auto rows = rowsOf(list);
        for (const auto& url : {kA, kB, kC})
            ASSERT_GE(rowOf(rows, url), 0) << "not listed";
        EXPECT_LT(rowOf(rows, kBare), 0) << "a cookie without the normal-entry bit is not listed";
        for (const auto& row : rows)
            EXPECT_FALSE(row.ticked);
        tickRow(list, rowOf(rows, kB));
        ASSERT_TRUE(waitFor(
            [&] { return rowsOf(list)[static_cast<std::size_t>(rowOf(rows, kB))].ticked; }, 5000))
            << "space did not tick the row";
        close(program, main);
    }
    EXPECT_EQ(fileBytes(keepListPath()), ansi(kB) + "\r\n\r\n");

    Program again;
    HWND main = again.mainWindow();
    ASSERT_TRUE(main);
    HWND list = openList(main, 3);
    ASSERT_TRUE(list);
    for (const auto& row : rowsOf(list))
        EXPECT_EQ(row.ticked, row.text == kB) << "the tick came back";

    showInternetExplorerTab(main);
    HWND cookies = findChildById(main, IDC_CHK_IE_0 + 8);
    ASSERT_EQ(textOf(cookies), L"Cookies");
    click(cookies);
    // The click saves and refills the list, then names the item on the status line.
    HWND label1 = findChildById(main, IDC_LABEL1);
    ASSERT_TRUE(
        waitFor([&] { return isChecked(cookies) && textOf(label1) == L"\"Cookies\""; }, 10000));
    runToDone(main);
    EXPECT_FALSE(cached(kA));
    EXPECT_TRUE(cached(kB));
    EXPECT_FALSE(cached(kC));
    EXPECT_TRUE(cached(kBare)) << "never listed, so never deleted";
    const auto rows = rowsOf(list);
    ASSERT_EQ(rows.size(), 1u) << "the list is refilled with what is left";
    EXPECT_EQ(rows[0].text, kB);
    EXPECT_TRUE(rows[0].ticked);
    close(again, main);
    EXPECT_EQ(fileBytes(keepListPath()), ansi(kB) + "\r\n\r\n");
}

TEST_F(CookiesE2E, AKeepListFromBeforeSurvivesRunsStartUpsAndClosesBeforeTheListIsOpened) {
    for (const auto& url : {kA, kB})
        ASSERT_TRUE(addCookie(url, COOKIE_CACHE_ENTRY | NORMAL_CACHE_ENTRY));
    const std::string kept = ansi(kB) + "\r\n\r\n";
    writeBytes(keepListPath(), kept);
    {
        Program program;
        HWND main = program.mainWindow();
        ASSERT_TRUE(main);
        HWND clipboard = findChild(main, L"Clipboard", L"Button");
        ASSERT_TRUE(clipboard);
        click(clipboard);
        ASSERT_TRUE(waitFor([&] { return isChecked(clipboard); }, 5000));
        runToDone(main);
        EXPECT_EQ(fileBytes(keepListPath()), kept) << "the run started before the list was opened";
        close(program, main);
    }
    EXPECT_EQ(fileBytes(keepListPath()), kept) << "closed before the list was opened";

    // The "Cookies" tick restored at start-up runs its click, which fills the list.
    writeSetting(L"LastHistory", L"chkIEsettings8", L"1");
    Program again;
    HWND main = again.mainWindow();
    ASSERT_TRUE(main);
    EXPECT_TRUE(isChecked(findChildById(main, IDC_CHK_IE_0 + 8)));
    EXPECT_EQ(fileBytes(keepListPath()), kept);
    close(again, main);
    EXPECT_EQ(fileBytes(keepListPath()), kept);
    EXPECT_TRUE(cached(kA) && cached(kB)) << "nothing was erased";
}

TEST_F(CookiesE2E, ALongListScrollsAndEveryCookieHasItsRow) {
    std::vector<std::wstring> many;
    for (int i = 0; i < 150; ++i)
        many.push_back(L"Cookie:many@calvorin-many-" + std::to_wstring(i) + L".test/");
    struct Cleanup {
        std::vector<std::wstring>& urls;
        ~Cleanup() {
            for (const auto& url : urls)
                DeleteUrlCacheEntryW(url.c_str());
        }
    } cleanup{many};
    for (const auto& url : many)
        ASSERT_TRUE(addCookie(url, COOKIE_CACHE_ENTRY | NORMAL_CACHE_ENTRY));
    Program program;
    HWND main = program.mainWindow();
    ASSERT_TRUE(main);
    HWND list = openList(main, many.size());
    ASSERT_TRUE(list);
    EXPECT_TRUE(GetWindowLongW(list, GWL_STYLE) & WS_VSCROLL)
        << "a list longer than its window scrolls";
    const auto rows = rowsOf(list);
    for (const auto& url : many)
        EXPECT_GE(rowOf(rows, url), 0) << "no row for a cookie";
    // Select All works on the shown list: every row ticked, then saved on close.
    click(findChildById(main, IDC_SELL_ALL));
    ASSERT_TRUE(waitFor(
        [&] {
            for (const auto& row : rowsOf(list))
                if (!row.ticked) return false;
            return true;
        },
        10000));
    close(program, main);
    const std::string kept = fileBytes(keepListPath());
    for (const auto& url : many)
        EXPECT_NE(kept.find(ansi(url) + "\r\n"), std::string::npos);
}

} // namespace
