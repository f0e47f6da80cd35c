#pragma once
#include "platform/status.h"

namespace calvorin::platform {

// The running program as one process among others.
class Process {
  public:
    virtual ~Process() = default;
    // Lists this process in the task list again after it was registered as a service process
    // (the Windows 95 family only; elsewhere the call does not exist and it fails).
    virtual Status showInTaskList() = 0;

    // True when another copy of this program is already running. The first call claims the
    // program for this copy; later calls give the same answer.
    virtual bool previousInstance() = 0;
};

} // namespace calvorin::platform
