#pragma once

namespace calvorin::core {

// The program's title: the settings-store application name, every message box's caption and
// the agent name of its Internet requests.
inline constexpr const char* kProgramTitle = "Calvorin";
// The main window's title: the product and its version.
inline constexpr const char* kWindowTitle = "Calvorin 1.0";

} // namespace calvorin::core
