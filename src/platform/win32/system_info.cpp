#include "platform/win32/system_info.h"
#include "platform/win32/last_error.h"

#include <windows.h>

namespace calvorin::platform::win32 {

Status SystemInfo::tempPath(std::string& path) {
    path.clear();
    wchar_t buffer[MAX_PATH + 2] = {};
    const DWORD n = GetTempPathW(MAX_PATH + 1, buffer);
    if (n == 0 || n > MAX_PATH + 1) return lastError();
    path = narrow(std::wstring_view(buffer, n));
    return Status::success();
}

Status SystemInfo::toAnsi(const std::string& text, std::string& ansi) {
    ansi.clear();
    const std::wstring wide = widen(text);
    if (wide.empty()) return Status::success();
    const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                      nullptr, nullptr);
    if (n <= 0) return lastError();
    ansi.resize(static_cast<std::size_t>(n));
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(), n, nullptr,
                        nullptr);
    return Status::success();
}

Status SystemInfo::fromAnsi(const std::string& ansi, std::string& text) {
    text.clear();
    if (ansi.empty()) return Status::success();
    const int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    if (n <= 0) return lastError();
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), n);
    text = narrow(wide);
    return Status::success();
}

} // namespace calvorin::platform::win32

namespace calvorin::platform::win32 {

Status SystemInfo::version(VersionRecord& record) {
    record = {};
    // GetVersionEx answers 6.2 to a program whose manifest does not name the newer versions;
    // ntdll's own call is not shimmed.
    using RtlGetVersionCall = LONG(WINAPI*)(OSVERSIONINFOW*);
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    bool read = false;
    if (HMODULE ntdll = GetModuleHandleW(L"ntdll.dll"))
        if (auto call = reinterpret_cast<RtlGetVersionCall>(
                reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion"))))
            read = call(&info) == 0;
    if (!read) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        if (!GetVersionExW(&info)) return lastError();
#pragma GCC diagnostic pop
    }
    record.major = info.dwMajorVersion;
    record.minor = info.dwMinorVersion;
    record.build = info.dwBuildNumber;
    record.platformId = info.dwPlatformId;
    return Status::success();
}

Status SystemInfo::processor(ProcessorRecord& record) {
    SYSTEM_INFO info{};
    // The machine's own processor, also when this program runs on a translation layer.
    GetNativeSystemInfo(&info);
    record.architecture = info.wProcessorArchitecture;
    record.level = info.wProcessorLevel;
    // dwNumberOfProcessors counts only this program's group of at most 64.
    const DWORD all = GetActiveProcessorCount(ALL_PROCESSOR_GROUPS);
    record.count = all != 0 ? all : info.dwNumberOfProcessors;
    return Status::success();
}

Status SystemInfo::memory(MemoryStatus& status) {
    status = {};
    MEMORYSTATUSEX m{};
    m.dwLength = sizeof(m);
    if (!GlobalMemoryStatusEx(&m)) return lastError();
    status.totalPhysical = m.ullTotalPhys;
    status.availablePhysical = m.ullAvailPhys;
    return Status::success();
}

} // namespace calvorin::platform::win32
