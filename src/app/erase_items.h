#pragma once
#include "cookies/cookie_keeper.h"
#include "core/main_form.h"
#include "platform/platform.h"

#include <memory>
#include <string>

namespace calvorin::app {

// Plugs every trace item's erase operations into the main window, exactly as the program
// runs them: the program and the fault sweep both plug through here. The operations work
// on `platform`, which must outlive the form. The cookie keeper it gives back serves the
// "Cookies" item and the cookie list; the caller keeps it as long as the form.
std::unique_ptr<cookies::CookieKeeper> plugEraseItems(core::frmMain& form, platform::Platform& platform,
                                                      const std::string& programFolder);

} // namespace calvorin::app
