#pragma once
#include "platform/dialogs.h"
#include "platform/event_loop.h"
#include "platform/internet.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/settings_store.h"
#include "platform/tray_icon.h"

namespace calvorin::platform {

// The operating system as the program sees it: one reference per service. Every module is
// handed the Platform it works on; nothing reaches the system any other way.
struct Platform {
    Registry& registry;
    SettingsStore& settings;
    Dialogs& dialogs;
    EventLoop& events;
    Internet& internet;
    Process& process;
    TrayIcon& tray;
};

} // namespace calvorin::platform
