#pragma once

// Where the program keeps its own values under HKEY_LOCAL_MACHINE.
namespace calvorin::settings::layout {

// "Titile": the main window's title, for the update hand-off.
inline constexpr const char* kProductKey = "Software\\Microsoft\\Calvorin";
// "ver", "App", "Up", "donreq": the update hand-off between the two programs.
inline constexpr const char* kUpdateKey = "Software\\Microsoft\\CalvorinUpdate";
// The program's entry for starting with Windows.
inline constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run\\";

} // namespace calvorin::settings::layout
