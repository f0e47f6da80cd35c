#pragma once
#include "platform/status.h"

#include <string>

namespace calvorin::platform {

// The running program as one process among others.
class Process {
  public:
    virtual ~Process() = default;

    // True when another copy of this program is already running. The first call claims the
    // program for this copy; later calls give the same answer.
    virtual bool previousInstance() = 0;
    // Starts a program file with a window show command (2: minimized with focus) and does not
    // wait for it; fails when the file is missing or is no program.
    virtual Status startProgram(const std::string& path, int showCommand) = 0;
};

} // namespace calvorin::platform
