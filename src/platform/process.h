#pragma once
#include "platform/status.h"

#include <cstdint>
#include <string>

namespace calvorin::platform {

// Flags of a restart request, with the values Windows gives them.
enum RestartFlags : std::uint32_t {
    RestartReboot = 0x2,       // EWX_REBOOT
    RestartForce = 0x4,        // EWX_FORCE: programs are closed without being asked
    RestartForceIfHung = 0x10, // EWX_FORCEIFHUNG: programs are asked; hung ones are ended
};

// The operating-system family as the version record tells it (its platform id).
enum PlatformId : std::uint32_t { PlatformWindows9x = 1, PlatformNT = 2 };

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
    // Starts a program file with a window show command (2: minimized with focus) and does not
    // wait for it; fails when the file is missing or is no program.
    virtual Status startProgram(const std::string& path, int showCommand) = 0;

    // The running program file's full path ("C:\Program Files\Calvorin\Calvorin.exe").
    virtual std::string programPath() = 0;

    // Has `commandLine` started at every logon, under `name`; a later registration under the
    // same name replaces it. Machine-wide where the user may write there, otherwise for this
    // user alone.
    virtual Status registerStartAtLogon(const std::string& name, const std::string& commandLine) = 0;
    // Removes the registration under `name` wherever it was made; none is no failure.
    virtual Status unregisterStartAtLogon(const std::string& name) = 0;

    // The version record's platform id.
    virtual std::uint32_t platformId() = 0;
    // Enables the shutdown privilege in this process's token (the NT family needs it before a
    // restart request). Fails when the user does not hold it.
    virtual Status enableShutdownPrivilege() = 0;
    // Asks Windows to restart with `flags` (RestartFlags). The request only starts the restart;
    // it returns at once. Refused without the privilege on the NT family.
    virtual Status requestRestart(std::uint32_t flags) = 0;
    // Ends this process at once, with no further window or shutdown processing.
    virtual void endProgram() = 0;
};

} // namespace calvorin::platform
