#pragma once
#include "core/main_form.h"
#include "platform/platform.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace calvorin::shredder {

// The "Shredder" page: the queue of files, "Add", "Clear All" and "Shred Files Now".
class ShredderPage {
  public:
    // Wires the page's buttons; the page must live as long as the form.
    ShredderPage(core::frmMain& form, platform::Platform& platform);
    ShredderPage(const ShredderPage&) = delete;
    ShredderPage& operator=(const ShredderPage&) = delete;

    // Room for the names the open-file dialog gives, in characters: enough for any practical
    // selection.
    static constexpr std::size_t kFileNameChars = 65536;

    void cmdCustomAdd_Click();
    void cmdCustomDeleteAll_Click();
    void cmdShread_Click();
    // "Ready..." while files are queued; otherwise the label ends empty.
    void Check();
    // How many characters of `sFiles` equal `vSearchChar`.
    static std::int16_t countDelimiters(std::string_view sFiles, char vSearchChar);

    // The queued paths, in the order added; shredding works from it.
    const std::vector<std::string>& queue() const { return queue_; }

  private:
    void queueChosen(const std::string& chosen);
    void reportLeftovers(const std::vector<std::string>& notShredded,
                         const std::vector<std::string>& unwritten);

    core::frmMain& form_;
    platform::Platform& p_;
    std::vector<std::string> queue_;
};

} // namespace calvorin::shredder
