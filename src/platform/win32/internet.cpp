#include "platform/win32/internet.h"
#include "platform/win32/text.h"

#include <windows.h>
#include <wininet.h>

#include <string>

namespace calvorin::platform::win32 {

namespace {

// The failure the last WinINet call left, with the system's message for it; WinINet keeps
// the messages of its own codes in its module.
Status lastFailure() {
    const DWORD code = GetLastError();
    if (code == 0) return Status::failure(ERROR_INTERNET_INTERNAL_ERROR, errorText(ERROR_INTERNET_INTERNAL_ERROR, GetModuleHandleW(L"wininet.dll")));
    const bool ownCode = code >= INTERNET_ERROR_BASE && code <= INTERNET_ERROR_LAST;
    return Status::failure(code, errorText(code, ownCode ? GetModuleHandleW(L"wininet.dll") : nullptr));
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
        InternetOpenW(widen(agent).c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    root = valueOf(h);
    return h ? Status::success() : lastFailure();
}

Status Internet::openUrl(InternetHandle root, const std::string& url, std::uint32_t flags,
                         InternetHandle& handle) {
    HINTERNET h = InternetOpenUrlW(handleOf(root), widen(url).c_str(), nullptr, 0, flags, 0);
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
