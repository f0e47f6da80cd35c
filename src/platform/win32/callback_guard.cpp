#include "platform/win32/callback_guard.h"

#include "platform/raised_error.h"
#include "platform/win32/text.h"

#include <windows.h>

#include <exception>
#include <new>

namespace calvorin::platform::win32 {

namespace {
std::function<void(const Status&)>& report() {
    static std::function<void(const Status&)> r;
    return r;
}
bool reporting = false; // a report that throws in turn is not reported again

Status statusOfCurrent() {
    try {
        throw;
    } catch (const RaisedError& e) {
        return e.number() != 0 ? e.status() : Status::failure(kInternalError, e.what());
    } catch (const std::bad_alloc&) {
        return Status::failure(ERROR_NOT_ENOUGH_MEMORY, "Not enough memory.");
    } catch (const std::exception& e) {
        return Status::failure(kInternalError, e.what());
    } catch (...) {
        return Status::failure(kInternalError, "Internal error");
    }
}
} // namespace

void setCallbackFailureReport(std::function<void(const Status&)> r) {
    report() = std::move(r);
}

void reportCallbackFailure() noexcept {
    if (reporting) return;
    reporting = true;
    try {
        const Status failure = statusOfCurrent();
        if (report()) {
            report()(failure);
        } else {
            const std::wstring text =
                widen(failure.description + " " + std::to_string(failure.number));
            MessageBoxW(GetActiveWindow(), text.c_str(), nullptr, MB_OK | MB_ICONERROR);
        }
    } catch (...) {
        // Nothing more can be said; the program goes on.
    }
    reporting = false;
}

} // namespace calvorin::platform::win32
