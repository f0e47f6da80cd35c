#include "platform/win32/internet.h"
#include "platform/win32/text.h"

#include <windows.h>
#include <wininet.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

namespace calvorin::platform::win32 {

namespace {

// The transfer control's own answer while a request is still running.
constexpr std::int64_t kStillExecuting = 35764;

Status failureOf(DWORD code) {
    if (code == 0) code = ERROR_INTERNET_INTERNAL_ERROR;
    const bool ownCode = code >= INTERNET_ERROR_BASE && code <= INTERNET_ERROR_LAST;
    return Status::failure(code, errorText(code, ownCode ? GetModuleHandleW(L"wininet.dll") : nullptr));
}

// The failure the last WinINet call left, with the system's message for it; WinINet keeps
// the messages of its own codes in its module.
Status lastFailure() { return failureOf(GetLastError()); }

HINTERNET handleOf(InternetHandle h) {
    return reinterpret_cast<HINTERNET>(h);
}
InternetHandle valueOf(HINTERNET h) {
    return reinterpret_cast<InternetHandle>(h);
}

} // namespace

// One request in flight, shared by the window's thread and the worker that reads it.
struct Transfer {
    std::mutex lock;
    HINTERNET root = nullptr; // closed by whichever side comes first: the worker or a cancel
    bool cancelled = false;
    std::atomic<bool> done{false};
    // Written by the worker before `done`, read by the window's thread after it.
    std::string body, headers;
    Status result;

    void closeRoot() {
        std::lock_guard<std::mutex> hold(lock);
        if (root) InternetCloseHandle(root); // its requests close with it
        root = nullptr;
    }
};

namespace {

void fetch(const std::shared_ptr<Transfer>& t, const std::wstring& agent, const std::wstring& url,
           DWORD uiThread) {
    auto finish = [&](Status result) {
        t->result = std::move(result);
        t->closeRoot();
        t->done = true;
        PostThreadMessageW(uiThread, WM_NULL, 0, 0); // wakes the waiting message loop
    };
    HINTERNET root = InternetOpenW(agent.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    if (!root) return finish(lastFailure());
    {
        std::lock_guard<std::mutex> hold(t->lock);
        if (t->cancelled) {
            InternetCloseHandle(root);
            root = nullptr;
        }
        t->root = root;
    }
    if (!root) return finish(failureOf(ERROR_INTERNET_OPERATION_CANCELLED));
    const DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                        INTERNET_FLAG_PRAGMA_NOCACHE | INTERNET_FLAG_NO_UI;
    HINTERNET request = InternetOpenUrlW(root, url.c_str(), nullptr, 0, flags, 0);
    if (!request) return finish(lastFailure());

    std::wstring headers(1024, L'\0');
    DWORD size = static_cast<DWORD>(headers.size() * sizeof(wchar_t));
    if (!HttpQueryInfoW(request, HTTP_QUERY_RAW_HEADERS_CRLF, headers.data(), &size, nullptr) &&
        GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        headers.assign(size / sizeof(wchar_t) + 1, L'\0');
        size = static_cast<DWORD>(headers.size() * sizeof(wchar_t));
        if (!HttpQueryInfoW(request, HTTP_QUERY_RAW_HEADERS_CRLF, headers.data(), &size, nullptr))
            size = 0;
    }
    headers.resize(size / sizeof(wchar_t));
    t->headers = narrow(headers);

    DWORD announced = 0;
    DWORD numberSize = sizeof(announced);
    const bool hasLength = HttpQueryInfoW(request, HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER,
                                          &announced, &numberSize, nullptr);
    char buffer[16384];
    for (;;) {
        DWORD got = 0;
        if (!InternetReadFile(request, buffer, sizeof(buffer), &got)) {
            const DWORD code = GetLastError();
            bool cancelled;
            {
                std::lock_guard<std::mutex> hold(t->lock);
                cancelled = t->cancelled;
            }
            return finish(failureOf(cancelled ? ERROR_INTERNET_OPERATION_CANCELLED : code));
        }
        if (got == 0) break;
        t->body.append(buffer, got);
    }
    // WinINet ends a read quietly when the server closes early: the announced length tells.
    if (hasLength && t->body.size() < announced)
        return finish(failureOf(ERROR_INTERNET_CONNECTION_ABORTED));
    finish(Status::success());
}

} // namespace

Internet::Internet() = default;

Internet::~Internet() { cancelTransfer(); }

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
    if (!transfer_ || transfer_->done) return;
    {
        std::lock_guard<std::mutex> hold(transfer_->lock);
        transfer_->cancelled = true;
    }
    // Closing the root ends a connect or read that blocks the worker.
    transfer_->closeRoot();
}

bool Internet::transferExecuting() { return transfer_ && !transfer_->done; }

void Internet::openTransfer(const std::string& url, TransferType /*type*/) {
    cancelTransfer();
    transfer_ = std::make_shared<Transfer>();
    try {
        std::thread(fetch, transfer_, widen(transferAgent), widen(url), GetCurrentThreadId()).detach();
    } catch (const std::system_error&) {
        transfer_->result = failureOf(ERROR_NOT_ENOUGH_MEMORY);
        transfer_->done = true;
    }
}

std::string Internet::transferBody() {
    return transfer_ && transfer_->done ? transfer_->body : std::string();
}

std::string Internet::transferHeaders() {
    return transfer_ && transfer_->done ? transfer_->headers : std::string();
}

Status Internet::transferResult() {
    if (!transfer_) return Status::success();
    if (!transfer_->done) return Status::failure(kStillExecuting, "Still executing last request");
    return transfer_->result;
}

} // namespace calvorin::platform::win32
