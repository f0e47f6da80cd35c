#pragma once
#include "platform/clipboard.h"
#include "platform/emulated/failure_plan.h"

#include <string>

namespace calvorin::platform::emulated {

// A clipboard holding text, which another program may keep open.
class Clipboard final : public platform::Clipboard {
  public:
    explicit Clipboard(FailurePlan& failures) : failures_(failures) {}

    Status open() override {
        if (auto f = failures_.take("Clipboard.open")) return *f;
        if (heldByOther) return Status::failure(error::AccessDenied, "Access is denied.");
        isOpen = true;
        return Status::success();
    }
    Status empty() override {
        if (auto f = failures_.take("Clipboard.empty")) return *f;
        if (!isOpen) return notOpen();
        text.clear();
        return Status::success();
    }
    Status close() override {
        if (auto f = failures_.take("Clipboard.close")) return *f;
        if (!isOpen) return notOpen();
        isOpen = false;
        return Status::success();
    }

    // --- the test's side ---
    std::string text;
    bool heldByOther = false;
    bool isOpen = false;

  private:
    static Status notOpen() { return Status::failure(1418, "Thread does not have a clipboard open."); }
    FailurePlan& failures_;
};

} // namespace calvorin::platform::emulated
