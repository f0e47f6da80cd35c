#pragma once
#include "platform/emulated/ansi_code_page.h"
#include "platform/emulated/failure_plan.h"
#include "platform/system_info.h"

namespace calvorin::platform::emulated {

class SystemInfo final : public platform::SystemInfo {
  public:
    explicit SystemInfo(FailurePlan& failures) : failures_(failures) {}

    Status tempPath(std::string& path) override {
        path.clear();
        if (auto f = failures_.take("SystemInfo.tempPath")) return *f;
        path = temp;
        return Status::success();
    }
    Status version(VersionRecord& record) override {
        record = {};
        if (auto f = failures_.take("SystemInfo.version")) return *f;
        record = versionRecord;
        return Status::success();
    }
    Status processor(ProcessorRecord& record) override {
        record = {};
        if (auto f = failures_.take("SystemInfo.processor")) return *f;
        record = processorRecord;
        return Status::success();
    }
    Status memory(MemoryStatus& status) override {
        status = {};
        if (auto f = failures_.take("SystemInfo.memory")) return *f;
        status = memoryStatus;
        return Status::success();
    }

    // The code page of a Western European Windows.
    Status toAnsi(const std::string& text, std::string& ansi) override {
        ansi.clear();
        if (auto f = failures_.take("SystemInfo.toAnsi")) return *f;
        ansi = utf8ToWindows1252(text);
        return Status::success();
    }
    Status fromAnsi(const std::string& ansi, std::string& text) override {
        text.clear();
        if (auto f = failures_.take("SystemInfo.fromAnsi")) return *f;
        text = windows1252ToUtf8(ansi);
        return Status::success();
    }

    // --- the test's side ---
    std::string temp = "C:\\Users\\user\\AppData\\Local\\Temp\\";
    // A Windows 10 machine with four x64 processors and 8 GiB.
    VersionRecord versionRecord{10, 0, 19045, platform_id::NT};
    ProcessorRecord processorRecord{9, 4, 6};
    MemoryStatus memoryStatus{8ull << 30, 3ull << 30};

  private:
    FailurePlan& failures_;
};

} // namespace calvorin::platform::emulated
