#include "platform/win32/process.h"
#include "platform/logon_start.h"
#include "platform/win32/last_error.h"
#include "platform/win32/text.h"

#include <windows.h>

#include <string>

namespace calvorin::platform::win32 {

namespace {
// The mark of a running copy: one per program file name and desktop session. The name
// matters during an upgrade, when "cvn.exe" starts while "Calvorin.exe" may still be closing
// and the other way round: neither is a copy of the other.
std::wstring modulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::wstring instanceMutexName() {
    const std::wstring path = modulePath();
    std::wstring file = path.substr(path.find_last_of(L"\\/") + 1);
    CharLowerBuffW(file.data(), static_cast<DWORD>(file.size()));
    return L"Local\\Calvorin.Instance." + file;
}
} // namespace

Status Process::showInTaskList() {
    // Only the Windows 95 family's kernel32 exports it; looked up so the program loads anywhere.
    using RegisterCall = DWORD(WINAPI*)(DWORD processId, DWORD type);
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    auto call = kernel ? reinterpret_cast<RegisterCall>(reinterpret_cast<void*>(
                             GetProcAddress(kernel, "RegisterServiceProcess")))
                       : nullptr;
    if (!call) return fromCode(ERROR_CALL_NOT_IMPLEMENTED);
    return call(GetCurrentProcessId(), 0) ? Status::success() : lastError();
}

Process::~Process() {
    if (mutex_) CloseHandle(static_cast<HANDLE>(mutex_));
}

bool Process::previousInstance() {
    if (!checked_) {
        checked_ = true;
        mutex_ = CreateMutexW(nullptr, FALSE, instanceMutexName().c_str());
        previous_ = mutex_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
    }
    return previous_;
}

Status Process::startProgram(const std::string& path, int showCommand) {
    const std::wstring file = widen(path);
    std::wstring commandLine = L"\"" + file + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(file.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &started))
        return lastError();
    // Not waited for: the handles are of no further use here.
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return Status::success();
}

std::string Process::programPath() { return narrow(modulePath()); }

Status Process::registerStartAtLogon(const std::string& name, const std::string& commandLine) {
    return logon::registerRunEntry(registry_, name, commandLine);
}

Status Process::unregisterStartAtLogon(const std::string& name) {
    return logon::unregisterRunEntry(registry_, name);
}

std::uint32_t Process::platformId() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(&info)) return 0;
#pragma GCC diagnostic pop
    return info.dwPlatformId;
}

Status Process::enableShutdownPrivilege() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return lastError();
    TOKEN_PRIVILEGES wanted{};
    wanted.PrivilegeCount = 1;
    wanted.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    Status result;
    if (!LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &wanted.Privileges[0].Luid)) {
        result = lastError();
    } else {
        TOKEN_PRIVILEGES previous{};
        DWORD length = 0;
        // Success may still mean "not all assigned": the user does not hold the privilege.
        if (!AdjustTokenPrivileges(token, FALSE, &wanted, sizeof previous, &previous, &length))
            result = lastError();
        else if (GetLastError() == ERROR_NOT_ALL_ASSIGNED)
            result = fromCode(ERROR_NOT_ALL_ASSIGNED);
    }
    CloseHandle(token);
    return result;
}

Status Process::requestRestart(std::uint32_t flags) {
    // A planned restart by an application, as the shutdown log should record it.
    if (!ExitWindowsEx(flags, SHTDN_REASON_MAJOR_APPLICATION | SHTDN_REASON_MINOR_MAINTENANCE |
                                  SHTDN_REASON_FLAG_PLANNED))
        return lastError();
    return Status::success();
}

void Process::endProgram() { ExitProcess(0); }

} // namespace calvorin::platform::win32
