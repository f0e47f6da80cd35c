#pragma once
#include "toolkit/control.h"

#include <vector>

namespace calvorin::test {

// Stands in for a window: notes every property change the model pushes.
struct RecordingPeer : toolkit::Peer {
    std::vector<toolkit::Property> changes;
    void changed(toolkit::Property p) override { changes.push_back(p); }
};

} // namespace calvorin::test
