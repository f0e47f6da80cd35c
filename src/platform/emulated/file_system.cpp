#include "platform/emulated/file_system.h"
#include "platform/text_case.h"

#include <algorithm>
#include <cctype>
#include <random>
#include <stdexcept>
#include <system_error>

namespace calvorin::platform::emulated {

namespace fs = std::filesystem;

namespace {

Status notFound() { return Status::failure(error::FileNotFound, "The system cannot find the file specified."); }
Status pathNotFound() { return Status::failure(error::PathNotFound, "The system cannot find the path specified."); }
Status denied() { return Status::failure(error::AccessDenied, "Access is denied."); }
Status sharing() {
    return Status::failure(error::SharingViolation,
                           "The process cannot access the file because it is being used by another process.");
}
Status badHandle() { return Status::failure(error::InvalidHandle, "The handle is invalid."); }
Status notReady() { return Status::failure(error::NotReady, "The device is not ready."); }


struct Parsed {
    char drive = 0;
    std::vector<std::string> parts;
    bool trailingSeparator = false;
};

// "C:\a\b" -> drive C, parts {a, b}. Both separators are taken, as Windows takes them.
std::optional<Parsed> parse(const std::string& path) {
    if (path.size() < 2 || path[1] != ':' || !std::isalpha(static_cast<unsigned char>(path[0])))
        return std::nullopt;
    Parsed p;
    p.drive = upperAscii(path[0]);
    std::string part;
    for (std::size_t i = 2; i < path.size(); ++i) {
        const char c = path[i];
        if (c == '\\' || c == '/') {
            if (!part.empty()) p.parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) p.parts.push_back(part);
    p.trailingSeparator = path.size() > 2 && (path.back() == '\\' || path.back() == '/');
    return p;
}

std::vector<std::string> namesIn(const fs::path& dir) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        names.push_back(it->path().filename().string());
    return names;
}

bool validShortChar(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (std::isalnum(u)) return true;
    return std::string_view("!#$%&'()-@^_`{}~").find(c) != std::string_view::npos;
}

bool hostExists(const fs::path& p) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(p, ec));
}

} // namespace

bool isShortName(const std::string& name) {
    if (name == "." || name == "..") return true;
    const auto dot = name.find('.');
    const std::string base = name.substr(0, dot);
    const std::string ext = dot == std::string::npos ? "" : name.substr(dot + 1);
    if (base.empty() || base.size() > 8 || ext.size() > 3) return false;
    if (dot != std::string::npos && ext.empty()) return false;
    return std::all_of(base.begin(), base.end(), validShortChar) &&
           std::all_of(ext.begin(), ext.end(), validShortChar);
}

std::string shortNameOf(const std::string& name, const std::vector<std::string>& siblings) {
    if (isShortName(name)) return name;
    auto parts = [](const std::string& n) {
        const auto dot = n.rfind('.');
        std::string base, ext;
        for (char c : n.substr(0, dot == 0 ? n.size() : dot))
            if (validShortChar(c)) base += upperAscii(c);
        if (dot != std::string::npos && dot != 0)
            for (char c : n.substr(dot + 1))
                if (validShortChar(c) && ext.size() < 3) ext += upperAscii(c);
        if (base.size() > 6) base.resize(6);
        if (base.empty()) base = "_";
        return std::pair{base, ext};
    };
    const auto [base, ext] = parts(name);
    // Names sharing a stem are numbered in name order, so each keeps one stable alias.
    std::vector<std::string> alike;
    for (const auto& s : siblings)
        if (!isShortName(s) && parts(s) == std::pair{base, ext}) alike.push_back(upperAscii(s));
    std::sort(alike.begin(), alike.end());
    const auto rank = std::find(alike.begin(), alike.end(), upperAscii(name)) - alike.begin() + 1;
    return base + "~" + std::to_string(rank) + (ext.empty() ? "" : "." + ext);
}

