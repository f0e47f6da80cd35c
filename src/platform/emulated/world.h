#pragma once
#include "platform/emulated/dialogs.h"
#include "platform/emulated/event_loop.h"
#include "platform/emulated/failure_plan.h"
#include "platform/emulated/internet.h"
#include "platform/emulated/process.h"
#include "platform/emulated/registry.h"
#include "platform/emulated/tray_icon.h"
#include "platform/platform.h"

namespace calvorin::platform::emulated {

// One emulated Windows: every service, sharing one failure plan. Tests build the world they
// need through its members, run the logic on platform(), and inspect the world afterwards.
struct World {
    FailurePlan failures;
    Registry registry{failures};
    SettingsStore settings{registry};
    Dialogs dialogs;
    EventLoop events;
    Internet internet{failures};
    Process process;
    TrayIcon tray{failures};

    Platform platform() {
        return Platform{registry, settings, dialogs, events, internet, process, tray};
    }
};

} // namespace calvorin::platform::emulated
