#pragma once
#include "platform/emulated/failure_plan.h"
#include "platform/file_system.h"
#include "platform/logon_start.h"
#include "platform/process.h"

#include <cstdint>
#include <string>
#include <vector>

namespace calvorin::platform::emulated {

// This process, with or without another copy of the program beside it. Start at logon goes
// to the registry's Run keys as on Windows; restart requests and the end are recorded.
class Process final : public platform::Process {
  public:
    Process(platform::Registry& registry, FailurePlan& failures)
        : registry_(registry), failures_(failures) {}

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

    // Only a file that exists starts; what it would do is the test's to play.
    Status startProgram(const std::string& file, int showCommand) override {
        if (!files || !files->fileExists(file)) return Status::failure(error::FileNotFound, "File not found");
        started.push_back({file, showCommand});
        return Status::success();
    }

    std::string programPath() override { return path; }

    Status registerStartAtLogon(const std::string& name, const std::string& commandLine) override {
        if (auto f = failures_.take("Process.registerStartAtLogon")) return *f;
        return logon::registerRunEntry(registry_, name, commandLine);
    }
    Status unregisterStartAtLogon(const std::string& name) override {
        if (auto f = failures_.take("Process.unregisterStartAtLogon")) return *f;
        return logon::unregisterRunEntry(registry_, name);
    }

    std::uint32_t platformId() override { return platform; }

    Status enableShutdownPrivilege() override {
        calls.push_back("enableShutdownPrivilege");
        if (auto f = failures_.take("Process.enableShutdownPrivilege")) return *f;
        if (!mayShutDown) return notHeld();
        shutdownPrivilegeEnabled = true;
        return Status::success();
    }
    // As on Windows, the NT family refuses the request unless the privilege is enabled.
    Status requestRestart(std::uint32_t flags) override {
        calls.push_back("requestRestart");
        if (auto f = failures_.take("Process.requestRestart")) return *f;
        if (platform == PlatformNT && !shutdownPrivilegeEnabled) return notHeld();
        restartRequests.push_back(flags);
        return Status::success();
    }
    // Nothing after this runs on Windows; here the call returns and the test sees `ended`.
    void endProgram() override {
        calls.push_back("endProgram");
        ended = true;
    }

    // --- the test's side ---
    bool offersServiceProcess = false; // the Windows 95 family's service-process call
    int taskListShows = 0;
    bool anotherCopyRunning = false;
    int instanceChecks = 0;
    struct Started {
        std::string path;
        int showCommand = 0;
        bool operator==(const Started&) const = default;
    };
    std::vector<Started> started;
    platform::FileSystem* files = nullptr; // where program files are looked for
    std::string path = "C:\\Program Files\\Calvorin\\Calvorin.exe";
    std::uint32_t platform = PlatformNT;
    bool mayShutDown = true; // the user holds the shutdown privilege
    bool shutdownPrivilegeEnabled = false;
    std::vector<std::uint32_t> restartRequests; // flags of each accepted request
    bool ended = false;
    std::vector<std::string> calls; // the restart calls and the end, in order

  private:
    static Status notHeld() {
        return Status::failure(1314, "A required privilege is not held by the client.");
    }
    platform::Registry& registry_;
    FailurePlan& failures_;
};

} // namespace calvorin::platform::emulated
