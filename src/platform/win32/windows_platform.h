#pragma once
#include "platform/platform.h"
#include "platform/win32/clipboard.h"
#include "platform/win32/desktop.h"
#include "platform/win32/dialogs.h"
#include "platform/win32/event_loop.h"
#include "platform/win32/file_system.h"
#include "platform/win32/internet.h"
#include "platform/win32/process.h"
#include "platform/win32/registry.h"
#include "platform/win32/shell.h"
#include "platform/win32/system_info.h"
#include "platform/win32/tray_icon.h"
#include "platform/win32/url_cache.h"
#include "platform/win32/url_history.h"

namespace calvorin::platform::win32 {

// Every real Windows service, and the Platform over them, for a program entry to hand on.
struct WindowsPlatform {
    Registry registry;
    SettingsStore settings{registry};
    Dialogs dialogs;
    EventLoop events;
    Internet internet;
    Process process;
    TrayIcon tray;
    FileSystem files;
    Shell shell;
    UrlCache urlCache;
    UrlHistory urlHistory;
    Clipboard clipboard;
    SystemInfo system;
    Desktop desktop;
    Platform os{registry, settings, dialogs,  events,     internet,  process, tray,
                files,    shell,    urlCache, urlHistory, clipboard, system,  desktop};

    WindowsPlatform() = default;
    WindowsPlatform(const WindowsPlatform&) = delete;
    WindowsPlatform& operator=(const WindowsPlatform&) = delete;
};

} // namespace calvorin::platform::win32
