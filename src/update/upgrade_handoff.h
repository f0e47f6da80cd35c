#pragma once
#include "core/main_form.h"
#include "platform/platform.h"

#include <functional>
#include <string>

// The main program's side of an upgrade: starting the update program, and the swap of the
// program file over the next two starts, carried by the update key's "Up" value.
namespace calvorin::update {

// What the swap needs beyond the platform.
struct HandOffPlace {
    // The folder of the running program file.
    std::string programFolder;
    // Opens the vendor's page in the user's browser.
    std::function<void(const std::string& address)> openWebPage;
};

// Advances a pending swap by one stage; true when this copy of the program is to end.
bool Check_For_Update(platform::Platform& platform, const HandOffPlace& place);

// "Check For Upgrade": starts "Update.exe" from the program folder.
void startUpdateProgram(core::frmMain& form, platform::Platform& platform,
                        const std::string& programFolder);

// The vendor's page announcing what the upgrade brought.
std::string upgradePageAddress();

// Gives the main window its "Check For Upgrade" button and the swap at load.
void plugUpgrade(core::frmMain& form, platform::Platform& platform, HandOffPlace place);

} // namespace calvorin::update
