// Entry of Calvorin.exe: the Windows platform, the main window, the message loop.
#include "app/main_window.h"
#include "core/main_form.h"
#include "platform/win32/dialogs.h"
#include "platform/win32/event_loop.h"
#include "platform/win32/registry.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

using namespace calvorin;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                                        ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    platform::win32::Registry registry;
    platform::SettingsStore settings(registry);
    platform::win32::Dialogs dialogs;
    platform::win32::EventLoop events;
    platform::Platform os{registry, settings, dialogs, events};

    core::frmMain form(os);
    app::MainWindow window(instance, form);
    events.preTranslate = [&](void* msg) { return window.host().preTranslate(static_cast<MSG*>(msg)); };
    dialogs.setOwner(window.handle());

    form.optOption.setOnClick([&](int page) {
        toolkit::Frame* frames[] = {&form.fraErase, &form.fraSchedule, &form.fraStartup,
                                    &form.fraShread, &form.fraHelp};
        frames[page]->zOrder();
    });
    form.onUnload = [] {};
    window.host().onClose = [&] {
        form.unload();
        // Closing ends the program here and now, even inside a run's pause: nothing after runs.
        DestroyWindow(window.handle());
        ExitProcess(0);
    };

    form.fraErase.zOrder();
    form.optOption[0].setValue(true);
    form.spProg.setWidth(0);
    form.LastDateClean();
    form.LastCleanCap.setCaption(form.lastEraseText("Last Erase :   "));

    form.setVisible(true);
    return events.run();
}
