// The "Startup" page's system information and the boss key, on the real program under Wine.
#include "e2e/driver.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>

using namespace calvorin::e2e;

namespace {

std::wstring kilobyteText(unsigned long long bytes) {
    unsigned long long kb = bytes / 1024, rest = bytes % 1024;
    if (rest > 512 || (rest == 512 && kb % 2 == 1)) ++kb;
    return L" " + std::to_wstring(kb) + L" kByte";
}

class StartupPageE2E : public ::testing::Test {
  protected:
    void SetUp() override { clearSettings(); }
    void TearDown() override { clearSettings(); }
};

TEST_F(StartupPageE2E, ShowsMemoryProcessorsProcessorTypeAndVersion) {
    Program program;
    HWND main = program.mainWindow();
    ASSERT_TRUE(main);
    click(findChildById(main, IDC_OPT_OPTION_0 + 2));
    HWND total = findChildById(main, IDC_LABEL25);
    ASSERT_TRUE(total);
    ASSERT_TRUE(waitFor([&] { return !textOf(total).empty(); }, 10000));

    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof(memory);
    ASSERT_TRUE(GlobalMemoryStatusEx(&memory));
    EXPECT_EQ(textOf(total), kilobyteText(memory.ullTotalPhys));
    const std::wstring available = textOf(findChildById(main, IDC_LABEL26));
    ASSERT_GE(available.size(), 8u);
    EXPECT_EQ(available.substr(available.size() - 6), L" kByte");
    EXPECT_LE(std::stoull(available.substr(1)), memory.ullTotalPhys / 1024 + 1);

    EXPECT_EQ(textOf(findChildById(main, IDC_LABEL22)),
              L" " + std::to_wstring(GetActiveProcessorCount(ALL_PROCESSOR_GROUPS)));
    EXPECT_EQ(textOf(findChildById(main, IDC_LABEL21)), L"x64");

    // The version as the system really is, not as the compatibility layer would say.
    using RtlGetVersionCall = LONG(WINAPI*)(OSVERSIONINFOW*);
    OSVERSIONINFOW v{};
    v.dwOSVersionInfoSize = sizeof(v);
    auto call = reinterpret_cast<RtlGetVersionCall>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
    ASSERT_TRUE(call && call(&v) == 0);
    wchar_t version[64];
    std::swprintf(version, 64, L"%lu.%02lu.%lu", v.dwMajorVersion, v.dwMinorVersion,
                  v.dwBuildNumber);
    EXPECT_EQ(textOf(findChildById(main, IDC_LABEL30)), version);
    const std::wstring name = textOf(findChildById(main, IDC_LABEL29));
    EXPECT_EQ(name.rfind(L"Microsoft Windows ", 0), 0u)
        << "OS Name: \"" << std::string(name.begin(), name.end()) << "\"";
    if (v.dwMajorVersion == 10) {
        EXPECT_EQ(name,
                  v.dwBuildNumber >= 22000 ? L"Microsoft Windows 11" : L"Microsoft Windows 10");
    }

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.waitExit(15000));
}

// A browser frame window of this process, on a thread of its own that answers its messages
// as a browser would.
class BrowserFrame {
  public:
    explicit BrowserFrame(int showCommand) {
        thread_ = std::thread([this, showCommand] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = DefWindowProcW;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"IEFrame";
            RegisterClassW(&wc);
            HWND w = CreateWindowExW(0, L"IEFrame", L"Test page - Internet Explorer",
                                     WS_OVERLAPPEDWINDOW, 60, 60, 500, 400, nullptr, nullptr,
                                     wc.hInstance, nullptr);
            ShowWindow(w, showCommand);
            threadId_ = GetCurrentThreadId();
            window_ = w;
            MSG msg;
            while (GetMessageW(&msg, nullptr, 0, 0) > 0)
                DispatchMessageW(&msg);
            DestroyWindow(w);
        });
        waitFor([&] { return window_.load() != nullptr; }, 5000);
    }
    ~BrowserFrame() {
        PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
        thread_.join();
    }
    HWND window() const { return window_; }

  private:
    std::thread thread_;
    std::atomic<HWND> window_{nullptr};
    std::atomic<DWORD> threadId_{0};
};

