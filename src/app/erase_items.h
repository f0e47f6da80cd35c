#pragma once
#include "core/main_form.h"
#include "platform/platform.h"

namespace calvorin::app {

// Plugs every trace item's erase operations into the main window, exactly as the program
// runs them: the program and the fault sweep both plug through here. The operations work
// on `platform`, which must outlive the form.
void plugEraseItems(core::frmMain& form, platform::Platform& platform);

} // namespace calvorin::app
