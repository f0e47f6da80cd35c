#pragma once

namespace calvorin::platform {

// The running program as one process among others.
class Process {
  public:
    virtual ~Process() = default;

    // True when another copy of this program is already running. The first call claims the
    // program for this copy; later calls give the same answer.
    virtual bool previousInstance() = 0;
};

} // namespace calvorin::platform
