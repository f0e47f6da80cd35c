// The Windows and Internet Explorer items erase real traces: the prefix is filled through the
// Windows API, the items are ticked and the run started through the window, and then the
// registry, the files, the URL cache and the clipboard are read back.
#include "support/remove_tree.h"
#include "e2e/driver.h"
#include "resource.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <urlhist.h>
#include <wininet.h>

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

using namespace calvorin::e2e;
using calvorin::test::removeTree;

namespace {

bool onWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

constexpr std::array<const wchar_t*, 10> kWindowsItems{
    L"Recycle Bin",         L"Recent Run History ",     L"Recent Document List",
    L"Find File/Folder History", L"Registry Fragment Files", L"Clipboard",
    L"Scan Disk .Chk File", L" Windows Temp File Folder", L"Open/Save Dialog Box History",
    L"Search Computer History"};
constexpr std::array<const wchar_t*, 9> kIeItems{
    L"Location Bar History", L" AutoComplete  Forms Data", L"Temporary Internet Files (Cache)",
    L"Auto Complete Password Data", L"Internet History", L"URL Error Logs", L"Locked Index.dat",
    L"Outlook Express Temp", L"Cookies"};
constexpr int kCookiesItem = 8;

const std::wstring kExplorer = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::wstring kRunMru = kExplorer + L"\\RunMRU";
const std::wstring kDocFindMru = L"Software\\Microsoft\\Windows\\Currentversion\\Explorer\\Doc Find Spec MRU";
const std::wstring kSearchBar =
    L"Software\\Microsoft\\Internet Explorer\\Explorer Bars\\{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}";
const std::wstring kFilesNamedMru = kSearchBar + L"\\FilesNamedMRU";
const std::wstring kContainingTextMru = kSearchBar + L"\\ContainingTextMRU";
const std::wstring kStreamMru = L"Software\\Microsoft\\Windows\\CurrentVersion\\StreamMRU";
const std::wstring kMemoryManagement = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
const std::wstring kOpenSaveMru = kExplorer + L"\\ComDlg32\\OpenSaveMRU";
const std::wstring kLastVisitedMru = kExplorer + L"\\ComDlg32\\LastVisitedMRU";
const std::wstring kAcMru = L"Software\\Microsoft\\Search Assistant\\ACMru";
const std::wstring kIe = L"Software\\Microsoft\\Internet Explorer";
const std::wstring kTypedUrls = kIe + L"\\TypedURLs";
const std::wstring kIntelliForms = kIe + L"\\IntelliForms";
const std::wstring kIdentity = L"{6A1E0C5D-2B7F-4E8A-9C3D-CA1C0E2E0001}";
const std::wstring kOeStore = L"Identities\\" + kIdentity + L"\\Software\\Microsoft\\Outlook Express\\5.0";

// Outside every folder an item erases: only the test's own clean-up removes it.
const std::wstring kKeepDir = L"C:\\calvorin-e2e-keep";

// {3C374A40-BAE4-11CF-BF7D-00AA006946EE} and {AFA0DC11-C313-11D0-831A-00C04FD5AE38}
constexpr CLSID kUrlHistoryClass = {0x3C374A40, 0xBAE4, 0x11CF, {0xBF, 0x7D, 0x00, 0xAA, 0x00, 0x69, 0x46, 0xEE}};
constexpr IID kUrlHistoryStg2 = {0xAFA0DC11, 0xC313, 0x11D0, {0x83, 0x1A, 0x00, 0xC0, 0x4F, 0xD5, 0xAE, 0x38}};

bool keyExists(const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

std::wstring stringValue(const std::wstring& path, const std::wstring& name) {
    wchar_t buffer[512] = {};
    DWORD size = sizeof(buffer) - sizeof(wchar_t);
    if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_SZ | RRF_NOEXPAND,
                     nullptr, buffer, &size) != ERROR_SUCCESS)
        return L"<absent>";
    return buffer;
}

bool fileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string fileBytes(const std::wstring& path) {
    std::string bytes;
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "<unreadable>";
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(h, buffer, sizeof(buffer), &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(h);
    return bytes;
}

bool writeFile(const std::wstring& path, const std::string& content, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD put = 0;
    const bool ok = WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &put, nullptr);
    CloseHandle(h);
    return ok && SetFileAttributesW(path.c_str(), attributes);
}

