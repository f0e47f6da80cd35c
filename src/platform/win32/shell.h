#pragma once
#include "platform/shell.h"

namespace calvorin::platform::win32 {

class Shell final : public platform::Shell {
  public:
    Status emptyRecycleBin(const std::string& root, std::uint32_t flags) override;
    Status clearRecentDocuments() override;
    Status specialFolder(int number, std::string& path) override;
    Status copyFile(const std::string& source, const std::string& destination) override;
};

} // namespace calvorin::platform::win32
