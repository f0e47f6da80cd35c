#pragma once
#include "platform/process.h"

namespace calvorin::platform::emulated {

// This process, with or without another copy of the program beside it.
class Process final : public platform::Process {
  public:
    bool previousInstance() override {
        ++instanceChecks;
        return anotherCopyRunning;
    }

    // --- the test's side ---
    bool anotherCopyRunning = false;
    int instanceChecks = 0;
};

} // namespace calvorin::platform::emulated
