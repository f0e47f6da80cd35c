#include "platform/win32/internet.h"

#include <windows.h>
#include <wininet.h>

#include <string>

namespace calvorin::platform::win32 {

namespace {

std::wstring wide(const std::string& text) {
    if (text.empty()) return {};
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

std::string narrow(const wchar_t* text, int length) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), n, nullptr, nullptr);
    return out;
}

// The failure the last WinINet call left, with the system's message for it; WinINet keeps
// the messages of its own codes in its module.
Status lastFailure() {
    const DWORD code = GetLastError();
    const bool ownCode = code >= INTERNET_ERROR_BASE && code <= INTERNET_ERROR_LAST;
    DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS |
                  (ownCode ? FORMAT_MESSAGE_FROM_HMODULE : FORMAT_MESSAGE_FROM_SYSTEM);
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(flags, ownCode ? GetModuleHandleW(L"wininet.dll") : nullptr,
                                        code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text = length > 0 ? narrow(buffer, static_cast<int>(length)) : std::string();
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    if (code == 0) return Status::failure(ERROR_INTERNET_INTERNAL_ERROR, text);
    return Status::failure(code, text);
}

HINTERNET handleOf(InternetHandle h) {
    return reinterpret_cast<HINTERNET>(h);
}
InternetHandle valueOf(HINTERNET h) {
    return reinterpret_cast<InternetHandle>(h);
}

} // namespace

Status Internet::openRoot(const std::string& agent, InternetHandle& root) {
    HINTERNET h =
        InternetOpenW(wide(agent).c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    root = valueOf(h);
    return h ? Status::success() : lastFailure();
}

Status Internet::openUrl(InternetHandle root, const std::string& url, std::uint32_t flags,
                         InternetHandle& handle) {
    HINTERNET h = InternetOpenUrlW(handleOf(root), wide(url).c_str(), nullptr, 0, flags, 0);
    handle = valueOf(h);
    return h ? Status::success() : lastFailure();
}

Status Internet::closeHandle(InternetHandle handle) {
    return InternetCloseHandle(handleOf(handle)) ? Status::success() : lastFailure();
}

void Internet::cancelTransfer() {
    if (transfer_ == kNoInternetHandle) return;
    InternetCloseHandle(handleOf(transfer_));
    transfer_ = kNoInternetHandle;
}

} // namespace calvorin::platform::win32
