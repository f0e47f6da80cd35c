// Entry of Calvorin.exe: the Windows platform, the main window, the message loop.
#include "app/erase_items.h"
#include "app/main_window.h"
#include "automation/clean_and_restart.h"
#include "automation/schedule.h"
#include "automation/startup_options.h"
#include "bosskey/boss_key.h"
#include "cleaners/trace_operations.h"
#include "cookies/cookie_keeper.h"
#include "core/error_report.h"
#include "core/main_end.h"
#include "core/main_form.h"
#include "platform/win32/callback_guard.h"
#include "platform/win32/text.h"
#include "platform/win32/windows_platform.h"
#include "settings/startup_records.h"
#include "sysinfo/system_information.h"
#include "app/program_folder.h"
#include "update/upgrade_handoff.h"
#include "shredder/shredder_page.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

using namespace calvorin;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                                        ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    platform::win32::WindowsPlatform windows;
    platform::Platform& os = windows.os;
    auto& events = windows.events;
    auto& dialogs = windows.dialogs;
    auto& tray = windows.tray;

    core::frmMain form(os);
    // What a handler throws reaches the user as any other failure does.
    platform::win32::setCallbackFailureReport([&os](const platform::Status& failure) {
        platform::Status pending = failure;
        core::MdErrorHand::ReportError(os, "frmMain, event, " + failure.description, pending);
    });
    shredder::ShredderPage shredderPage(form, os);
    auto cookieKeeper = app::plugEraseItems(form, os, app::programFolder());
    app::MainWindow window(instance, form);
    events.preTranslate = [&](void* msg) { return window.host().preTranslate(static_cast<MSG*>(msg)); };
    dialogs.setOwner(window.handle());
    tray.setWindow(window.handle(), window.icon());

    settings::plugStartupRecords(form, os);
    automation::Schedule schedule(form, os);
    automation::plugStartupOptions(form, os);
    automation::plugCleanAndRestart(form, os);
    sysinfo::plugSystemInformation(form, os);
    bosskey::BossKey bossKey(form, os, reinterpret_cast<std::uintptr_t>(window.handle()));
    bosskey::plugBossKey(form, bossKey);
    form.slots.openWebPage = [](const std::string& address) {
        ShellExecuteW(nullptr, nullptr, platform::win32::widen(address).c_str(), nullptr, nullptr,
                      SW_SHOWNORMAL);
    };

    update::plugUpgrade(form, os, {app::programFolder(), [&window](const std::string& address) {
                                       ShellExecuteW(window.handle(), L"open",
                                                     platform::win32::widen(address).c_str(),
                                                     nullptr, nullptr, SW_SHOWNORMAL);
                                   }});

    // The shutdown sequence ends the program here and now: nothing after it runs. The windows
    // go with the process; hiding each first would only make the end wait for the display.
    auto end = [] { ExitProcess(0); };
    core::MainWindowEnd ending(form, os, end);
    ending.blockShutdown = [&](const std::string& reason) {
        if (reason.empty()) ShutdownBlockReasonDestroy(window.handle());
        else ShutdownBlockReasonCreate(window.handle(), platform::win32::widen(reason).c_str());
    };
    window.host().onClose = [&] { ending.close(); };
    window.host().onQueryEndSession = [&] { return ending.sessionEnding(); };
    window.host().onEndSession = [&](bool endingNow) { ending.sessionEnded(endingNow); };

    if (!form.Form_Load()) end(); // another copy runs, or an upgrade ended this one
    form.setVisible(true);
    return events.run();
}