std::vector<std::wstring> filesMatching(const std::wstring& folder, const std::wstring& pattern) {
    std::vector<std::wstring> found;
    WIN32_FIND_DATAW data{};
    HANDLE h = FindFirstFileW((folder + L"\\" + pattern).c_str(), &data);
    if (h == INVALID_HANDLE_VALUE) return found;
    do found.push_back(folder + L"\\" + data.cFileName);
    while (FindNextFileW(h, &data));
    FindClose(h);
    return found;
}

std::wstring specialFolder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, 0, path))) return {};
    return path;
}

std::wstring tempFolder() {
    wchar_t path[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, path);
    return path; // ends in "\"
}

void removePath(const std::wstring& path) {
    const DWORD a = GetFileAttributesW(path.c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return;
    if (a & FILE_ATTRIBUTE_DIRECTORY) return removeTree(path);
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path.c_str());
}

// One URL cache entry committed the way a browser commits it: its file written first.
bool addCacheEntry(const std::wstring& url, DWORD type, const std::string& content, std::wstring& localFile) {
    wchar_t file[MAX_PATH * 2] = {};
    if (!CreateUrlCacheEntryW(url.c_str(), 0, L"htm", file, 0)) return false;
    if (!writeFile(file, content)) return false;
    FILETIME none{};
    if (!CommitUrlCacheEntryW(url.c_str(), file, none, none, type, nullptr, 0, nullptr, nullptr)) return false;
    localFile = file;
    return true;
}

bool cacheEntryExists(const std::wstring& url) {
    DWORD size = 0;
    if (GetUrlCacheEntryInfoW(url.c_str(), nullptr, &size)) return true;
    return GetLastError() == ERROR_INSUFFICIENT_BUFFER;
}

bool setClipboardText(const std::wstring& text) {
    if (!OpenClipboard(nullptr)) return false;
    EmptyClipboard();
    bool ok = false;
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t))) {
        std::memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
        GlobalUnlock(memory);
        ok = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        if (!ok) GlobalFree(memory);
    }
    CloseClipboard();
    return ok;
}

std::int64_t recycledItems() {
    SHQUERYRBINFO info{};
    info.cbSize = sizeof(info);
    if (FAILED(SHQueryRecycleBinW(L"C:\\", &info))) return -1;
    return info.i64NumItems;
}

// The browser's history store, or null where the system has none to offer.
IUrlHistoryStg2* historyStore() {
    IUrlHistoryStg2* store = nullptr;
    if (FAILED(CoCreateInstance(kUrlHistoryClass, nullptr, CLSCTX_INPROC_SERVER, kUrlHistoryStg2,
                                reinterpret_cast<void**>(&store))))
        return nullptr;
    return store;
}

// What the test put into the prefix, taken out again however the test ends: keys it created
// go with everything below them, values it added to existing keys go or get their old text.
class Traces {
  public:
    ~Traces() {
        for (HANDLE h : held_) CloseHandle(h);
        for (const auto& url : cacheEntries_) DeleteUrlCacheEntryW(url.c_str());
        if (history_) {
            history_->DeleteUrl(historyUrl_.c_str(), 0);
            history_->Release();
        }
        for (auto it = values_.rbegin(); it != values_.rend(); ++it) {
            if (it->hadValue)
                RegSetKeyValueW(HKEY_CURRENT_USER, it->key.c_str(), it->name.c_str(), REG_SZ, it->old.c_str(),
                                static_cast<DWORD>((it->old.size() + 1) * sizeof(wchar_t)));
            else
                RegDeleteKeyValueW(HKEY_CURRENT_USER, it->key.c_str(), it->name.c_str());
        }
        for (const auto& key : keys_) RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
        for (const auto& path : paths_) removePath(path);
    }

    // Notes the outermost missing key along `path`, so the clean-up removes what a writer
    // (the test or the program) creates there. True when the whole path already existed.
    bool claimKey(const std::wstring& path) {
        for (std::size_t cut = 0; cut != std::wstring::npos;) {
            cut = path.find(L'\\', cut + 1);
            const std::wstring prefix = path.substr(0, cut);
            if (!keyExists(prefix)) {
                keys_.push_back(prefix);
                return false;
            }
        }
        return true;
    }

