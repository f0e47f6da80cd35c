#include "contract/test_platform.h"
#include "platform/emulated/world.h"

#include <filesystem>
#include <vector>

namespace calvorin::test {

namespace {
class EmulatedTestPlatform final : public TestPlatform {
  public:
    EmulatedTestPlatform() {
        world_.dialogs.onShow = [this](const auto& shown) {
            text_ = shown.text;
            caption_ = shown.caption;
        };
        world_.files.put(world_.process.path, "MZ"); // the running program is a file on disk
    }
    platform::Process& process() override { return world_.process; }
    platform::Registry& registry() override { return world_.registry; }
    platform::SettingsStore& settings() override { return world_.settings; }
    platform::EventLoop& events() override { return world_.events; }
    platform::Dialogs& dialogs() override { return world_.dialogs; }
    void answerNextMessageBox(int button) override { world_.dialogs.answers.push_back(button); }
    std::string lastMessageBoxText() override { return text_; }
    std::string lastMessageBoxCaption() override { return caption_; }
    bool realTime() const override { return false; }

    platform::FileSystem& files() override { return world_.files; }
    platform::Shell& shell() override { return world_.shell; }
    platform::Internet& internet() override { return world_.internet; }
    platform::UrlCache& urlCache() override { return world_.urlCache; }
    platform::UrlHistory& urlHistory() override { return world_.urlHistory; }
    platform::Clipboard& clipboard() override { return world_.clipboard; }
    platform::SystemInfo& system() override { return world_.system; }
    platform::Desktop& desktop() override { return world_.desktop; }
    platform::WindowHandle makeWindow(const std::string& className, const std::string& title) override {
        return world_.desktop.addWindow(className, title);
    }
    std::string scratchFolder() override {
        const std::string folder = "C:\\Scratch" + std::to_string(++scratch_);
        world_.files.makeFolder(folder);
        return folder;
    }
    void holdOpen(const std::string& path) override {
        world_.files.setInUse(path);
        held_.push_back(path);
    }
    void releaseHeld() override {
        for (const auto& path : held_) world_.files.setInUse(path, false);
        held_.clear();
    }
    bool addCacheEntry(const std::string& url, std::uint32_t type, const std::string& content,
                       std::string& localFile) override {
        localFile = world_.shell.folders.at(platform::folder::InternetCache) + "\\Content.IE5\\X1\\entry" +
                    std::to_string(world_.urlCache.entries.size()) + ".htm";
        world_.urlCache.add({url, localFile, type}, content);
        return true;
    }
    void setClipboardText(const std::string& text) override { world_.clipboard.text = text; }
    bool clipboardHasText() override { return !world_.clipboard.text.empty(); }
    bool makeFileLink(const std::string& link, const std::string& target) override {
        std::error_code ec;
        std::filesystem::create_symlink(world_.files.hostPath(target), world_.files.hostPath(link), ec);
        return !ec;
    }
    bool onWine() const override { return false; }
    std::string serve(const std::string& path, const std::string& response, bool stall) override {
        world_.internet.online = true;
        world_.internet.serve("http://127.0.0.1:8080" + path, response, stall);
        return "http://127.0.0.1:8080" + path;
    }
    bool makeHardLink(const std::string& existing, const std::string& newName) override {
        std::error_code ec;
        std::filesystem::create_hard_link(world_.files.hostPath(existing), world_.files.hostPath(newName), ec);
        return !ec;
    }
    void answerNextFileDialog(std::vector<std::string> paths) override {
        world_.dialogs.choices.push_back({std::move(paths)});
    }

  private:
    platform::emulated::World world_;
    std::string text_, caption_;
    int scratch_ = 0;
    std::vector<std::string> held_;
};
} // namespace

std::unique_ptr<TestPlatform> makeTestPlatform() { return std::make_unique<EmulatedTestPlatform>(); }

} // namespace calvorin::test
