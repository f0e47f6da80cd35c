#pragma once
#include "platform/clipboard.h"

namespace calvorin::platform::win32 {

class Clipboard final : public platform::Clipboard {
  public:
    Status open() override;
    Status empty() override;
    Status close() override;
};

} // namespace calvorin::platform::win32
