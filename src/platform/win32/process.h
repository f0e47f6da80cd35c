#pragma once
#include "platform/process.h"
#include "platform/win32/registry.h"

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
    Status startProgram(const std::string& path, int showCommand) override;

    std::string programPath() override;
    // The Run keys, machine-wide or for this user (see platform/logon_start.h).
    Status registerStartAtLogon(const std::string& name, const std::string& commandLine) override;
    Status unregisterStartAtLogon(const std::string& name) override;
    std::uint32_t platformId() override;
    Status enableShutdownPrivilege() override;
    Status requestRestart(std::uint32_t flags) override;
    void endProgram() override;

  private:
    void* mutex_ = nullptr;
    bool checked_ = false;
    bool previous_ = false;
    Registry registry_;
};

} // namespace calvorin::platform::win32
