#include "platform/file_system.h"

#include <algorithm>

namespace calvorin::platform {

Status FileSystem::list(const std::string& pattern, std::uint32_t include,
                        std::vector<DirEntry>& entries) {
    entries.clear();
    Status s = find(pattern, entries);
    if (!s.ok()) return s;
    const std::uint32_t filtered = attr::Hidden | attr::System | attr::Directory;
    std::erase_if(entries, [&](const DirEntry& e) {
        return (e.attributes & filtered & ~include) != 0;
    });
    if (entries.empty())
        return Status::failure(error::FileNotFound, "The system cannot find the file specified.");
    return s;
}

} // namespace calvorin::platform
