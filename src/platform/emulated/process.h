#pragma once
#include "platform/file_system.h"
#include "platform/process.h"

#include <string>
#include <vector>

namespace calvorin::platform::emulated {

// This process, with or without another copy of the program beside it.
class Process final : public platform::Process {
  public:
    bool previousInstance() override {
        ++instanceChecks;
        return anotherCopyRunning;
    }

    // Only a file that exists starts; what it would do is the test's to play.
    Status startProgram(const std::string& path, int showCommand) override {
        if (!files || !files->fileExists(path)) return Status::failure(error::FileNotFound, "File not found");
        started.push_back({path, showCommand});
        return Status::success();
    }

    // --- the test's side ---
    bool anotherCopyRunning = false;
    int instanceChecks = 0;
    struct Started {
        std::string path;
        int showCommand = 0;
        bool operator==(const Started&) const = default;
    };
    std::vector<Started> started;
    platform::FileSystem* files = nullptr; // where program files are looked for
};

} // namespace calvorin::platform::emulated
