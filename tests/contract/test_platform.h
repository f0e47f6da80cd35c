#pragma once
#include "platform/platform.h"

#include <memory>
#include <string>
#include <vector>

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

    virtual platform::FileSystem& files() = 0;
    virtual platform::Shell& shell() = 0;
    virtual platform::UrlCache& urlCache() = 0;
    virtual platform::UrlHistory& urlHistory() = 0;
    virtual platform::Clipboard& clipboard() = 0;
    virtual platform::SystemInfo& system() = 0;
    virtual platform::Internet& internet() = 0;
    virtual platform::Desktop& desktop() = 0;
    virtual platform::Process& process() = 0;
    // A visible top-level window of this class and title, owned by the test, gone with the platform.
    virtual platform::WindowHandle makeWindow(const std::string& className, const std::string& title) = 0;
    // A new empty folder for this test (a Windows path without trailing ""); the test empties
    // it, the platform removes it when it goes.
    virtual std::string scratchFolder() = 0;
    // Holds the file open with no sharing, as another program would, until released.
    virtual void holdOpen(const std::string& path) = 0;
    virtual void releaseHeld() = 0;
    // Adds a URL cache entry of `type` whose local file holds `content`; gives its local file.
    virtual bool addCacheEntry(const std::string& url, std::uint32_t type, const std::string& content,
                               std::string& localFile) = 0;
    virtual void setClipboardText(const std::string& text) = 0;
    virtual bool clipboardHasText() = 0;
    // Answers `path` on a local web server with `response` (head and body as sent, then the
    // connection closes) and gives the URL; a stalled answer never comes.
    virtual std::string serve(const std::string& path, const std::string& response,
                              bool stall = false) = 0;
    // A symbolic link at `link` to the file `target` (a Linux one under Wine); false when
    // the system cannot make one.
    virtual bool makeFileLink(const std::string& link, const std::string& target) = 0;
    // A second name for an existing file (a hard link); false when the volume cannot.
    virtual bool makeHardLink(const std::string& existing, const std::string& newName) = 0;
    // Picks `paths` (one folder, in order) in the next open-file dialog once it shows, by
    // typing their names into it and pressing Open; no paths press Cancel.
    virtual void answerNextFileDialog(std::vector<std::string> paths) = 0;
    // True under Wine, where some services are known to fall short of Windows.
    virtual bool onWine() const = 0;
};

std::unique_ptr<TestPlatform> makeTestPlatform();

} // namespace calvorin::test
