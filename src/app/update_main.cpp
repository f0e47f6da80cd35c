// Entry of Update.exe: the Windows platform, the two windows, the update run in the load of
// the start-up window, then the message loop while the status window stays open.
#include "app/program_folder.h"
#include "app/update_window.h"
#include "core/program.h"
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
#include "product.h"

#include <commctrl.h>
#include <windows.h>

#include <exception>

using namespace calvorin;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    platform::win32::Registry registry;
    platform::SettingsStore settings(registry);
    platform::win32::Dialogs dialogs;
    platform::win32::EventLoop events;
    platform::win32::Internet internet;
    internet.transferAgent = core::kProgramTitle;
    platform::win32::Process process;
    platform::win32::TrayIcon tray;
    platform::win32::FileSystem files;
    platform::win32::Shell shell;
    platform::win32::UrlCache urlCache;
    platform::win32::UrlHistory urlHistory;
    platform::win32::Clipboard clipboard;
    platform::win32::SystemInfo system;
    platform::win32::Desktop desktop;
    platform::Platform os{registry, settings, dialogs,  events,     internet,  process, tray,
                          files,    shell,    urlCache, urlHistory, clipboard, system,  desktop};

    std::string server = product::kUpdateServer;
    while (!server.empty() && server.back() == '/')
        server.pop_back();
    update::UpdateSession session{os, app::programFolder(), server, {}, {}, {}, {}, {}};
    // Ending is immediate, also from inside a wait: nothing of the update runs after it.
    session.endProgram = [] { ExitProcess(0); };

    update::frmLoading loading(os);
    loading.endProgram = session.endProgram;
    update::frmUpgrade upgrade(session, loading);
    app::UpdateWindows windows(instance, upgrade, loading);
    events.preTranslate = [&](void* msg) {
        return windows.statusHost().preTranslate(static_cast<MSG*>(msg));
    };
    dialogs.setOwner(windows.status());
    windows.statusHost().onClose = [&] { loading.unload(); };

    // Every failure inside the update is met where it happens; nothing may escape into Windows.
    try {
        upgrade.load();
    } catch (const std::exception&) {
        loading.LoadName.setCaption("The upgrade stopped unexpectedly.");
    }
    return events.run();
}