    void set(const std::wstring& key, const std::wstring& name, const std::wstring& text) {
        if (claimKey(key)) {
            const std::wstring old = stringValue(key, name);
            values_.push_back({key, name, old != L"<absent>", old});
        }
        HKEY h = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr),
                  ERROR_SUCCESS) << "cannot create the key " << key.size();
        EXPECT_EQ(RegSetValueExW(h, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                 static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
        RegCloseKey(h);
    }

    // A file or folder removed at the end, with what is below it.
    void claimPath(const std::wstring& path) { paths_.push_back(path); }

    void folder(const std::wstring& path) { ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr)) << GetLastError(); }

    void file(const std::wstring& path, const std::string& content, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        ASSERT_TRUE(writeFile(path, content, attributes)) << "cannot write a file, error " << GetLastError();
    }

    void claimCacheEntry(const std::wstring& url) { cacheEntries_.push_back(url); }

    // The history store (taken over) and an address the test put into it.
    void claimHistory(IUrlHistoryStg2* store, const std::wstring& url) {
        history_ = store;
        historyUrl_ = url;
    }

    // Opened without sharing until the end, as a program at work keeps its files.
    void holdOpen(const std::wstring& path) {
        HANDLE h = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        held_.push_back(h);
    }

  private:
    struct Value {
        std::wstring key, name;
        bool hadValue;
        std::wstring old;
    };
    std::vector<Value> values_;
    std::vector<std::wstring> keys_;
    std::vector<std::wstring> paths_;
    std::vector<HANDLE> held_;
    std::vector<std::wstring> cacheEntries_;
    std::wstring historyUrl_;
    IUrlHistoryStg2* history_ = nullptr;
};

class TraceEraseE2E : public ::testing::Test {
  protected:
    void SetUp() override {
        clearSettings();
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    }
    void TearDown() override {
        clearSettings();
        CoUninitialize();
    }

    // Ticks the boxes as a user does: the Internet Explorer ones only once their tab shows.
    static void tick(HWND main, const std::vector<int>& windows, const std::vector<int>& ie) {
        for (int i : windows) {
            HWND box = findChildById(main, IDC_CHK_WIN_0 + i);
            ASSERT_TRUE(box && IsWindowVisible(box)) << "Windows item " << i;
            ASSERT_EQ(textOf(box), kWindowsItems[static_cast<std::size_t>(i)]);
            click(box);
        }
        HWND first = findChildById(main, IDC_CHK_IE_0);
        ASSERT_TRUE(first);
        ASSERT_FALSE(IsWindowVisible(first)) << "the Internet Explorer tab shows from the start";
        HWND tab = findChildById(main, IDC_TAB_ITEMS);
        ASSERT_TRUE(tab);
        PostMessageW(tab, WM_KEYDOWN, VK_RIGHT, 0);
        PostMessageW(tab, WM_KEYUP, VK_RIGHT, 0);
        ASSERT_TRUE(waitFor([&] { return IsWindowVisible(first) != FALSE; }, 5000))
            << "the Internet Explorer tab did not come up";
        for (int i : ie) {
            HWND box = findChildById(main, IDC_CHK_IE_0 + i);
            ASSERT_TRUE(box && IsWindowVisible(box)) << "Internet Explorer item " << i;
            ASSERT_EQ(textOf(box), kIeItems[static_cast<std::size_t>(i)]);
            click(box);
        }
        ASSERT_TRUE(waitFor([&] {
            for (int i : windows)
                if (!isChecked(findChildById(main, IDC_CHK_WIN_0 + i))) return false;
            for (int i : ie)
                if (!isChecked(findChildById(main, IDC_CHK_IE_0 + i))) return false;
            return true;
        }, 5000)) << "not every box took its tick";
        EXPECT_FALSE(isChecked(findChildById(main, IDC_CHK_IE_0 + kCookiesItem)));
    }

    static void runToDone(Program& program, HWND main, int ms) {
        HWND start = findChildById(main, IDC_CLEAN);
        ASSERT_TRUE(start);
        ASSERT_EQ(textOf(start), L"Start Cleaning");
        click(start);
        HWND label1 = findChildById(main, IDC_LABEL1);
        ASSERT_TRUE(waitFor([&] { return textOf(label1) == L"Done."; }, ms))
            << "the run did not end; a message box is " << (waitForMessageBox(program.pid(), 0) ? "up" : "not up");
        PostMessageW(main, WM_CLOSE, 0, 0);
        ASSERT_TRUE(program.waitExit(15000)) << "the program did not end";
    }
};

