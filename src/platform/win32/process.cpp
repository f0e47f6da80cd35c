#include "platform/win32/process.h"
#include "platform/win32/last_error.h"

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

} // namespace calvorin::platform::win32
