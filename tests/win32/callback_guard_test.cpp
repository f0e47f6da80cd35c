// Windows calls our handlers from C: what they throw is reported and the program goes on.
#include "platform/raised_error.h"
#include "platform/win32/callback_guard.h"
#include "platform/win32/event_loop.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>
#include <vector>

using namespace calvorin::platform;

namespace {

class CallbackGuardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        win32::setCallbackFailureReport([this](const Status& s) { reported.push_back(s); });
    }
    void TearDown() override { win32::setCallbackFailureReport(nullptr); }
    std::vector<Status> reported;
};

TEST_F(CallbackGuardTest, ATimerHandlerThatThrowsIsReportedAndKeepsFiring) {
    win32::EventLoop loop;
    int ticks = 0;
    const TimerId id = loop.startTimer(10, [&] {
        ++ticks;
        if (ticks == 1) throw RaisedError(Status::failure(70, "Permission denied"));
        if (ticks == 2) throw std::runtime_error("bad state");
    });
    const std::uint64_t deadline = loop.tickCount() + 5000;
    while (ticks < 3 && loop.tickCount() < deadline)
        loop.waitUntil(loop.tickCount() + 20);
    loop.stopTimer(id);
    EXPECT_GE(ticks, 3) << "the timer stopped after a handler threw";
    ASSERT_GE(reported.size(), 2u);
    EXPECT_EQ(reported[0].number, 70);
    EXPECT_EQ(reported[0].description, "Permission denied");
    EXPECT_EQ(reported[1].number, win32::kInternalError);
    EXPECT_EQ(reported[1].description, "bad state");
}

TEST_F(CallbackGuardTest, AWindowProcedureThatThrowsAnswersAndIsReported) {
    WNDCLASSW cls{};
    cls.lpszClassName = L"CalvorinGuardTest";
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.lpfnWndProc = [](HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
        if (msg == WM_APP)
            return win32::guarded<LRESULT>(-1,
                                           []() -> LRESULT { throw std::runtime_error("boom"); });
        return DefWindowProcW(hwnd, msg, wp, lp);
    };
    RegisterClassW(&cls);
    HWND hwnd = CreateWindowW(cls.lpszClassName, L"", 0, 0, 0, 0, 0, nullptr, nullptr,
                              cls.hInstance, nullptr);
    ASSERT_TRUE(hwnd);
    EXPECT_EQ(SendMessageW(hwnd, WM_APP, 0, 0), -1);
    DestroyWindow(hwnd);
    UnregisterClassW(cls.lpszClassName, cls.hInstance);
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0].description, "boom");
}

} // namespace
