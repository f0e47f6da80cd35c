#include "contract/test_platform.h"
#include "platform/emulated/world.h"

namespace calvorin::test {

namespace {
class EmulatedTestPlatform final : public TestPlatform {
  public:
    EmulatedTestPlatform() {
        world_.dialogs.onShow = [this](const auto& shown) {
            text_ = shown.text;
            caption_ = shown.caption;
        };
    }
    platform::Registry& registry() override { return world_.registry; }
    platform::SettingsStore& settings() override { return world_.settings; }
    platform::EventLoop& events() override { return world_.events; }
    platform::Dialogs& dialogs() override { return world_.dialogs; }
    void answerNextMessageBox(int button) override { world_.dialogs.answers.push_back(button); }
    std::string lastMessageBoxText() override { return text_; }
    std::string lastMessageBoxCaption() override { return caption_; }
    bool realTime() const override { return false; }

  private:
    platform::emulated::World world_;
    std::string text_, caption_;
};
} // namespace

std::unique_ptr<TestPlatform> makeTestPlatform() { return std::make_unique<EmulatedTestPlatform>(); }

} // namespace calvorin::test
