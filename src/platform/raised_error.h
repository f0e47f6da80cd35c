#pragma once
#include "platform/status.h"

#include <stdexcept>

namespace calvorin::platform {

// The one exception type: thrown where a member hands its failure to the caller rather than
// returning it; the caller that goes on past failures catches it at that call.
class RaisedError : public std::runtime_error {
  public:
    explicit RaisedError(Status status)
        : std::runtime_error(status.description), status_(std::move(status)) {}
    const Status& status() const { return status_; }
    std::int64_t number() const { return status_.number; }

  private:
    Status status_;
};

} // namespace calvorin::platform
