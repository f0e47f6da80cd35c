// The upgrade under Wine: Calvorin.exe and Update.exe in a program folder of their own, and a
// local web server on the address the test build gives the update server and the probe.
#include "e2e/driver.h"
#include "resource.h"
#include "support/http_server.h"
#include "support/remove_tree.h"
#include "update_resource.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>

using namespace calvorin;
using namespace calvorin::e2e;

namespace {

constexpr const wchar_t* kUpdateKey = L"Software\\Microsoft\\CalvorinUpdate";
const std::string kMark = "\r\nTHE-NEW-VERSION\r\n";

std::wstring ownFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p = path;
    return p.substr(0, p.find_last_of(L"\\/"));
}

std::string readFile(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring updateValue(const wchar_t* name) {
    wchar_t buffer[256] = {};
    DWORD size = sizeof(buffer);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kUpdateKey, name, RRF_RT_REG_SZ, nullptr, buffer, &size) !=
        ERROR_SUCCESS)
        return L"<none>";
    return buffer;
}

void setUpdateValue(const wchar_t* name, const std::wstring& text) {
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_LOCAL_MACHINE, kUpdateKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                    nullptr);
    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

// A program started from the test's program folder; ended when the object goes.
class Started {
  public:
    explicit Started(const std::wstring& exe) {
        std::wstring commandLine = L"\"" + exe + L"\"";
        STARTUPINFOW si{};
        si.cb = sizeof(si);
        if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &si, &info_))
            ADD_FAILURE() << "cannot start the program, error " << GetLastError();
    }
    ~Started() {
        if (!info_.hProcess) return;
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(info_.hProcess, 1);
            WaitForSingleObject(info_.hProcess, 5000);
        }
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;
    bool waitExit(int ms) {
        return WaitForSingleObject(info_.hProcess, static_cast<DWORD>(ms)) == WAIT_OBJECT_0;
    }

  private:
    PROCESS_INFORMATION info_{};
};

HWND visibleWindow(const wchar_t* title) {
    HWND w = FindWindowW(nullptr, title);
    return w && IsWindowVisible(w) ? w : nullptr;
}

// Shows the Settings page and presses "Check For Upgrade" on it, as a user would.
void pressCheckForUpgrade(HWND main) {
    click(findChild(main, L"Settings", L"Button"));
    HWND check = findChildById(main, IDC_COMMAND1); // the frame around it bears the same words
    ASSERT_TRUE(check);
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(check) != FALSE; }, 10000));
    click(check);
}

HWND waitForWindow(const wchar_t* title, int ms) {
    HWND found = nullptr;
    waitFor([&] { return (found = visibleWindow(title)) != nullptr; }, ms);
    return found;
}

struct BoxSearch {
    std::wstring text;
    HWND found = nullptr;
};
BOOL CALLBACK searchBoxByText(HWND hwnd, LPARAM param) {
    auto* s = reinterpret_cast<BoxSearch*>(param);
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    if (std::wstring(cls) == L"#32770" && IsWindowVisible(hwnd) &&
        messageBoxText(hwnd) == s->text) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}
// A message box of any process that shows exactly this text.
HWND findMessageBox(const std::wstring& text) {
    BoxSearch s{text};
    EnumWindows(searchBoxByText, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

class UpgradeE2E : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(server.listening()) << "port 47321 is taken";
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"CalvorinUpgradeE2E";
        test::removeTree(folder);
        CreateDirectoryW(folder.c_str(), nullptr);
        for (const wchar_t* name : {L"Calvorin.exe", L"Update.exe"})
            ASSERT_TRUE(CopyFileW((ownFolder() + L"\\" + name).c_str(), at(name).c_str(), FALSE));
        original = readFile(at(L"Calvorin.exe"));
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, kUpdateKey);
        clearSettings();
        server.serve("/probe", test::HttpServer::response("up"));
    }
    void TearDown() override {
        // Whatever still runs from the folder goes with it.
        if (HWND main = FindWindowW(nullptr, kWindowTitle)) PostMessageW(main, WM_CLOSE, 0, 0);
        waitFor([] { return FindWindowW(nullptr, kWindowTitle) == nullptr; }, 15000);
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, kUpdateKey);
        clearSettings();
        test::removeTree(folder);
    }
    std::wstring at(const std::wstring& name) { return folder + L"\\" + name; }
    std::size_t requestsOf(const std::string& path) {
        std::size_t n = 0;
        for (const auto& r : server.requests())
            n += r == path;
        return n;
    }
    std::wstring statusLine(HWND status) { return textOf(GetDlgItem(status, IDC_LOAD_NAME)); }

    test::HttpServer server{47321};
    std::wstring folder;
    std::string original;
};

