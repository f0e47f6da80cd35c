// Entry of Calvorin.exe: the Windows platform, the main window, the message loop.
#include "app/main_window.h"
#include "cleaners/trace_operations.h"
#include "core/main_form.h"
#include "platform/win32/clipboard.h"
#include "platform/win32/dialogs.h"
#include "platform/win32/event_loop.h"
#include "platform/win32/file_system.h"
#include "platform/win32/registry.h"
#include "platform/win32/shell.h"
#include "platform/win32/system_info.h"
#include "platform/win32/url_cache.h"
#include "platform/win32/url_history.h"

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
    platform::win32::FileSystem files;
    platform::win32::Shell shell;
    platform::win32::UrlCache urlCache;
    platform::win32::UrlHistory urlHistory;
    platform::win32::Clipboard clipboard;
    platform::win32::SystemInfo system;
    platform::Platform os{registry, settings, dialogs,    events,    files,
                          shell,    urlCache, urlHistory, clipboard, system};

    core::frmMain form(os);
    // The error report is not built yet: until it is, a failure of ClearRecentDocs goes unshown.
    cleaners::plugWindowsAndInternetExplorer(form.eraseOperations, os, {});
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