TEST_F(TraceEraseE2E, EveryWindowsAndInternetExplorerItemButCookiesErasesItsTracesAndNoMore) {
    const bool wine = onWine();
    Traces traces;

    // Registry traces: values and subkeys in every key an item wipes, and neighbours that stay.
    traces.set(kRunMru, L"a", L"notepad secret.txt\\1");
    traces.set(kRunMru, L"b", L"regedit\\1");
    traces.set(kRunMru, L"MRUList", L"ab");
    traces.set(kRunMru + L"\\Nested", L"c", L"cmd");
    traces.set(kExplorer, L"CalvorinE2E", L"beside RunMRU");
    traces.set(kDocFindMru, L"a", L"salary*.xls");
    traces.set(kDocFindMru, L"MRUList", L"a");
    traces.set(kDocFindMru + L"\\Nested", L"b", L"diary.doc");
    traces.set(kFilesNamedMru, L"000", L"letters.doc");
    traces.set(kFilesNamedMru, L"001", L"bank.pdf");
    traces.set(kFilesNamedMru + L"\\Nested", L"002", L"plans");
    traces.set(kContainingTextMru, L"000", L"kept phrase");
    traces.set(kStreamMru, L"MRUList", L"a");
    traces.set(kStreamMru, L"a", L"stream");
    traces.set(kStreamMru + L"\\5", L"b", L"stream below");
    traces.claimKey(kMemoryManagement);
    traces.set(kOpenSaveMru, L"a", L"C:\\secret\\budget.xls");
    traces.set(kOpenSaveMru, L"MRUList", L"a");
    traces.set(kOpenSaveMru + L"\\xls", L"a", L"C:\\secret\\budget.xls");
    traces.set(kOpenSaveMru + L"\\*", L"a", L"C:\\secret\\letter.txt");
    traces.set(kLastVisitedMru, L"a", L"notepad.exe C:\\secret");
    traces.set(kAcMru + L"\\5647", L"000", L"computer name");
    traces.set(kAcMru + L"\\5647\\Nested", L"001", L"other computer");
    traces.set(kAcMru + L"\\5604", L"000", L"search words");
    traces.set(kAcMru + L"\\5604\\Nested", L"001", L"more words");
    traces.set(kAcMru + L"\\5603", L"000", L"kept search");
    traces.set(kTypedUrls, L"url1", L"http://calvorin-e2e.test/typed1");
    traces.set(kTypedUrls, L"url2", L"http://calvorin-e2e.test/typed2");
    traces.set(kTypedUrls + L"\\Nested", L"url3", L"http://calvorin-e2e.test/typed3");
    traces.set(kIe, L"CalvorinE2E", L"beside TypedURLs");
    traces.set(kIntelliForms + L"\\Storage1", L"0F1E2D", L"form suggestion");
    traces.set(kIntelliForms + L"\\Storage2", L"3C4B5A", L"password");
    traces.set(kIntelliForms + L"\\SPW", L"http://calvorin-e2e.test/login", L"saved password");

    // Files in the temporary folder: nested normal files go; hidden, system, read-only and
    // open files stay, and so do the folders holding them.
    const std::wstring temp = tempFolder();
    const std::wstring t = temp + L"calvorin-e2e-";
    for (const wchar_t* name : {L"a.txt", L"dir", L"empty", L"keep", L"hidden.txt", L"system.txt",
                                L"readonly.txt", L"hiddendir", L"open"})
        traces.claimPath(t + name);
    traces.file(t + L"a.txt", "top");
    traces.folder(t + L"dir");
    traces.file(t + L"dir\\b.txt", "level 1");
    traces.folder(t + L"dir\\deeper");
    traces.file(t + L"dir\\deeper\\c.log", "level 2");
    traces.folder(t + L"dir\\deeper\\deepest");
    traces.file(t + L"dir\\deeper\\deepest\\d.tmp", "level 3");
    traces.folder(t + L"empty");
    traces.folder(t + L"keep");
    traces.file(t + L"keep\\gone.txt", "normal beside hidden");
    traces.file(t + L"keep\\hidden.txt", "hidden", FILE_ATTRIBUTE_HIDDEN);
    traces.file(t + L"hidden.txt", "hidden", FILE_ATTRIBUTE_HIDDEN);
    traces.file(t + L"system.txt", "system", FILE_ATTRIBUTE_SYSTEM);
    traces.file(t + L"readonly.txt", "read-only", FILE_ATTRIBUTE_READONLY);
    traces.folder(t + L"hiddendir");
    SetFileAttributesW((t + L"hiddendir").c_str(), FILE_ATTRIBUTE_HIDDEN);
    traces.file(t + L"hiddendir\\inside.txt", "in a hidden folder");
    traces.folder(t + L"open");
    traces.file(t + L"open\\busy.txt", "in use");
    traces.holdOpen(t + L"open\\busy.txt");

    // Scan-disk files in C:\: hidden ones go too, read-only ones stay, subfolders are not searched.
    const std::wstring c = L"C:\\calvorin-e2e-";
    for (const wchar_t* name : {L"0000.chk", L"0001.chk", L"0002.chk", L"0003.chk", L"chk.txt"})
        traces.claimPath(c + name);
    traces.claimPath(kKeepDir);
    traces.file(c + L"0000.chk", "lost cluster");
    traces.file(c + L"0001.chk", "lost cluster");
    traces.file(c + L"0002.chk", "hidden lost cluster", FILE_ATTRIBUTE_HIDDEN);
    traces.file(c + L"0003.chk", "read-only lost cluster", FILE_ATTRIBUTE_READONLY);
    traces.file(c + L"chk.txt", "not a scan-disk file");
    traces.folder(kKeepDir);
    traces.file(kKeepDir + L"\\inner.chk", "not in the root");
    traces.file(kKeepDir + L"\\report.txt", "a document");

    // A document in the recent list and a deleted file in the Recycle Bin.
    const std::wstring recent = specialFolder(CSIDL_RECENT);
    traces.claimKey(kExplorer + L"\\RecentDocs");
    SHAddToRecentDocs(SHARD_PATHW, (kKeepDir + L"\\report.txt").c_str());
    for (const auto& link : filesMatching(recent, L"report*.lnk")) traces.claimPath(link);
    if (!wine) {
        ASSERT_FALSE(filesMatching(recent, L"report*.lnk").empty()) << "the document did not reach the recent list";
    }
    traces.file(kKeepDir + L"\\binned.txt", "deleted to the bin");
    {
        std::wstring from = kKeepDir + L"\\binned.txt";
        from.push_back(L'\0'); // the list of names ends in an empty one
        SHFILEOPSTRUCTW op{};
        op.wFunc = FO_DELETE;
        op.pFrom = from.c_str();
        op.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
        ASSERT_EQ(SHFileOperationW(&op), 0);
    }
    ASSERT_FALSE(fileExists(kKeepDir + L"\\binned.txt"));
    ASSERT_GT(recycledItems(), 0) << "the deleted file did not reach the Recycle Bin";

    setClipboardText(L"card number 4929 0000 0000 0000");
    ASSERT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));

    // URL cache entries: pages go; a cookie and a visited address stay with the cache item.
    const std::wstring page = L"http://calvorin-e2e.test/page.htm";
    const std::wstring sticky = L"http://calvorin-e2e.test/sticky.css";
    const std::wstring cookie = L"Cookie:root@calvorin-e2e.test/";
    const std::wstring visited = L"Visited: root@http://calvorin-e2e.test/visited.htm";
    std::wstring pageFile, stickyFile, cookieFile, visitedFile;
    for (const auto& url : {page, sticky, cookie, visited}) traces.claimCacheEntry(url);
    ASSERT_TRUE(addCacheEntry(page, NORMAL_CACHE_ENTRY, "<html>page</html>", pageFile)) << GetLastError();
    ASSERT_TRUE(addCacheEntry(sticky, NORMAL_CACHE_ENTRY | STICKY_CACHE_ENTRY, "body {}", stickyFile))
        << GetLastError();
    ASSERT_TRUE(addCacheEntry(cookie, NORMAL_CACHE_ENTRY | COOKIE_CACHE_ENTRY, "id\n42\n", cookieFile))
        << GetLastError();
    ASSERT_TRUE(addCacheEntry(visited, NORMAL_CACHE_ENTRY | URLHISTORY_CACHE_ENTRY, "", visitedFile))
        << GetLastError();
    for (const auto& url : {page, sticky, cookie, visited}) ASSERT_TRUE(cacheEntryExists(url));

    // The history store, where the system has one.
    const std::wstring historyUrl = L"http://calvorin-e2e.test/history.htm";
    IUrlHistoryStg2* store = historyStore();
    traces.claimHistory(store, historyUrl);
    const bool historyAdded = store && SUCCEEDED(store->AddUrl(historyUrl.c_str(), L"title", 0));
    if (!wine) {
        ASSERT_TRUE(historyAdded) << "the history store refused an address";
    }

    // An index file of the history folder that nothing holds open.
    const std::wstring historyIndex = specialFolder(CSIDL_HISTORY) + L"\\index.dat";
    const bool ownIndex = !fileExists(historyIndex);
    const std::string indexText = "visited http://calvorin-e2e.test/secret";
    if (ownIndex) {
        traces.claimPath(historyIndex);
        traces.file(historyIndex, indexText);
    }

    // The default identity's mail store, where the Outlook Express item looks.
    const std::wstring oeStore = kKeepDir + L"\\Outlook Express";
    traces.set(L"Identities", L"Default User ID", kIdentity);
    traces.set(kOeStore, L"Store Root", oeStore);
    traces.folder(oeStore);
    traces.file(oeStore + L"\\Deleted Items.dbx", "deleted mail");
    traces.file(oeStore + L"\\Inbox.dbx", "kept mail");
    if (HasFatalFailure()) return;

    std::vector<int> allIe;
    for (int i = 0; i < static_cast<int>(kIeItems.size()); ++i)
        if (i != kCookiesItem) allIe.push_back(i);
    {
        Program program;
        HWND main = program.mainWindow();
        ASSERT_TRUE(main) << "the main window did not show";
        tick(main, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, allIe);
        if (HasFatalFailure()) return;
        runToDone(program, main, 40000);
        if (HasFatalFailure()) return;
    }
    EXPECT_EQ(readSetting(L"MViewer", L"lastClean"), todayShortDate());

    // Windows items.
    EXPECT_EQ(recycledItems(), 0) << "Recycle Bin";
    EXPECT_FALSE(keyExists(kRunMru)) << "Recent Run History";
    EXPECT_EQ(stringValue(kExplorer, L"CalvorinE2E"), L"beside RunMRU");
    if (wine) {
        // Wine's SHAddToRecentDocs(NULL) leaves the recent documents in place.
    } else {
        EXPECT_TRUE(filesMatching(recent, L"report*.lnk").empty()) << "Recent Document List";
    }
    EXPECT_TRUE(fileExists(kKeepDir + L"\\report.txt")) << "the document itself stays";
    EXPECT_FALSE(keyExists(kDocFindMru)) << "Find File/Folder History";
    EXPECT_FALSE(keyExists(kFilesNamedMru)) << "Find File/Folder History";
    EXPECT_EQ(stringValue(kContainingTextMru, L"000"), L"kept phrase");
    EXPECT_FALSE(keyExists(kStreamMru)) << "Registry Fragment Files";
    EXPECT_EQ(stringValue(kMemoryManagement, L"ClearPageFileAtShutdown"), L"0");
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT)) << "Clipboard";

    EXPECT_FALSE(fileExists(c + L"0000.chk")) << "Scan Disk .Chk File";
    EXPECT_FALSE(fileExists(c + L"0001.chk"));
    EXPECT_FALSE(fileExists(c + L"0002.chk")) << "a hidden scan-disk file goes too";
    EXPECT_TRUE(fileExists(c + L"0003.chk")) << "a read-only scan-disk file stays";
    EXPECT_TRUE(fileExists(c + L"chk.txt"));
    EXPECT_TRUE(fileExists(kKeepDir + L"\\inner.chk"));

    EXPECT_TRUE(fileExists(temp)) << "Windows Temp File Folder: the folder itself stays";
    EXPECT_FALSE(fileExists(t + L"a.txt"));
    EXPECT_FALSE(fileExists(t + L"dir")) << "nested folders go once empty";
    EXPECT_FALSE(fileExists(t + L"empty"));
    EXPECT_FALSE(fileExists(t + L"keep\\gone.txt"));
    EXPECT_TRUE(fileExists(t + L"keep\\hidden.txt"));
    EXPECT_TRUE(fileExists(t + L"hidden.txt"));
    EXPECT_TRUE(fileExists(t + L"system.txt"));
    EXPECT_TRUE(fileExists(t + L"readonly.txt"));
    EXPECT_TRUE(fileExists(t + L"hiddendir\\inside.txt")) << "a hidden folder is not entered";
    EXPECT_TRUE(fileExists(t + L"open\\busy.txt")) << "a file in use stays";

    EXPECT_FALSE(keyExists(kOpenSaveMru)) << "Open/Save Dialog Box History";
    EXPECT_EQ(stringValue(kLastVisitedMru, L"a"), L"notepad.exe C:\\secret");
    EXPECT_FALSE(keyExists(kAcMru + L"\\5647")) << "Search Computer History";
    EXPECT_EQ(stringValue(kAcMru + L"\\5603", L"000"), L"kept search");

    // Internet Explorer items.
    EXPECT_FALSE(keyExists(kTypedUrls)) << "Location Bar History";
    EXPECT_EQ(stringValue(kIe, L"CalvorinE2E"), L"beside TypedURLs");
    EXPECT_FALSE(keyExists(kIntelliForms)) << "AutoComplete Forms Data and Auto Complete Password Data";
    EXPECT_FALSE(cacheEntryExists(page)) << "Temporary Internet Files (Cache)";
    EXPECT_FALSE(fileExists(pageFile));
    EXPECT_FALSE(cacheEntryExists(sticky)) << "a page kept from expiry is a page all the same";
    EXPECT_FALSE(fileExists(stickyFile));
    EXPECT_TRUE(cacheEntryExists(cookie)) << "cookies are not this run's to erase";
    EXPECT_TRUE(fileExists(cookieFile));
    if (wine) {
        // Wine's URL history store answers "not implemented": nothing takes the visited
        // address, so only what the cache item left can be seen.
        EXPECT_TRUE(cacheEntryExists(visited)) << "the cache item leaves visited addresses";
    } else {
        EXPECT_FALSE(cacheEntryExists(visited)) << "Internet History";
        STATURL stat{};
        stat.cbSize = sizeof(stat);
        EXPECT_TRUE(FAILED(store->QueryUrl(historyUrl.c_str(), 0, &stat))) << "Internet History";
    }
    EXPECT_FALSE(keyExists(kAcMru + L"\\5604")) << "URL Error Logs";
    if (ownIndex) {
        const std::string wiped = fileBytes(historyIndex);
        EXPECT_GE(wiped.size(), indexText.size()) << "Locked Index.dat";
        EXPECT_EQ(wiped.find_first_not_of(" \r\n"), std::string::npos) << "Locked Index.dat: " << wiped;
    }
    EXPECT_FALSE(fileExists(oeStore + L"\\Deleted Items.dbx")) << "Outlook Express Temp";
    EXPECT_TRUE(fileExists(oeStore + L"\\Inbox.dbx"));
    EXPECT_EQ(stringValue(L"Identities", L"Default User ID"), kIdentity);
}

