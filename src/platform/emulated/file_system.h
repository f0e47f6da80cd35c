#pragma once
#include "platform/emulated/failure_plan.h"
#include "platform/file_system.h"

#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <set>

namespace calvorin::platform::emulated {

// Drives mapped onto host folders below a root: "C:\Temp\a.txt" is <root>/C/<Temp>/<a.txt>
// where each part is matched without regard to case (or by its short name). Attributes the
// host cannot hold (read-only, hidden, system) live in a table; files "in use by another
// process" are a set. Handles must be closed.
class FileSystem final : public platform::FileSystem {
  public:
    // Drive C: exists from the start.
    FileSystem(FailurePlan& failures, std::filesystem::path hostRoot);
    ~FileSystem() override;
    FileSystem(const FileSystem&) = delete;
    FileSystem& operator=(const FileSystem&) = delete;

    Status find(const std::string& pattern, std::vector<DirEntry>& entries) override;
    Status attributes(const std::string& path, std::uint32_t& attributes) override;
    Status setAttributes(const std::string& path, std::uint32_t attributes) override;
    Status length(const std::string& path, std::uint64_t& length) override;
    bool fileExists(const std::string& path) override;
    Status shortPath(const std::string& path, std::string& shortPath) override;
    Status open(const std::string& path, OpenMode mode, FileHandle& file) override;
    Status read(FileHandle file, std::size_t count, std::string& bytes) override;
    Status write(FileHandle file, std::string_view bytes) override;
    Status seek(FileHandle file, std::uint64_t offset) override;
    Status close(FileHandle file) override;
    Status remove(const std::string& path) override;
    Status createFolder(const std::string& path) override;
    Status removeFolder(const std::string& path) override;
    Status flush(FileHandle file) override;
    Status rename(const std::string& from, const std::string& to, bool replace) override;
    Status replaceFile(const std::string& source, const std::string& target) override;
    Status leadsElsewhere(const std::string& path, bool& elsewhere) override;

    // --- the test's side ---
    void addDrive(char letter);
    // A drive that answers "not ready", as a CD drive without a disc does.
    void addDriveWithoutMedium(char letter);
    // Creates the file with its missing folders, holding `content`, with extra attributes.
    void put(const std::string& path, std::string_view content = {}, std::uint32_t attributes = 0);
    // Creates the folder with its missing parents.
    void makeFolder(const std::string& path);
    // True when the path names an existing file or folder.
    bool exists(const std::string& path);
    // The file's bytes, or nothing when there is no such file.
    std::optional<std::string> contents(const std::string& path);
    // Marks a file as held open by another process, or releases it.
    void setInUse(const std::string& path, bool inUse = true);
    // The host path a Windows path resolves to (its last part as given when it is missing).
    std::filesystem::path hostPath(const std::string& path);
    std::size_t openFiles() const { return handles_.size(); }

  private:
    struct Drive {
        std::filesystem::path root;
        bool ready = true;
    };
    struct Resolved {
        Status status;
        std::filesystem::path host; // the existing entry, or where a missing last part would go
        bool exists = false;
        bool isRoot = false;
    };
    struct Open {
        std::FILE* file = nullptr;
        std::string key;
        OpenMode mode = OpenMode::Input;
    };
    Resolved resolve(const std::string& path);
    std::uint32_t attributesOf(const std::filesystem::path& host);
    bool busy(const std::string& key) const;

    FailurePlan& failures_;
    std::filesystem::path hostRoot_;
    std::map<char, Drive> drives_;
    std::map<std::string, std::uint32_t> attributes_; // by host path
    std::set<std::string> inUse_;                      // by host path
    std::map<FileHandle, Open> handles_;
    FileHandle nextHandle_ = 0x100;
};

// A fresh host folder for one emulated world, removed with everything in it when it goes.
class HostFolder {
  public:
    HostFolder();
    ~HostFolder();
    HostFolder(const HostFolder&) = delete;
    HostFolder& operator=(const HostFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// Whether a name is a valid 8.3 name, and the short name a long one gets among its siblings.
bool isShortName(const std::string& name);
std::string shortNameOf(const std::string& name, const std::vector<std::string>& siblings);
// Windows wildcard matching ("*", "?", "*.*" for everything), without regard to case.
bool matchesWildcard(const std::string& pattern, const std::string& name);

} // namespace calvorin::platform::emulated
