#pragma once
#include "platform/status.h"

#include <cstdint>
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
    void clear() {
        planned_.clear();
        nth_ = 0;
    }
    // Fails the k-th call of any kind from now on (k from 1), whatever it is; every call
    // counts, planned or not.
    void failCall(std::uint64_t k, Status failure) {
        nth_ = calls_ + k;
        nthFailure_ = std::move(failure);
    }
    // How many calls were made so far: a sweep's first run tells how far to go.
    std::uint64_t calls() const { return calls_; }

    std::optional<Status> take(const std::string& operation) {
        if (++calls_ == nth_) return nthFailure_;
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
    std::uint64_t calls_ = 0;
    std::uint64_t nth_ = 0; // 0: none
    Status nthFailure_;
};

} // namespace calvorin::platform::emulated
