#pragma once
#include "bosskey/hide_windows.h"
#include "core/main_form.h"
#include "platform/platform.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace calvorin::bosskey {

namespace key {
inline constexpr int Control = 17;
inline constexpr int U = 85;
inline constexpr int F10 = 121;
} // namespace key

// The virtual-key code of a key named in the boss key list ("F2" to "F12"); F10 for any
// other text.
int keyCodeFor(std::string_view name);

// The boss key: one function key hides every browser window and the main window, Ctrl with
// it brings them back, Ctrl+U brings back the main window alone. Lives as long as the program.
class BossKey {
  public:
    BossKey(core::frmMain& form, platform::Platform& platform, platform::WindowHandle mainWindow)
        : form_(form), platform_(platform), main_(mainWindow) {}
    BossKey(const BossKey&) = delete;
    BossKey& operator=(const BossKey&) = delete;

    // "Set": takes the key from cmbBoss, shows how to restore and remembers the key.
    void Set();
    // One look at the keyboard (timeHide): hide, restore, show the main window, in that order.
    void tick();

    int keyCode() const { return keyCode_; }
    const std::vector<SavedWindow>& savedWindows() const { return saved_; }

  private:
    void hideAll();
    void restoreAll();

    core::frmMain& form_;
    platform::Platform& platform_;
    platform::WindowHandle main_;
    std::int32_t keyCode_ = 0; // none until the first Set
    std::vector<SavedWindow> saved_;
};

// Wires the boss key into the main window: cmdSet, the end of loading the saved values, and
// the polling timer, which starts here.
void plugBossKey(core::frmMain& form, BossKey& bossKey);

} // namespace calvorin::bosskey
