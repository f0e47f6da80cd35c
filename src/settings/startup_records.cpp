#include "settings/startup_records.h"

#include "settings/registry_access.h"
#include "settings/registry_layout.h"

namespace calvorin::settings {

void ensureUpdateRecords(platform::Platform& platform, const std::string& windowTitle) {
    trymodReg::tryGetOrCreateSettingString(platform, platform::kLocalMachine, layout::kUpdateKey,
                                           "ver", "1");
    trymodReg::tryGetOrCreateSettingString(platform, platform::kLocalMachine, layout::kProductKey,
                                           "Titile", windowTitle);
}

void plugStartupRecords(core::frmMain& form, platform::Platform& platform) {
    form.slots.ensureUpdateRecords = [&form, &platform] {
        ensureUpdateRecords(platform, form.caption());
    };
}

} // namespace calvorin::settings
