#pragma once
#include "platform/status.h"

#include <map>
#include <optional>
#include <string>

namespace calvorin::platform::emulated {

// Lets a test make any emulated call fail: the next `times` calls of the named operation
// ("Registry.openKey", "Registry.writeValue" ...) return `failure` instead of doing anything.
class FailurePlan {
  public:
    void fail(const std::string& operation, Status failure, int times = 1) {
        planned_[operation] = {std::move(failure), times};
    }
    void clear() { planned_.clear(); }

    std::optional<Status> take(const std::string& operation) {
        auto it = planned_.find(operation);
        if (it == planned_.end()) return std::nullopt;
        Status s = it->second.failure;
        if (--it->second.times <= 0) planned_.erase(it);
        return s;
    }

  private:
    struct Planned {
        Status failure;
        int times = 0;
    };
    std::map<std::string, Planned> planned_;
};

} // namespace calvorin::platform::emulated
