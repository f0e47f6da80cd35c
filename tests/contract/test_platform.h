#pragma once
#include "platform/platform.h"

#include <memory>
#include <string>

namespace calvorin::test {

// The platform a contract test runs against: the emulation natively, Windows under Wine.
class TestPlatform {
  public:
    virtual ~TestPlatform() = default;
    virtual platform::Registry& registry() = 0;
    virtual platform::SettingsStore& settings() = 0;
    virtual platform::EventLoop& events() = 0;
    virtual platform::Dialogs& dialogs() = 0;
    // Presses `button` on the next message box once it shows, noting its caption and text.
    virtual void answerNextMessageBox(int button) = 0;
    virtual std::string lastMessageBoxText() = 0;
    virtual std::string lastMessageBoxCaption() = 0;
    // True on the real system, where time really passes.
    virtual bool realTime() const = 0;
};

std::unique_ptr<TestPlatform> makeTestPlatform();

} // namespace calvorin::test
