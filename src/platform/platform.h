#pragma once
#include "platform/clipboard.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/event_loop.h"
#include "platform/file_system.h"
#include "platform/internet.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/settings_store.h"
#include "platform/shell.h"
#include "platform/system_info.h"
#include "platform/tray_icon.h"
#include "platform/url_cache.h"
#include "platform/url_history.h"

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
    FileSystem& files;
    Shell& shell;
    UrlCache& urlCache;
    UrlHistory& urlHistory;
    Clipboard& clipboard;
    SystemInfo& system;
    Desktop& desktop;
};

} // namespace calvorin::platform
