#pragma once
#include "platform/process.h"

namespace calvorin::platform::win32 {

// This process among the others of the desktop session.
class Process final : public platform::Process {
  public:
    Process() = default;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process() override;

    Status showInTaskList() override;

    // A mutex named after the program file marks the running copy; it lives as long as this
    // process does.
    bool previousInstance() override;

  private:
    void* mutex_ = nullptr;
    bool checked_ = false;
    bool previous_ = false;
};

} // namespace calvorin::platform::win32
