#include "platform/win32/process.h"
#include "platform/win32/last_error.h"
#include "platform/win32/text.h"

#include <windows.h>

#include <string>

namespace calvorin::platform::win32 {

namespace {
// The mark of a running copy: one per program file name and desktop session. The name
// matters during an upgrade, when "cvn.exe" starts while "Calvorin.exe" may still be closing
// and the other way round: neither is a copy of the other.
std::wstring instanceMutexName() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    std::wstring file = path.substr(path.find_last_of(L"\\/") + 1);
    CharLowerBuffW(file.data(), static_cast<DWORD>(file.size()));
    return L"Local\\Calvorin.Instance." + file;
}
} // namespace

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

} // namespace calvorin::platform::win32