bool matchesWildcard(const std::string& pattern, const std::string& name) {
    if (pattern == "*.*" || pattern == "*") return true;
    // Iterative glob with one backtrack point.
    std::size_t p = 0, n = 0, starP = std::string::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || upperAscii(pattern[p]) == upperAscii(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

FileSystem::FileSystem(FailurePlan& failures, fs::path hostRoot)
    : failures_(failures), hostRoot_(std::move(hostRoot)) {
    addDrive('C');
}

FileSystem::~FileSystem() {
    for (auto& [h, o] : handles_) std::fclose(o.file);
}

void FileSystem::addDrive(char letter) {
    const fs::path root = hostRoot_ / std::string(1, upperAscii(letter));
    fs::create_directories(root);
    drives_[upperAscii(letter)] = {root, true};
}

void FileSystem::addDriveWithoutMedium(char letter) {
    drives_[upperAscii(letter)] = {hostRoot_ / std::string(1, upperAscii(letter)), false};
}

FileSystem::Resolved FileSystem::resolve(const std::string& path) {
    Resolved r;
    const auto parsed = parse(path);
    if (!parsed) {
        r.status = pathNotFound();
        return r;
    }
    const auto drive = drives_.find(parsed->drive);
    if (drive == drives_.end()) {
        r.status = pathNotFound();
        return r;
    }
    if (!drive->second.ready) {
        r.status = notReady();
        return r;
    }
    std::vector<fs::path> trail{drive->second.root};
    std::vector<std::string> parts;
    for (const auto& part : parsed->parts) {
        if (part == ".") continue;
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const fs::path dir = trail.back();
        const std::string& part = parts[i];
        fs::path next = dir / part;
        if (!hostExists(next)) {
            // Not under this spelling: look for the name in another letter case, or a short name.
            const auto names = namesIn(dir);
            auto it = std::find_if(names.begin(), names.end(),
                                   [&](const std::string& n) { return sameNoCase(n, part); });
            if (it == names.end() && part.find('~') != std::string::npos)
                it = std::find_if(names.begin(), names.end(), [&](const std::string& n) {
                    return sameNoCase(shortNameOf(n, names), part);
                });
            if (it == names.end()) {
                r.host = next;
                const bool last = i + 1 == parts.size();
                std::error_code ec;
                r.status = last && fs::is_directory(dir, ec) ? notFound() : pathNotFound();
                return r;
            }
            next = dir / *it;
        }
        trail.push_back(next);
    }
    r.host = trail.back();
    r.exists = true;
    r.isRoot = parts.empty();
    return r;
}

std::uint32_t FileSystem::attributesOf(const fs::path& host) {
    std::error_code ec;
    const auto link = fs::symlink_status(host, ec);
    std::uint32_t a = 0;
    if (fs::is_symlink(link)) a |= attr::ReparsePoint;
    if (fs::is_directory(fs::status(host, ec))) a |= attr::Directory;
    const auto found = attributes_.find(host.string());
    if (found != attributes_.end()) a |= found->second;
    else if (!(a & attr::Directory)) a |= attr::Archive;
    if (a == 0) a = attr::Normal;
    return a;
}

bool FileSystem::busy(const std::string& key) const {
    if (inUse_.count(key)) return true;
    return std::any_of(handles_.begin(), handles_.end(), [&](const auto& h) { return h.second.key == key; });
}

Status FileSystem::find(const std::string& pattern, std::vector<DirEntry>& entries) {
    entries.clear();
    if (auto f = failures_.take("FileSystem.find")) return *f;
    const auto cut = pattern.find_last_of("\\/");
    if (cut == std::string::npos) return pathNotFound();
    const std::string wanted = pattern.substr(cut + 1);
    const std::string folder = pattern.substr(0, cut + 1);
    if (wanted.empty()) return notFound();
    const Resolved dir = resolve(folder);
    if (!dir.status.ok()) return dir.status.number == error::FileNotFound ? pathNotFound() : dir.status;
    std::error_code ec;
    if (!fs::is_directory(dir.host, ec)) return pathNotFound();

    auto add = [&](const std::string& name, const fs::path& host) {
        DirEntry e{name, attributesOf(host), 0};
        if (!(e.attributes & attr::Directory)) e.length = fs::file_size(host, ec);
        entries.push_back(e);
    };
    if (wanted.find_first_of("*?") == std::string::npos) {
        const Resolved one = resolve(folder + wanted);
        if (!one.exists) return notFound();
        add(one.host.filename().string(), one.host);
        return Status::success();
    }
    if (!dir.isRoot) {
        if (matchesWildcard(wanted, ".")) add(".", dir.host);
        if (matchesWildcard(wanted, "..")) entries.push_back({"..", attr::Directory, 0});
    }
    std::vector<std::string> names = namesIn(dir.host);
    std::sort(names.begin(), names.end());
    for (const auto& name : names)
        if (matchesWildcard(wanted, name)) add(name, dir.host / name);
    return entries.empty() ? notFound() : Status::success();
}

Status FileSystem::attributes(const std::string& path, std::uint32_t& attributes) {
    attributes = 0;
    if (auto f = failures_.take("FileSystem.attributes")) return *f;
    const Resolved r = resolve(path);
    if (!r.exists) return r.status;
    attributes = attributesOf(r.host);
    return Status::success();
}

Status FileSystem::setAttributes(const std::string& path, std::uint32_t attributes) {
    if (auto f = failures_.take("FileSystem.setAttributes")) return *f;
    const Resolved r = resolve(path);
    if (!r.exists) return r.status;
    attributes_[r.host.string()] =
        attributes & (attr::ReadOnly | attr::Hidden | attr::System | attr::Archive);
    return Status::success();
}

Status FileSystem::length(const std::string& path, std::uint64_t& length) {
    length = 0;
    if (auto f = failures_.take("FileSystem.length")) return *f;
    const Resolved r = resolve(path);
    if (!r.exists) return r.status;
    std::error_code ec;
    if (fs::is_directory(r.host, ec)) return Status::success();
    length = fs::file_size(r.host, ec);
    return ec ? denied() : Status::success();
}

bool FileSystem::fileExists(const std::string& path) {
    if (failures_.take("FileSystem.fileExists")) return false;
    const Resolved r = resolve(path);
    std::error_code ec;
    return r.exists && !r.isRoot && !fs::is_directory(r.host, ec);
}

Status FileSystem::shortPath(const std::string& path, std::string& shortPath) {
    shortPath.clear();
    if (auto f = failures_.take("FileSystem.shortPath")) return *f;
    const Resolved r = resolve(path);
    if (!r.exists) return r.status;
    const auto parsed = parse(path);
    // Walk the host path back up to the drive root, naming each part by its short name.
    std::vector<std::string> parts;
    const fs::path root = drives_.at(parsed->drive).root;
    for (fs::path p = r.host; p != root && p.has_parent_path(); p = p.parent_path())
        parts.push_back(shortNameOf(p.filename().string(), namesIn(p.parent_path())));
    shortPath = std::string(1, parsed->drive) + ":";
    for (auto it = parts.rbegin(); it != parts.rend(); ++it) shortPath += "\\" + *it;
    if (parts.empty() || parsed->trailingSeparator) shortPath += "\\";
    return Status::success();
}

Status FileSystem::open(const std::string& path, OpenMode mode, FileHandle& file) {
    file = kNoFile;
    if (auto f = failures_.take("FileSystem.open")) return *f;
    const Resolved r = resolve(path);
    std::error_code ec;
    if (r.exists) {
        if (fs::is_directory(r.host, ec)) return denied();
        if (inUse_.count(r.host.string())) return sharing();
        if (mode != OpenMode::Input && (attributesOf(r.host) & attr::ReadOnly)) return denied();
    } else if (mode == OpenMode::Input || r.status.number != error::FileNotFound) {
        return r.status;
    }
    const char* how = mode == OpenMode::Input    ? "rb"
                      : mode == OpenMode::Output ? "wb"
                      : r.exists                 ? "r+b"
                                                 : "w+b";
    std::FILE* f = std::fopen(r.host.string().c_str(), how);
    if (!f) return denied();
    file = nextHandle_++;
    handles_[file] = {f, r.host.string(), mode};
    return Status::success();
}

Status FileSystem::read(FileHandle file, std::size_t count, std::string& bytes) {
    bytes.clear();
    if (auto f = failures_.take("FileSystem.read")) return *f;
    const auto it = handles_.find(file);
    if (it == handles_.end()) return badHandle();
    bytes.resize(count);
    bytes.resize(std::fread(bytes.data(), 1, count, it->second.file));
    return Status::success();
}

Status FileSystem::write(FileHandle file, std::string_view bytes) {
    if (auto f = failures_.take("FileSystem.write")) return *f;
    const auto it = handles_.find(file);
    if (it == handles_.end()) return badHandle();
    // A handle opened for reading has no right to write, even nothing.
    if (it->second.mode == OpenMode::Input) return denied();
    if (bytes.empty()) return Status::success(); // an empty view may carry no data pointer
    if (std::fwrite(bytes.data(), 1, bytes.size(), it->second.file) != bytes.size()) return denied();
    return Status::success();
}

Status FileSystem::seek(FileHandle file, std::uint64_t offset) {
    if (auto f = failures_.take("FileSystem.seek")) return *f;
    const auto it = handles_.find(file);
    if (it == handles_.end()) return badHandle();
    if (std::fseek(it->second.file, static_cast<long>(offset), SEEK_SET) != 0)
        return Status::failure(error::InvalidParameter, "The parameter is incorrect.");
    return Status::success();
}

Status FileSystem::close(FileHandle file) {
    if (auto f = failures_.take("FileSystem.close")) return *f;
    const auto it = handles_.find(file);
    if (it == handles_.end()) return badHandle();
    std::fclose(it->second.file);
    handles_.erase(it);
    return Status::success();
}

Status FileSystem::remove(const std::string& path) {
    if (auto f = failures_.take("FileSystem.remove")) return *f;
    const Resolved r = resolve(path);
    if (!r.exists) return r.status;
    std::error_code ec;
    if (r.isRoot || fs::is_directory(fs::symlink_status(r.host, ec))) return denied();
    const std::string key = r.host.string();
    if (attributesOf(r.host) & attr::ReadOnly) return denied();
    if (busy(key)) return sharing();
    if (!fs::remove(r.host, ec) || ec) return denied();
    attributes_.erase(key);
    return Status::success();
}

Status FileSystem::createFolder(const std::string& path) {
    if (auto f = failures_.take("FileSystem.createFolder")) return *f;
    const Resolved r = resolve(path);
    if (r.exists) return Status::failure(error::AlreadyExists, "Cannot create a file when that file already exists.");
    if (r.status.number != error::FileNotFound) return r.status;
    std::error_code ec;
    if (!fs::create_directory(r.host, ec)) return denied();
    return Status::success();
}

Status FileSystem::removeFolder(const std::string& path) {
    if (auto f = failures_.take("FileSystem.removeFolder")) return *f;
    const Resolved r = resolve(path);
    if (!r.exists) return r.status;
    std::error_code ec;
    if (r.isRoot) return denied();
    const auto link = fs::symlink_status(r.host, ec);
    if (!fs::is_symlink(link)) {
        if (!fs::is_directory(link)) return Status::failure(267, "The directory name is invalid.");
        if (!fs::is_empty(r.host, ec))
            return Status::failure(error::DirNotEmpty, "The directory is not empty.");
    }
    if (!fs::remove(r.host, ec) || ec) return denied();
    attributes_.erase(r.host.string());
    return Status::success();
}

void FileSystem::put(const std::string& path, std::string_view content, std::uint32_t attributes) {
    const auto cut = path.find_last_of('\\');
    if (cut != std::string::npos && cut > 2) makeFolder(path.substr(0, cut));
    FileHandle h = kNoFile;
    if (!open(path, OpenMode::Output, h).ok()) throw std::runtime_error("cannot create " + path);
    write(h, content);
    close(h);
    if (attributes) setAttributes(path, attributes);
}

void FileSystem::makeFolder(const std::string& path) {
    const auto parsed = parse(path);
    if (!parsed) throw std::runtime_error("not a path: " + path);
    std::string sofar = std::string(1, parsed->drive) + ":";
    for (const auto& part : parsed->parts) {
        sofar += "\\" + part;
        if (!resolve(sofar).exists) {
            const Status s = createFolder(sofar);
            if (!s.ok()) throw std::runtime_error("cannot create " + sofar + ": " + s.description);
        }
    }
}

bool FileSystem::exists(const std::string& path) { return resolve(path).exists; }

std::optional<std::string> FileSystem::contents(const std::string& path) {
    const Resolved r = resolve(path);
    std::error_code ec;
    if (!r.exists || fs::is_directory(r.host, ec)) return std::nullopt;
    std::string out;
    if (std::FILE* f = std::fopen(r.host.string().c_str(), "rb")) {
        char buf[4096];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) out.append(buf, n);
        std::fclose(f);
    }
    return out;
}

void FileSystem::setInUse(const std::string& path, bool inUse) {
    const Resolved r = resolve(path);
    if (!r.exists) throw std::runtime_error("no such file: " + path);
    if (inUse) inUse_.insert(r.host.string());
    else inUse_.erase(r.host.string());
}

fs::path FileSystem::hostPath(const std::string& path) { return resolve(path).host; }

HostFolder::HostFolder() {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = fs::temp_directory_path() / ("calvorin-world-" + std::to_string(random()));
        std::error_code ec;
        if (fs::create_directory(candidate, ec)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a host folder");
}

HostFolder::~HostFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

Status FileSystem::replaceFile(const std::string& source, const std::string& target) {
    if (auto f = failures_.take("FileSystem.replaceFile")) return *f;
    const Resolved from = resolve(source);
    if (!from.exists) return from.status;
    std::error_code ec;
    if (fs::is_directory(fs::symlink_status(from.host, ec))) return denied();
    if (busy(from.host.string())) return sharing();
    const Resolved to = resolve(target);
    if (!to.exists && to.status.number != error::FileNotFound) return to.status;
    if (to.exists) {
        if (to.isRoot || fs::is_directory(fs::symlink_status(to.host, ec))) return denied();
        if (attributesOf(to.host) & attr::ReadOnly) return denied();
        if (busy(to.host.string())) return sharing();
    }
    fs::rename(from.host, to.host, ec);
    if (ec) return denied();
    // The moved file keeps its own attributes under its new name.
    const auto a = attributes_.find(from.host.string());
    attributes_.erase(to.host.string());
    if (a != attributes_.end()) {
        attributes_[to.host.string()] = a->second;
        attributes_.erase(a);
    }
    return Status::success();
}

} // namespace calvorin::platform::emulated
