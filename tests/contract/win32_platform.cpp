#include "contract/test_platform.h"
#include "platform/win32/dialogs.h"
#include "platform/win32/event_loop.h"
#include "platform/win32/registry.h"
#include "platform/win32/text.h"

#include <windows.h>

#include <chrono>
#include <mutex>
#include <thread>

namespace calvorin::test {

namespace {

struct FoundBox {
    HWND window = nullptr;
};

BOOL CALLBACK findOwnBox(HWND hwnd, LPARAM param) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    if (pid == GetCurrentProcessId() && std::wstring(cls) == L"#32770" && IsWindowVisible(hwnd)) {
        reinterpret_cast<FoundBox*>(param)->window = hwnd;
        return FALSE;
    }
    return TRUE;
}

std::string windowText(HWND hwnd) {
    wchar_t buffer[1024] = {};
    GetWindowTextW(hwnd, buffer, 1024);
    return platform::win32::narrow(buffer);
}

class Win32TestPlatform final : public TestPlatform {
  public:
    ~Win32TestPlatform() override {
        if (answerer_.joinable()) answerer_.join();
    }
    platform::Registry& registry() override { return registry_; }
    platform::SettingsStore& settings() override { return settings_; }
    platform::EventLoop& events() override { return events_; }
    platform::Dialogs& dialogs() override { return dialogs_; }

    // A helper thread waits for the box, notes what it shows and presses the button.
    void answerNextMessageBox(int button) override {
        if (answerer_.joinable()) answerer_.join();
        answerer_ = std::thread([this, button] {
            for (int i = 0; i < 200; ++i) {
                FoundBox found;
                EnumWindows(findOwnBox, reinterpret_cast<LPARAM>(&found));
                if (found.window) {
                    std::lock_guard<std::mutex> lock(mutex_);
                    caption_ = windowText(found.window);
                    text_ = windowText(GetDlgItem(found.window, 0xFFFF));
                    PostMessageW(found.window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
                    return;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
        });
    }
    std::string lastMessageBoxText() override {
        std::lock_guard<std::mutex> lock(mutex_);
        return text_;
    }
    std::string lastMessageBoxCaption() override {
        std::lock_guard<std::mutex> lock(mutex_);
        return caption_;
    }
    bool realTime() const override { return true; }

  private:
    platform::win32::Registry registry_;
    platform::SettingsStore settings_{registry_};
    platform::win32::EventLoop events_;
    platform::win32::Dialogs dialogs_;
    std::thread answerer_;
    std::mutex mutex_;
    std::string text_, caption_;
};

} // namespace

std::unique_ptr<TestPlatform> makeTestPlatform() { return std::make_unique<Win32TestPlatform>(); }

} // namespace calvorin::test
