// Flush, rename and the link test of the emulated drives.
#include "platform/emulated/file_system.h"

namespace calvorin::platform::emulated {

namespace fs = std::filesystem;

Status FileSystem::flush(FileHandle file) {
    if (auto f = failures_.take("FileSystem.flush")) return *f;
    const auto it = handles_.find(file);
    if (it == handles_.end())
        return Status::failure(error::InvalidHandle, "The handle is invalid.");
    if (std::fflush(it->second.file) != 0)
        return Status::failure(error::AccessDenied, "Access is denied.");
    return Status::success();
}

Status FileSystem::rename(const std::string& from, const std::string& to, bool replace) {
    if (auto f = failures_.take("FileSystem.rename")) return *f;
    const Resolved source = resolve(from);
    if (!source.exists) return source.status;
    if (source.isRoot) return Status::failure(error::AccessDenied, "Access is denied.");
    const Resolved target = resolve(to);
    if (!target.exists && target.status.number != error::FileNotFound) return target.status;
    std::error_code ec;
    const std::string key = source.host.string();
    if (busy(key))
        return Status::failure(error::SharingViolation,
                               "The process cannot access the file because it is being used by "
                               "another process.");
    // The same entry under another spelling is a change of letter case, not a clash.
    const bool sameEntry = target.exists && fs::equivalent(source.host, target.host, ec);
    fs::path destination = target.host;
    if (target.exists && !sameEntry) {
        if (!replace)
            return Status::failure(error::AlreadyExists,
                                   "Cannot create a file when that file already exists.");
        if (fs::is_directory(fs::symlink_status(target.host, ec)) ||
            (attributesOf(target.host) & attr::ReadOnly) || busy(target.host.string()))
            return Status::failure(error::AccessDenied, "Access is denied.");
    } else if (sameEntry) {
        destination = target.host.parent_path() / fs::path(to.substr(to.find_last_of("\\/") + 1));
    }
    fs::rename(source.host, destination, ec);
    if (ec) return Status::failure(error::AccessDenied, "Access is denied.");
    const auto a = attributes_.find(key);
    attributes_.erase(destination.string());
    if (a != attributes_.end()) {
        const std::uint32_t kept = a->second;
        attributes_.erase(a);
        attributes_[destination.string()] = kept;
    }
    return Status::success();
}

Status FileSystem::leadsElsewhere(const std::string& path, bool& elsewhere) {
    elsewhere = false;
    if (auto f = failures_.take("FileSystem.leadsElsewhere")) return *f;
    const Resolved r = resolve(path);
    if (!r.exists) return r.status;
    std::error_code ec;
    const auto link = fs::symlink_status(r.host, ec);
    elsewhere =
        fs::is_symlink(link) || (fs::is_regular_file(link) && fs::hard_link_count(r.host, ec) > 1);
    return Status::success();
}

} // namespace calvorin::platform::emulated
