#pragma once
#include "platform/emulated/clipboard.h"
#include "platform/emulated/desktop.h"
#include "platform/emulated/dialogs.h"
#include "platform/emulated/event_loop.h"
#include "platform/emulated/failure_plan.h"
#include "platform/emulated/file_system.h"
#include "platform/emulated/internet.h"
#include "platform/emulated/process.h"
#include "platform/emulated/registry.h"
#include "platform/emulated/shell.h"
#include "platform/emulated/system_info.h"
#include "platform/emulated/tray_icon.h"
#include "platform/emulated/url_cache.h"
#include "platform/emulated/url_history.h"
#include "platform/platform.h"

namespace calvorin::platform::emulated {

// One emulated Windows: every service, sharing one failure plan. Tests build the world they
// need through its members, run the logic on platform(), and inspect the world afterwards.
struct World {
    World() {
        process.files = &files;
        internet.clock = &events;
    }
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    FailurePlan failures;
    Registry registry{failures};
    SettingsStore settings{registry};
    Dialogs dialogs;
    EventLoop events;
    Internet internet{failures};
    Process process{registry, failures};
    TrayIcon tray{failures};
    HostFolder host; // the drives live below it, and go with the world
    FileSystem files{failures, host.path()};
    Shell shell{failures, files};
    UrlCache urlCache{failures, files};
    UrlHistory urlHistory{failures};
    Clipboard clipboard{failures};
    SystemInfo system{failures};
    Desktop desktop{failures};

    Platform platform() {
        return Platform{registry, settings, dialogs,  events,     internet,  process,
                        tray,     files,    shell,    urlCache,   urlHistory, clipboard,
                        system,   desktop};
    }
};

} // namespace calvorin::platform::emulated
