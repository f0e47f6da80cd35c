#include "bosskey/boss_key.h"

#include "core/numbers.h"
#include "core/program.h"

#include <string>

namespace calvorin::bosskey {

int keyCodeFor(std::string_view name) {
    // F2 is 113 and the others follow in order.
    for (int f = 2; f <= 12; ++f)
        if (name == "F" + std::to_string(f)) return 111 + f;
    return key::F10;
}

void BossKey::Set() {
    keyCode_ = keyCodeFor(core::trimBlanks(form_.cmbBoss.text()));
    form_.Label6.setCaption("Restore :  Ctrl + " + form_.cmbBoss.text());
    platform_.settings.save(core::kProgramTitle, "Boss", "bossKey", std::to_string(keyCode_));
}

void BossKey::tick() {
    if (keyCode_ == 0) return;
    auto& desktop = platform_.desktop;
    // Each key is read once per tick: a second read could lose a short press that the first
    // one reported, and Ctrl with the key would then hide without restoring.
    const bool boss = desktop.keyState(keyCode_) != 0;
    const bool control = desktop.keyState(key::Control) != 0;
    if (boss) hideAll();
    if (control && boss) restoreAll();
    if (control && desktop.keyState(key::U) != 0) {
        modHide::showAppWindow(desktop, main_);
        form_.setVisible(true);
        modHide::unhideProcess(platform_);
    }
}

void BossKey::hideAll() {
    modHide::hideBrowserWindows(platform_.desktop, saved_);
    platform_.desktop.showWindow(main_, platform::show::Hide);
    form_.setVisible(false);
}

void BossKey::restoreAll() {
    auto& desktop = platform_.desktop;
    modHide::restoreBrowserWindows(desktop, saved_);
    desktop.showWindow(main_, platform::show::Restore); // back to its normal state
    desktop.setForeground(main_);
    desktop.showWindow(main_, platform::show::Show);
    form_.setVisible(true);
}

void plugBossKey(core::frmMain& form, BossKey& bossKey) {
    form.cmdSet.onClick = [&bossKey] { bossKey.Set(); };
    form.slots.bossKeySet = [&bossKey] { bossKey.Set(); };
    form.timeHide.onTimer = [&bossKey] { bossKey.tick(); };
    form.timeHide.setEnabled(true);
}

} // namespace calvorin::bosskey
