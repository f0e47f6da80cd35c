#pragma once
#include "platform/emulated/failure_plan.h"
#include "platform/emulated/file_system.h"
#include "platform/shell.h"

#include <map>
#include <string>
#include <vector>

namespace calvorin::platform::emulated {

// The shell of a user profile on drive C:, whose folders exist from the start. Recent documents are the shortcut files in the
// Recent folder; the recycle bin is a list of recycled paths.
class Shell final : public platform::Shell {
  public:
    Shell(FailurePlan& failures, FileSystem& files);

    Status emptyRecycleBin(const std::string& root, std::uint32_t flags) override;
    Status clearRecentDocuments() override;
    Status specialFolder(int number, std::string& path) override;
    Status copyFile(const std::string& source, const std::string& destination) override;

    // --- the test's side ---
    std::map<int, std::string> folders; // special folders by number; absent ones fail
    std::vector<std::string> recycled;  // what the recycle bin holds
    struct Emptied {
        std::string root;
        std::uint32_t flags = 0;
    };
    std::vector<Emptied> emptied; // every call, in order

  private:
    FailurePlan& failures_;
    FileSystem& files_;
};

} // namespace calvorin::platform::emulated
