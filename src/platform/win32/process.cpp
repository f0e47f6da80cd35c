#include "platform/win32/process.h"

#include <windows.h>

namespace calvorin::platform::win32 {

namespace {
// One name per desktop session: another user's copy is no copy of ours.
constexpr const wchar_t* kInstanceMutex = L"Local\\Calvorin.MainProgram.Running";
} // namespace

Process::~Process() {
    if (mutex_) CloseHandle(static_cast<HANDLE>(mutex_));
}

bool Process::previousInstance() {
    if (!checked_) {
        checked_ = true;
        mutex_ = CreateMutexW(nullptr, FALSE, kInstanceMutex);
        previous_ = mutex_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
    }
    return previous_;
}

} // namespace calvorin::platform::win32
