#pragma once
#include "platform/status.h"

namespace calvorin::platform {

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // Opens the clipboard for the program's active window; fails while another has it open.
    virtual Status open() = 0;
    // Removes every format the clipboard holds; only while this program has it open.
    virtual Status empty() = 0;
    virtual Status close() = 0;
};

} // namespace calvorin::platform
