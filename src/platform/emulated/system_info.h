#pragma once
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

    // --- the test's side ---
    std::string temp = "C:\\Users\\user\\AppData\\Local\\Temp\\";

  private:
    FailurePlan& failures_;
};

} // namespace calvorin::platform::emulated
