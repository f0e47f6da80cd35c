#pragma once
// Drives the real Calvorin.exe through its windows, as a user (or a screen reader) would.
#include <windows.h>

#include <functional>
#include <string>

namespace calvorin::e2e {

inline constexpr const wchar_t* kWindowTitle = L"Calvorin 1.0";

// Calvorin.exe started from beside this test program; ended when the object goes.
class Program {
  public:
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    DWORD pid() const { return info_.dwProcessId; }
    // The program's main window once it is visible; null after `ms`.
    HWND mainWindow(int ms = 20000);
    // Waits for the program to end; true when it did.
    bool waitExit(int ms);
    bool running();

  private:
    PROCESS_INFORMATION info_{};
};

// Polls `condition` until it holds or `ms` pass.
bool waitFor(const std::function<bool()>& condition, int ms);

// A descendant window showing `text` (of class `cls` when given).
HWND findChild(HWND top, const std::wstring& text, const std::wstring& cls = L"");
HWND findChildById(HWND top, int id);
std::wstring textOf(HWND window);
// Presses a button or ticks a check box the way a click does, without waiting for its work.
void click(HWND button);
bool isChecked(HWND box);
// A message box shown by process `pid`, once it appears.
HWND waitForMessageBox(DWORD pid, int ms = 15000);
std::wstring messageBoxText(HWND box);
void pressOk(HWND box);

// The program's settings store and the system's own short date of today.
std::wstring readSetting(const std::wstring& section, const std::wstring& key);
void clearSettings();
std::wstring todayShortDate();
// "6-December-2026" for today.
std::wstring todayLastEraseText();

} // namespace calvorin::e2e
