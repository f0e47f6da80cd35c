#pragma once
#include "platform/process.h"

namespace calvorin::platform::emulated {

// This process, with or without another copy of the program beside it.
class Process final : public platform::Process {
  public:
    Status showInTaskList() override {
        if (!offersServiceProcess)
            return Status::failure(error::CallNotImplemented,
                                   "This function is not supported on this system.");
        ++taskListShows;
        return Status::success();
    }
    bool previousInstance() override {
        ++instanceChecks;
        return anotherCopyRunning;
    }

    // --- the test's side ---
    bool offersServiceProcess = false; // the Windows 95 family's service-process call
    int taskListShows = 0;
    bool anotherCopyRunning = false;
    int instanceChecks = 0;
};

} // namespace calvorin::platform::emulated
