#include "platform/win32/event_loop.h"
#include "platform/win32/callback_guard.h"
#include "platform/win32/text.h"

#include <windows.h>
#include <oleauto.h>

namespace calvorin::platform::win32 {

namespace {
EventLoop* current = nullptr; // thread timers call back without a context pointer
void CALLBACK timerProc(HWND, UINT, UINT_PTR id, DWORD) { fireTimer(id); }
} // namespace

EventLoop::EventLoop() { current = this; }
EventLoop::~EventLoop() {
    for (const auto& [id, _] : timers_) KillTimer(nullptr, id);
    if (current == this) current = nullptr;
}

std::uint64_t EventLoop::tickCount() { return GetTickCount64(); }

DateTime EventLoop::now() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return {{st.wYear, st.wMonth, st.wDay}, st.wHour, st.wMinute, st.wSecond};
}

void EventLoop::dispatch(void* m) {
    MSG* msg = static_cast<MSG*>(m);
    if (preTranslate && preTranslate(msg)) return;
    TranslateMessage(msg);
    DispatchMessageW(msg);
}

void EventLoop::processEvents() {
    MSG msg;
    while (!quitting_ && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            quitting_ = true;
            exitCode_ = static_cast<int>(msg.wParam);
            PostQuitMessage(exitCode_); // leave it for the outer loop too
            return;
        }
        dispatch(&msg);
    }
}

void EventLoop::waitUntil(std::uint64_t tick) {
    for (;;) {
        processEvents();
        const std::uint64_t now = tickCount();
        if (now >= tick || quitting_) return;
        const std::uint64_t left = tick - now;
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(left > 60000 ? 60000 : left),
                                    QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

int EventLoop::run() {
    MSG msg;
    while (!quitting_) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            quitting_ = true;
            exitCode_ = got == 0 ? static_cast<int>(msg.wParam) : 1;
            break;
        }
        dispatch(&msg);
    }
    return exitCode_;
}

void fireTimer(std::uintptr_t id) {
    if (!current) return;
    auto it = current->timers_.find(id);
    if (it == current->timers_.end()) return;
    auto handler = it->second; // the handler may stop its own timer
    guarded(handler);
}

TimerId EventLoop::startTimer(std::uint32_t intervalMs, std::function<void()> tick) {
    const UINT_PTR id = SetTimer(nullptr, 0, intervalMs == 0 ? 1 : intervalMs,
                                 &timerProc);
    if (id == 0) return 0;
    timers_[id] = std::move(tick);
    return id;
}

void EventLoop::stopTimer(TimerId id) {
    if (timers_.erase(static_cast<std::uintptr_t>(id)) != 0)
        KillTimer(nullptr, static_cast<UINT_PTR>(id));
}

std::string EventLoop::shortDate(const Date& date) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(date.year);
    st.wMonth = static_cast<WORD>(date.month);
    st.wDay = static_cast<WORD>(date.day);
    wchar_t buffer[128];
    const int n = GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, buffer, 128);
    if (n <= 0) return {};
    return narrow(std::wstring_view(buffer, static_cast<std::size_t>(n - 1)));
}

std::optional<Date> EventLoop::parseDate(const std::string& text) {
    if (text.empty()) return std::nullopt;
    DATE value = 0;
    std::wstring wide = widen(text);
    if (FAILED(VarDateFromStr(wide.data(), LOCALE_USER_DEFAULT, 0, &value))) return std::nullopt;
    SYSTEMTIME st{};
    if (!VariantTimeToSystemTime(value, &st)) return std::nullopt;
    Date d{st.wYear, st.wMonth, st.wDay};
    if (!isValidDate(d)) return std::nullopt;
    return d;
}

std::string EventLoop::timeText(const DateTime& time) {
    SYSTEMTIME st{};
    st.wHour = static_cast<WORD>(time.hour);
    st.wMinute = static_cast<WORD>(time.minute);
    st.wSecond = static_cast<WORD>(time.second);
    wchar_t buffer[128];
    const int n = GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &st, nullptr, buffer, 128);
    if (n <= 0) return {};
    return narrow(std::wstring_view(buffer, static_cast<std::size_t>(n - 1)));
}

} // namespace calvorin::platform::win32
