// Entry of Update.exe: the Windows platform, the two windows, the update run in the load of
// the start-up window, then the message loop while the status window stays open.
#include "app/program_folder.h"
#include "app/update_window.h"
#include "core/program.h"
#include "platform/win32/windows_platform.h"
#include "product.h"

#include <commctrl.h>
#include <windows.h>

#include <exception>

using namespace calvorin;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    platform::win32::WindowsPlatform services;
    platform::Platform& os = services.os;
    auto& events = services.events;
    auto& dialogs = services.dialogs;
    auto& internet = services.internet;
    internet.transferAgent = core::kProgramTitle;

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
