#include "support/remove_tree.h"
#include "support/http_server.h"
#include "contract/test_platform.h"
#include "platform/win32/clipboard.h"
#include "platform/win32/desktop.h"
#include "platform/win32/dialogs.h"
#include "platform/win32/event_loop.h"
#include "platform/win32/internet.h"
#include "platform/win32/process.h"
#include "platform/win32/file_system.h"
#include "platform/win32/registry.h"
#include "platform/win32/shell.h"
#include "platform/win32/system_info.h"
#include "platform/win32/text.h"
#include "platform/win32/url_cache.h"
#include "platform/win32/url_history.h"
#include "platform/win32/process.h"

#include <windows.h>
#include <wininet.h>

#include <vector>

#include <chrono>
#include <cstring>
#include <mutex>
#include <thread>

namespace calvorin::test {

namespace {

struct FoundBox {
    HWND window = nullptr;
};

BOOL CALLBACK findOwnBox(HWND hwnd, LPARAM param) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    if (pid == GetCurrentProcessId() && std::wstring(cls) == L"#32770" && IsWindowVisible(hwnd)) {
        reinterpret_cast<FoundBox*>(param)->window = hwnd;
        return FALSE;
    }
    return TRUE;
}

std::string windowText(HWND hwnd) {
    wchar_t buffer[1024] = {};
    GetWindowTextW(hwnd, buffer, 1024);
    return platform::win32::narrow(buffer);
}

// The file-name box of an open-file dialog: the edit inside the name combo box (cmb13) of the
// Explorer style, or the plain edit (edt1) of the older one.
BOOL CALLBACK findNameEdit(HWND hwnd, LPARAM param) {
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    const int id = GetDlgCtrlID(hwnd);
    if (_wcsicmp(cls, L"Edit") != 0 || (id != 0x47C && id != 0x480)) return TRUE;
    *reinterpret_cast<HWND*>(param) = hwnd;
    return FALSE;
}
HWND nameBox(HWND dialog) {
    HWND box = nullptr;
    EnumChildWindows(dialog, findNameEdit, reinterpret_cast<LPARAM>(&box));
    return box;
}

// This process's open-file dialog, once it shows.
BOOL CALLBACK findFileDialog(HWND hwnd, LPARAM param) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    if (pid != GetCurrentProcessId() || std::wstring(cls) != L"#32770" || !IsWindowVisible(hwnd) ||
        !nameBox(hwnd))
        return TRUE;
    *reinterpret_cast<HWND*>(param) = hwnd;
    return FALSE;
}