TEST_F(TraceEraseE2E, FormSuggestionsAloneLeaveThePasswords) {
    Traces traces;
    traces.set(kIntelliForms + L"\\Storage1", L"0F1E2D", L"form suggestion");
    traces.set(kIntelliForms + L"\\Storage1\\Nested", L"1A2B3C", L"another suggestion");
    traces.set(kIntelliForms + L"\\Storage2", L"3C4B5A", L"password");
    traces.set(kIntelliForms + L"\\SPW", L"http://calvorin-e2e.test/login", L"saved password");
    traces.set(kTypedUrls, L"url1", L"http://calvorin-e2e.test/typed1");
    if (HasFatalFailure()) return;
    {
        Program program;
        HWND main = program.mainWindow();
        ASSERT_TRUE(main) << "the main window did not show";
        tick(main, {}, {1});
        if (HasFatalFailure()) return;
        runToDone(program, main, 10000);
        if (HasFatalFailure()) return;
    }
    EXPECT_FALSE(keyExists(kIntelliForms + L"\\Storage1")) << "AutoComplete Forms Data";
    EXPECT_EQ(stringValue(kIntelliForms + L"\\Storage2", L"3C4B5A"), L"password");
    EXPECT_EQ(stringValue(kIntelliForms + L"\\SPW", L"http://calvorin-e2e.test/login"), L"saved password");
    EXPECT_EQ(stringValue(kTypedUrls, L"url1"), L"http://calvorin-e2e.test/typed1");
}

} // namespace
