// The Netscape, Mozilla and Opera items erase real traces: registry records and files are laid
// out through the Windows API, the items are ticked and the run started through the window,
// and then every file, the traces and their neighbours, is looked at again.
#include "e2e/driver.h"
#include "resource.h"
#include "support/remove_tree.h"

#include <shlobj.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace calvorin::e2e;
using calvorin::test::removeTree;

namespace {

bool exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring appData() {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, path)))
        return {};
    return path;
}

bool keyExists(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

// What a test lays out, taken away again however it ends: keys it created with all below
// them, and files and folders it created with all inside.
class Layout {
  public:
    ~Layout() {
        for (const auto& [root, key] : keys_)
            RegDeleteTreeW(root, key.c_str());
        for (const auto& path : paths_) {
            const DWORD a = GetFileAttributesW(path.c_str());
            if (a == INVALID_FILE_ATTRIBUTES) continue;
            if (a & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(path);
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        }
    }

    // A REG_SZ value; the outermost key the test creates goes at the end.
    void value(HKEY root, const std::wstring& key, const std::wstring& name,
               const std::wstring& text) {
        for (std::size_t cut = 0; cut != std::wstring::npos;) {
            cut = key.find(L'\\', cut + 1);
            if (!keyExists(root, key.substr(0, cut))) {
                keys_.emplace_back(root, key.substr(0, cut));
                break;
            }
        }
        ASSERT_EQ(RegSetKeyValueW(root, key.c_str(), name.c_str(), REG_SZ, text.c_str(),
                                  static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }

    // A file with its missing folders; the outermost folder created goes at the end.
    void file(const std::wstring& path, const std::string& content = "trace",
              DWORD attributes = 0) {
        for (std::size_t cut = 3; (cut = path.find(L'\\', cut + 1)) != std::wstring::npos;) {
            const std::wstring folder = path.substr(0, cut);
            if (exists(folder)) continue;
            if (!claimed(folder)) paths_.push_back(folder);
            ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr)) << GetLastError();
        }
        HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE) << GetLastError();
        DWORD put = 0;
        WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &put, nullptr);
        CloseHandle(h);
        if (attributes) SetFileAttributesW(path.c_str(), attributes);
        if (!claimed(path)) paths_.push_back(path);
    }
    void folder(const std::wstring& path) {
        file(path + L"\\placeholder");
        DeleteFileW((path + L"\\placeholder").c_str());
    }

  private:
    bool claimed(const std::wstring& path) const {
        for (const auto& p : paths_)
            if (path.size() >= p.size() && _wcsnicmp(path.c_str(), p.c_str(), p.size()) == 0 &&
                (path.size() == p.size() || path[p.size()] == L'\\'))
                return true;
        return false;
    }
    std::vector<std::pair<HKEY, std::wstring>> keys_;
    std::vector<std::wstring> paths_;
};

std::vector<std::wstring> present(const std::vector<std::wstring>& paths) {
    std::vector<std::wstring> out;
    for (const auto& p : paths)
        if (exists(p)) out.push_back(p);
    return out;
}

class BrowserTracesE2E : public ::testing::Test {
  protected:
    void SetUp() override { clearSettings(); }
    void TearDown() override { clearSettings(); }

    // Shows the tab, presses "Select All" there and starts the run; waits for its end.
    static void eraseWholeTab(int tabIndex, int firstId, int count) {
        Program program;
        HWND main = program.mainWindow();
        ASSERT_TRUE(main);
        HWND tab = findChildById(main, IDC_TAB_ITEMS);
        HWND first = findChildById(main, firstId);
        ASSERT_TRUE(tab && first);
        for (int i = 0; i < tabIndex; ++i) {
            PostMessageW(tab, WM_KEYDOWN, VK_RIGHT, 0);
            PostMessageW(tab, WM_KEYUP, VK_RIGHT, 0);
        }
        ASSERT_TRUE(waitFor([&] { return IsWindowVisible(first) != FALSE; }, 5000))
            << "the tab did not come up";
        click(findChildById(main, IDC_SELL_ALL));
        ASSERT_TRUE(waitFor(
            [&] {
                for (int i = 0; i < count; ++i)
                    if (!isChecked(findChildById(main, firstId + i))) return false;
                return true;
            },
            5000));
        click(findChildById(main, IDC_CLEAN));
        HWND label1 = findChildById(main, IDC_LABEL1);
        ASSERT_TRUE(waitFor([&] { return textOf(label1) == L"Done."; }, 60000))
            << "the run did not end; a message box is "
            << (waitForMessageBox(program.pid(), 0) ? "up" : "not up");
        PostMessageW(main, WM_CLOSE, 0, 0);
        ASSERT_TRUE(program.waitExit(15000));
    }
};

