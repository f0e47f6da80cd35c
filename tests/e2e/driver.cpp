#include "e2e/driver.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

namespace calvorin::e2e {

namespace {
constexpr const wchar_t* kSettingsRoot = L"Software\\VB and VBA Program Settings\\Calvorin";

std::wstring besideMe(const std::wstring& name) {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir(path, n);
    dir.erase(dir.find_last_of(L"\\/") + 1);
    return dir + name;
}

struct Search {
    std::wstring text, cls;
    int id = -1;
    HWND found = nullptr;
};

BOOL CALLBACK searchChild(HWND hwnd, LPARAM param) {
    auto* s = reinterpret_cast<Search*>(param);
    if (s->id >= 0) {
        if (GetDlgCtrlID(hwnd) == s->id) s->found = hwnd;
    } else if (textOf(hwnd) == s->text) {
        wchar_t cls[64] = {};
        GetClassNameW(hwnd, cls, 64);
        if (s->cls.empty() || _wcsicmp(cls, s->cls.c_str()) == 0) s->found = hwnd;
    }
    return s->found ? FALSE : TRUE;
}

struct BoxSearch {
    DWORD pid;
    HWND found = nullptr;
};

BOOL CALLBACK searchBox(HWND hwnd, LPARAM param) {
    auto* s = reinterpret_cast<BoxSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    if (pid == s->pid && std::wstring(cls) == L"#32770" && IsWindowVisible(hwnd) &&
        GetDlgItem(hwnd, 0xFFFF)) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}
} // namespace

Program::Program() {
    std::wstring exe = besideMe(L"Calvorin.exe");
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &si, &info_))
        ADD_FAILURE() << "cannot start Calvorin.exe, error " << GetLastError();
}

Program::~Program() {
    if (!info_.hProcess) return;
    if (running()) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool Program::running() {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool Program::waitExit(int ms) {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, static_cast<DWORD>(ms)) == WAIT_OBJECT_0;
}

HWND Program::mainWindow(int ms) {
    HWND found = nullptr;
    waitFor([&] {
        HWND w = FindWindowW(nullptr, kWindowTitle);
        DWORD pid = 0;
        if (w) GetWindowThreadProcessId(w, &pid);
        if (w && pid == info_.dwProcessId && IsWindowVisible(w)) found = w;
        return found != nullptr;
    }, ms);
    return found;
}

bool waitFor(const std::function<bool()>& condition, int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

HWND findChild(HWND top, const std::wstring& text, const std::wstring& cls) {
    Search s{text, cls};
    EnumChildWindows(top, searchChild, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

HWND findChildById(HWND top, int id) {
    Search s;
    s.id = id;
    EnumChildWindows(top, searchChild, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

std::wstring textOf(HWND window) {
    const int n = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
    GetWindowTextW(window, text.data(), n + 1);
    text.resize(static_cast<std::size_t>(n));
    return text;
}

void click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

bool isChecked(HWND box) { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

HWND waitForMessageBox(DWORD pid, int ms) {
    BoxSearch s{pid};
    waitFor([&] {
        EnumWindows(searchBox, reinterpret_cast<LPARAM>(&s));
        return s.found != nullptr;
    }, ms);
    return s.found;
}

std::wstring messageBoxText(HWND box) { return textOf(GetDlgItem(box, 0xFFFF)); }

void pressOk(HWND box) { PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }

std::wstring readSetting(const std::wstring& section, const std::wstring& key) {
    std::wstring path = std::wstring(kSettingsRoot) + L"\\" + section;
    wchar_t buffer[512] = {};
    DWORD size = sizeof(buffer) - sizeof(wchar_t);
    if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), key.c_str(), RRF_RT_REG_SZ, nullptr, buffer,
                     &size) != ERROR_SUCCESS)
        return L"<absent>";
    return buffer;
}

void clearSettings() { RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsRoot); }

std::wstring todayShortDate() {
    wchar_t buffer[128];
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, buffer, 128);
    return buffer;
}

std::wstring todayLastEraseText() {
    static const wchar_t* months[] = {L"January", L"February", L"March",     L"April",
                                      L"May",     L"June",     L"July",      L"August",
                                      L"September", L"October", L"November", L"December"};
    SYSTEMTIME st;
    GetLocalTime(&st);
    return std::to_wstring(st.wDay) + L"-" + months[st.wMonth - 1] + L"-" + std::to_wstring(st.wYear);
}

} // namespace calvorin::e2e
