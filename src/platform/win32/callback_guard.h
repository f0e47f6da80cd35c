#pragma once
#include "platform/status.h"

#include <functional>
#include <utility>

namespace calvorin::platform::win32 {

// What the program does with a failure that a window, dialog or timer handler threw: an
// exception must never unwind into Windows, which calls these handlers from C. The program
// sets it once (the main program hands it to its error report); until then a plain message
// box shows it.
void setCallbackFailureReport(std::function<void(const Status& failure)> report);

// The number a failure gets when what was thrown carries none of its own.
inline constexpr std::int64_t kInternalError = 51;

// Reports the exception being handled; call only from a catch block.
void reportCallbackFailure() noexcept;

// Runs `handler` for Windows; what it throws is reported and `fallback` returned instead.
template <class R, class F> R guarded(R fallback, F&& handler) noexcept {
    try {
        return std::forward<F>(handler)();
    } catch (...) {
        reportCallbackFailure();
        return fallback;
    }
}
template <class F> void guarded(F&& handler) noexcept {
    try {
        std::forward<F>(handler)();
    } catch (...) {
        reportCallbackFailure();
    }
}

} // namespace calvorin::platform::win32