TEST_F(BrowserTracesE2E, NetscapeItemsEraseNavigatorCommunicatorAndMozillaTracesOnly) {
    Layout layout;
    const std::wstring root = L"C:\\calvorin-e2e-ns";
    const std::wstring nav = root + L"\\nav\\joe\\";
    const std::wstring comm = root + L"\\Users\\ann\\";
    const std::wstring navKey = L"Software\\Netscape\\Netscape Navigator";
    layout.value(HKEY_LOCAL_MACHINE, navKey + L"\\Users", L"CurrentUser", L"joe");
    layout.value(HKEY_LOCAL_MACHINE, navKey + L"\\Users\\joe", L"DirRoot", root + L"\\nav\\joe");
    for (HKEY hive : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        layout.value(hive, navKey + L"\\biff", L"CurrentUser", L"ann");
        layout.value(hive, navKey + L"\\Main", L"Install Directory", root + L"\\Communicator");
    }

    // Mozilla lies in application data, where a profile without "Application Data" keeps it.
    const std::wstring data = appData();
    ASSERT_FALSE(data.empty());
    const std::wstring mozilla = data + L"\\Mozilla\\";
    ASSERT_FALSE(exists(mozilla)) << "a Mozilla folder that is not the test's";
    const std::wstring first = mozilla + L"Profiles\\default\\x1y2.slt\\";
    const std::wstring second = mozilla + L"Profiles\\work\\z3w4.slt\\";
    std::string registryDat = std::string("\x01\0default\0", 10);
    for (const auto& profile : {first, second}) {
        registryDat += std::string(profile.begin(), profile.end() - 1) + std::string("\0\x02", 2);
    }

    const std::vector<std::wstring> traces = {nav + L"FieldSchema.tbl",
                                              nav + L"URLFieldSchema.tbl",
                                              nav + L"cache\\a.htm",
                                              nav + L"mail\\trash",
                                              nav + L"mail\\trash.nsm",
                                              nav + L"netscape.hst",
                                              comm + L"SchemaValue.tbl",
                                              comm + L"SchemaConcat.tbl",
                                              comm + L"cache\\b.gif",
                                              comm + L"cache\\sub\\c.gif",
                                              comm + L"netscape.hst",
                                              comm + L"mail\\trash",
                                              first + L"Cache\\c1.htm",
                                              first + L"Cache\\Cache\\c2.htm",
                                              first + L"history.dat",
                                              first + L"URLFieldSchema.tbl",
                                              first + L"Mail\\Local Folders\\Trash",
                                              first + L"Mail\\Local Folders\\Trash.msf",
                                              first + L"cookies.txt"};
    const std::vector<std::wstring> neighbours = {nav + L"Value.tbl",
                                                  nav + L"prefs.js",
                                                  comm + L"bookmarks.htm",
                                                  first + L"Value.tbl",
                                                  first + L"prefs.js",
                                                  first + L"Mail\\Local Folders\\Trash2",
                                                  first + L"Mail\\Local Folders\\Inbox",
                                                  first + L"Cache2\\keep.htm",
                                                  second + L"cookies.txt",
                                                  second + L"history.dat.old",
                                                  root + L"\\FieldSchema.tbl"};
    for (const auto& path : traces)
        layout.file(path);
    for (const auto& path : neighbours)
        layout.file(path);
    layout.file(mozilla + L"registry.dat", registryDat);

    eraseWholeTab(2, IDC_CHK_NS_0, 6);
    EXPECT_EQ(present(traces), std::vector<std::wstring>{});
    EXPECT_EQ(present(neighbours), neighbours);
    for (const auto& folder : {nav + L"cache", comm + L"cache", first + L"Cache"})
        EXPECT_TRUE(exists(folder)) << "emptied, kept";
    EXPECT_FALSE(exists(comm + L"cache\\sub"));
    EXPECT_FALSE(exists(first + L"Cache\\Cache\\c2.htm"));
    EXPECT_TRUE(exists(mozilla + L"registry.dat"));
}

TEST_F(BrowserTracesE2E, OperaItemsEraseTheInstallAndProfileTracesOnly) {
    Layout layout;
    const std::wstring install = L"C:\\calvorin-e2e-opera";
    layout.value(HKEY_LOCAL_MACHINE,
                 L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Opera.exe", L"Path",
                 install);
    const std::wstring data = appData();
    ASSERT_FALSE(data.empty());
    ASSERT_FALSE(exists(data + L"\\Opera")) << "an Opera folder that is not the test's";
    const std::wstring profile = data + L"\\Opera\\OPERA7\\profile\\";

    const std::vector<std::wstring> traces = {
        install + L"\\Cache\\opr001.htm", install + L"\\Cache\\opr002.gif",
        install + L"\\cookies.dat",       profile + L"global.dat",
        profile + L"opera.dir",           profile + L"cache4\\opr0A1.tmp",
        profile + L"cache4\\dcache4.url"};
    const std::vector<std::wstring> neighbours = {
        install + L"\\Opera.exe", install + L"\\Cache\\sub\\keep.htm",
        profile + L"cache4\\sub\\opr0B2.tmp", profile + L"opera6.ini", profile + L"cookies4.dat"};
    for (const auto& path : traces)
        layout.file(path);
    for (const auto& path : neighbours)
        layout.file(path);
    SetFileAttributesW((profile + L"cookies4.dat").c_str(), FILE_ATTRIBUTE_READONLY);
    layout.file(profile + L"cache4\\hidden.tmp", "hidden", FILE_ATTRIBUTE_HIDDEN);

    eraseWholeTab(3, IDC_CHK_OP_0, 3);
    EXPECT_EQ(present(traces), std::vector<std::wstring>{});
    EXPECT_EQ(present(neighbours), neighbours)
        << "subfolders, other files and a read-only cookies4.dat stay";
    EXPECT_TRUE(exists(profile + L"cache4\\hidden.tmp"));
    EXPECT_TRUE(exists(install + L"\\Cache"));
    EXPECT_TRUE(exists(profile + L"cache4"));
}

} // namespace