TEST_F(UpgradeE2E, ANewerVersionReplacesTheProgramOverTwoStartsAndIsAnnouncedOnce) {
    setUpdateValue(L"ver", L"7");
    server.serve("/cvn.txt", test::HttpServer::response("8\r\n"));
    const std::string newVersion = original + kMark; // a program still, with a mark at its end
    server.serve("/cvnupdate.exe", test::HttpServer::response(newVersion));

    auto first = std::make_unique<Started>(at(L"Calvorin.exe"));
    HWND main = waitForWindow(kWindowTitle, 20000);
    ASSERT_TRUE(main);
    pressCheckForUpgrade(main);

    // Update.exe downloads, hands over and closes the main window ...
    EXPECT_TRUE(first->waitExit(60000)) << "the main window was not closed";
    EXPECT_EQ(updateValue(L"Up"), L"b") << "the hand-off was not written";
    EXPECT_EQ(updateValue(L"ver"), L"8");
    EXPECT_EQ(updateValue(L"donreq"), L"z");
    // ... "cvn.exe" puts itself in place of "Calvorin.exe", which announces the upgrade.
    HWND box = nullptr;
    ASSERT_TRUE(waitFor(
        [&] { return (box = findMessageBox(L"Calvorin Upgraded. Thank you")) != nullptr; }, 90000));
    pressOk(box);
    main = waitForWindow(kWindowTitle, 20000);
    ASSERT_TRUE(main);
    EXPECT_EQ(readFile(at(L"Calvorin.exe")), newVersion);
    EXPECT_FALSE(exists(at(L"cvn.exe")));
    EXPECT_FALSE(exists(at(L"Calvorin.exe.new")));
    EXPECT_EQ(updateValue(L"Up"), L"a");
    EXPECT_EQ(updateValue(L"donreq"), L"<none>");
    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(waitFor([] { return FindWindowW(nullptr, kWindowTitle) == nullptr; }, 15000));

    // The next start has nothing to announce.
    Started again(at(L"Calvorin.exe"));
    ASSERT_TRUE(waitForWindow(kWindowTitle, 20000));
    EXPECT_FALSE(
        waitFor([] { return findMessageBox(L"Calvorin Upgraded. Thank you") != nullptr; }, 3000));
}

TEST_F(UpgradeE2E, AnEqualVersionChangesNothingAndALowerOneIsRemembered) {
    setUpdateValue(L"ver", L"7");
    server.serve("/cvn.txt", test::HttpServer::response("7"));
    {
        Started update(at(L"Update.exe"));
        HWND status = waitForWindow(L"Calvorin -- Upgrade", 20000);
        ASSERT_TRUE(status);
        EXPECT_TRUE(waitFor(
            [&] { return statusLine(status) == L"No upgrade of Calvorin was available"; }, 20000));
        EXPECT_TRUE(update.waitExit(20000)) << "Update.exe did not end";
    }
    EXPECT_EQ(updateValue(L"ver"), L"7");
    EXPECT_EQ(updateValue(L"Up"), L"<none>");
    EXPECT_EQ(requestsOf("/cvnupdate.exe"), 0u);
    EXPECT_FALSE(exists(at(L"cvn.exe")));

    server.serve("/cvn.txt", test::HttpServer::response("6"));
    Started lower(at(L"Update.exe"));
    EXPECT_TRUE(lower.waitExit(30000));
    EXPECT_EQ(updateValue(L"ver"), L"6");
    EXPECT_EQ(readFile(at(L"Calvorin.exe")), original);
}

TEST_F(UpgradeE2E, DownloadsThatAreNoWholeProgramAreRefusedSixTimesAndNothingChanges) {
    setUpdateValue(L"ver", L"3");
    server.serve("/cvn.txt", test::HttpServer::response("4"));
    const std::string html =
        "<html><body>Sign in to the network</body></html>" + std::string(3000, ' ');
    const struct {
        const char* what;
        std::string response;
        std::size_t requests; // a size query per attempt, and a fetch when the size was good
    } cases[] = {
        {"truncated",
         "HTTP/1.1 200 OK\r\nContent-Length: 300000\r\nConnection: close\r\n\r\n" +
             original.substr(0, 150000),
         6},
        {"an HTML error page", test::HttpServer::response(html), 12},
        {"404", test::HttpServer::response(original, 404), 6},
    };
    Started calvorin(at(L"Calvorin.exe"));
    ASSERT_TRUE(waitForWindow(kWindowTitle, 20000));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::size_t before = requestsOf("/cvnupdate.exe");
        server.serve("/cvnupdate.exe", c.response);
        Started update(at(L"Update.exe"));
        HWND status = waitForWindow(L"Calvorin -- Upgrade", 20000);
        ASSERT_TRUE(status);
        EXPECT_TRUE(
            waitFor([&] { return requestsOf("/cvnupdate.exe") - before == c.requests; }, 60000));
        // It stays open until the user closes it.
        EXPECT_TRUE(waitFor(
            [&] {
                return statusLine(status).find(L"could not be downloaded") != std::wstring::npos;
            },
            20000));
        EXPECT_FALSE(update.waitExit(500));
        PostMessageW(status, WM_CLOSE, 0, 0);
        EXPECT_TRUE(update.waitExit(15000)) << "closing the status window did not end Update.exe";
        EXPECT_FALSE(exists(at(L"cvn.exe")));
        EXPECT_EQ(updateValue(L"Up"), L"<none>");
        EXPECT_EQ(updateValue(L"ver"), L"3");
        EXPECT_TRUE(visibleWindow(kWindowTitle)) << "the main window was closed";
    }
}

TEST_F(UpgradeE2E, AMissingUpdateProgramIsReported) {
    DeleteFileW(at(L"Update.exe").c_str());
    Started calvorin(at(L"Calvorin.exe"));
    HWND main = waitForWindow(kWindowTitle, 20000);
    ASSERT_TRUE(main);
    pressCheckForUpgrade(main);
    HWND box = nullptr;
    ASSERT_TRUE(waitFor(
        [&] {
            return (box = findMessageBox(
                        L"Upgrade client is missing. Please reinstall the software.")) != nullptr;
        },
        15000));
    pressOk(box);
    EXPECT_TRUE(waitFor([&] { return !IsWindow(box); }, 5000));
    EXPECT_TRUE(visibleWindow(kWindowTitle));
}

} // namespace