void answerFileDialog(const std::vector<std::string>& paths) {
    for (int i = 0; i < 600; ++i) { // the first dialog of a fresh prefix takes seconds
        HWND dialog = nullptr;
        EnumWindows(findFileDialog, reinterpret_cast<LPARAM>(&dialog));
        if (dialog) {
            if (paths.empty()) {
                PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                return;
            }
            std::wstring typed;
            if (paths.size() == 1) {
                typed = platform::win32::widen(paths[0]);
            } else {
                // The folder first, then every name in quotes, as a user types a selection.
                const std::string folder = paths[0].substr(0, paths[0].find_last_of('\\') + 1);
                SendMessageW(nameBox(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(platform::win32::widen(folder).c_str()));
                SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                for (const auto& path : paths)
                    typed += L"\"" + platform::win32::widen(path.substr(path.find_last_of('\\') + 1)) + L"\" ";
            }
            SendMessageW(nameBox(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

class Win32TestPlatform final : public TestPlatform {
  public:
    ~Win32TestPlatform() override {
        if (answerer_.joinable()) answerer_.join();
        releaseHeld();
        for (HWND w : windows_) DestroyWindow(w);
        for (const auto& folder : scratch_) removeTree(platform::win32::widen(folder));
    }

    platform::FileSystem& files() override { return files_; }
    platform::Process& process() override { return process_; }
    platform::Shell& shell() override { return shell_; }
    platform::UrlCache& urlCache() override { return urlCache_; }
    platform::UrlHistory& urlHistory() override { return urlHistory_; }
    platform::Clipboard& clipboard() override { return clipboard_; }
    platform::SystemInfo& system() override { return system_; }
    platform::Desktop& desktop() override { return desktop_; }
    platform::WindowHandle makeWindow(const std::string& className, const std::string& title) override {
        const std::wstring cls = platform::win32::widen(className);
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = cls.c_str();
        RegisterClassW(&wc); // a second registration of the same class fails harmlessly
        HWND w = CreateWindowExW(0, cls.c_str(), platform::win32::widen(title).c_str(),
                                 WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 300, 200, nullptr, nullptr,
                                 wc.hInstance, nullptr);
        if (w) windows_.push_back(w);
        return reinterpret_cast<std::uintptr_t>(w);
    }
    platform::Internet& internet() override { return internet_; }
    std::string scratchFolder() override {
        wchar_t temp[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH, temp);
        static int counter = 0;
        const std::wstring folder = std::wstring(temp) + L"calvorin-contract-" +
                                    std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
        CreateDirectoryW(folder.c_str(), nullptr);
        scratch_.push_back(platform::win32::narrow(folder));
        return scratch_.back();
    }
    void holdOpen(const std::string& path) override {
        HANDLE h = CreateFileW(platform::win32::widen(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                               nullptr, OPEN_EXISTING, 0, nullptr);
        if (h != INVALID_HANDLE_VALUE) held_.push_back(h);
    }
    void releaseHeld() override {
        for (HANDLE h : held_) CloseHandle(h);
        held_.clear();
    }
    bool addCacheEntry(const std::string& url, std::uint32_t type, const std::string& content,
                       std::string& localFile) override {
        const std::wstring wurl = platform::win32::widen(url);
        wchar_t file[MAX_PATH * 2] = {};
        if (!CreateUrlCacheEntryW(wurl.c_str(), 0, L"htm", file, 0)) return false;
        HANDLE h = CreateFileW(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE) return false;
        DWORD put = 0;
        WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &put, nullptr);
        CloseHandle(h);
        FILETIME none{};
        if (!CommitUrlCacheEntryW(wurl.c_str(), file, none, none, type, nullptr, 0, nullptr, nullptr))
            return false;
        localFile = platform::win32::narrow(file);
        return true;
    }
    void setClipboardText(const std::string& text) override {
        const std::wstring wide = platform::win32::widen(text);
        if (!OpenClipboard(nullptr)) return;
        EmptyClipboard();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
        if (memory) {
            std::memcpy(GlobalLock(memory), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
            GlobalUnlock(memory);
            if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
        }
        CloseClipboard();
    }
    bool clipboardHasText() override { return IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE; }
    bool makeFileLink(const std::string& link, const std::string& target) override {
        const std::wstring wlink = platform::win32::widen(link), wtarget = platform::win32::widen(target);
        if (!onWine()) {
            CreateSymbolicLinkW(wlink.c_str(), wtarget.c_str(), SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
            return GetFileAttributesW(wlink.c_str()) != INVALID_FILE_ATTRIBUTES;
        }
        // Wine makes no link of its own, but runs Linux programs: ln makes a Linux one.
        using UnixName = char*(CDECL*)(const wchar_t*);
        const auto unixName = reinterpret_cast<UnixName>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
        if (!unixName) return false;
        auto unixPath = [&](const std::wstring& dos) {
            char* name = unixName(dos.c_str());
            std::string out = name ? name : "";
            if (name) HeapFree(GetProcessHeap(), 0, name);
            return out;
        };
        std::wstring command = platform::win32::widen("/bin/ln -s \"" + unixPath(wtarget) + "\" \"" + unixPath(wlink) + "\"");
        STARTUPINFOW si{};
        si.cb = sizeof(si);
        PROCESS_INFORMATION pi{};
        if (!CreateProcessW(L"Z:\\bin\\ln", command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
            return false;
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        // Wine does not track a Linux program's end: its handle may be signalled before ln ran.
        for (int i = 0; i < 200; ++i) {
            if (GetFileAttributesW(wlink.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
            Sleep(50);
        }
        return false;
    }
    bool makeHardLink(const std::string& existing, const std::string& newName) override {
        return CreateHardLinkW(platform::win32::widen(newName).c_str(),
                               platform::win32::widen(existing).c_str(), nullptr) != FALSE;
    }
    void answerNextFileDialog(std::vector<std::string> paths) override {
        if (answerer_.joinable()) answerer_.join();
        answerer_ = std::thread([paths = std::move(paths)] { answerFileDialog(paths); });
    }
    bool onWine() const override {
        return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    }
    platform::Registry& registry() override { return registry_; }
    platform::SettingsStore& settings() override { return settings_; }
    platform::EventLoop& events() override { return events_; }
    platform::Dialogs& dialogs() override { return dialogs_; }

    // A helper thread waits for the box, notes what it shows and presses the button.
    void answerNextMessageBox(int button) override {
        if (answerer_.joinable()) answerer_.join();
        answerer_ = std::thread([this, button] {
            for (int i = 0; i < 200; ++i) {
                FoundBox found;
                EnumWindows(findOwnBox, reinterpret_cast<LPARAM>(&found));
                if (found.window) {
                    std::lock_guard<std::mutex> lock(mutex_);
                    caption_ = windowText(found.window);
                    text_ = windowText(GetDlgItem(found.window, 0xFFFF));
                    PostMessageW(found.window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
                    return;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
        });
    }
    std::string lastMessageBoxText() override {
        std::lock_guard<std::mutex> lock(mutex_);
        return text_;
    }
    std::string lastMessageBoxCaption() override {
        std::lock_guard<std::mutex> lock(mutex_);
        return caption_;
    }
    bool realTime() const override { return true; }
    std::string serve(const std::string& path, const std::string& response, bool stall) override {
        if (!server_) server_ = std::make_unique<HttpServer>();
        server_->serve(path, response, stall);
        return server_->base() + path;
    }

  private:
    platform::win32::Registry registry_;
    platform::SettingsStore settings_{registry_};
    platform::win32::EventLoop events_;
    platform::win32::Dialogs dialogs_;
    platform::win32::FileSystem files_;
    platform::win32::Shell shell_;
    platform::win32::UrlCache urlCache_;
    platform::win32::UrlHistory urlHistory_;
    platform::win32::Clipboard clipboard_;
    platform::win32::Desktop desktop_;
    platform::win32::Process process_;
    std::vector<HWND> windows_;
    platform::win32::SystemInfo system_;
    platform::win32::Internet internet_;
    std::vector<std::string> scratch_;
    std::vector<HANDLE> held_;
    std::thread answerer_;
    std::mutex mutex_;
    std::string text_, caption_;
    std::unique_ptr<HttpServer> server_;
};

} // namespace

std::unique_ptr<TestPlatform> makeTestPlatform() { return std::make_unique<Win32TestPlatform>(); }

} // namespace calvorin::test