// Key presses on the X screen, as a user's keyboard gives them; Wine reads the key state there.
bool pressOnScreen(const std::string& xdotoolArguments) {
    static int count = 0;
    // Wine shows the Unix root as drive Z:; the marker says when the keys were sent.
    const std::string unixMarker = "/tmp/calvorin-keys-" + std::to_string(GetCurrentProcessId()) +
                                   "-" + std::to_string(++count);
    std::wstring marker = L"Z:" + std::wstring(unixMarker.begin(), unixMarker.end());
    for (auto& c : marker)
        if (c == L'/') c = L'\\';

    std::string command =
        "/bin/sh -c \"xdotool " + xdotoolArguments + "; touch '" + unixMarker + "'\"";
    std::wstring wide(command.begin(), command.end());
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(L"Z:\\bin\\sh", wide.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &si, &pi))
        return false;
    if (pi.hProcess) CloseHandle(pi.hProcess);
    if (pi.hThread) CloseHandle(pi.hThread);
    const bool sent = waitFor(
        [&] { return GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES; }, 10000);
    DeleteFileW(marker.c_str());
    return sent;
}

TEST_F(StartupPageE2E, TheBossKeyHidesTheBrowserAndTheWindowAndCtrlWithItBringsThemBack) {
    writeSetting(L"LastHistory", L"cmbBoss", L"F7");
    BrowserFrame browser(SW_SHOWMAXIMIZED);
    ASSERT_TRUE(browser.window());
    ASSERT_TRUE(IsZoomed(browser.window()));
    Program program;
    HWND main = program.mainWindow();
    ASSERT_TRUE(main);
    click(findChildById(main, IDC_OPT_OPTION_0 + 2));
    EXPECT_EQ(textOf(findChildById(main, IDC_LABEL6)), L"Restore :  Ctrl + F7");
    EXPECT_EQ(readSetting(L"Boss", L"bossKey"), L"118");

    ASSERT_TRUE(pressOnScreen("keydown F7 sleep 0.4 keyup F7"));
    EXPECT_TRUE(waitFor(
        [&] { return !IsWindowVisible(main) && !IsWindowVisible(browser.window()); }, 15000))
        << "main visible " << IsWindowVisible(main) << ", browser visible "
        << IsWindowVisible(browser.window());

    ASSERT_TRUE(pressOnScreen("keydown ctrl keydown F7 sleep 0.4 keyup F7 keyup ctrl"));
    EXPECT_TRUE(
        waitFor([&] { return IsWindowVisible(main) && IsWindowVisible(browser.window()); }, 20000))
        << "main visible " << IsWindowVisible(main) << ", browser visible "
        << IsWindowVisible(browser.window());
    EXPECT_TRUE(IsZoomed(browser.window())) << "the browser did not come back maximized";

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.waitExit(15000));
}

TEST_F(StartupPageE2E, CtrlUBringsTheMinimizedWindowBackAndLeavesTheBrowserAlone) {
    BrowserFrame browser(SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(browser.window());
    Program program;
    HWND main = program.mainWindow();
    ASSERT_TRUE(main);
    ShowWindow(main, SW_MINIMIZE);
    ASSERT_TRUE(waitFor([&] { return IsIconic(main) != FALSE; }, 5000));

    ASSERT_TRUE(pressOnScreen("keydown ctrl keydown u sleep 0.4 keyup u keyup ctrl"));
    EXPECT_TRUE(waitFor([&] { return IsWindowVisible(main) && !IsIconic(main); }, 15000))
        << "the main window stayed minimized";
    EXPECT_TRUE(IsIconic(browser.window())) << "the browser was touched";

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.waitExit(15000));
}

TEST_F(StartupPageE2E, ThePollingUsesNoMeasurableProcessorTime) {
    Program program;
    HWND main = program.mainWindow();
    ASSERT_TRUE(main);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, program.pid());
    ASSERT_TRUE(process);
    auto used = [&] {
        FILETIME created, ended, kernel, user;
        GetProcessTimes(process, &created, &ended, &kernel, &user);
        auto value = [](FILETIME t) {
            return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
        };
        return (value(kernel) + value(user)) / 10000; // ms
    };
    Sleep(1000); // the start-up's own work is done
    const auto before = used();
    Sleep(4000);
    const auto spent = used() - before;
    CloseHandle(process);
    ASSERT_GT(before, 0u) << "the system gave no processor times"; // the start-up's own work
    // 80 polls in 4 s; a busy poll would spend most of the time.
    EXPECT_LT(spent, 100u) << spent << " ms of processor time in 4 s";

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.waitExit(15000));
}

} // namespace
