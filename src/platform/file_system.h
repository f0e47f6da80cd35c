#pragma once
#include "platform/status.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace calvorin::platform {

// File attribute bits, with the values Windows gives them.
namespace attr {
inline constexpr std::uint32_t ReadOnly = 0x1;
inline constexpr std::uint32_t Hidden = 0x2;
inline constexpr std::uint32_t System = 0x4;
inline constexpr std::uint32_t Directory = 0x10;
inline constexpr std::uint32_t Archive = 0x20;
inline constexpr std::uint32_t Normal = 0x80;
inline constexpr std::uint32_t ReparsePoint = 0x400;
} // namespace attr

// One name a directory listing returns, with what the listing knows about it.
struct DirEntry {
    std::string name;
    std::uint32_t attributes = 0;
    std::uint64_t length = 0;
};

using FileHandle = std::uint64_t;
inline constexpr FileHandle kNoFile = 0;

enum class OpenMode {
    Input,  // read an existing file; others may read and write it alongside
    Output, // create the file, or empty an existing one, and write it
    Binary, // read and write the file from its start, creating it when missing, keeping its data
};

// Files and folders, addressed by Windows paths ("C:\folder\name").
class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // Every entry whose name matches the pattern's last part ("*" and "?" wildcards, letter
    // case ignored), in the folder the rest names, "." and ".." included where the folder has
    // them. A pattern without wildcards names the one entry itself. Nothing matching:
    // error::FileNotFound.
    virtual Status find(const std::string& pattern, std::vector<DirEntry>& entries) = 0;
    // As find, keeping only the entries whose hidden, system and directory bits are all in
    // `include` (read-only and archive entries always count as plain files).
    Status list(const std::string& pattern, std::uint32_t include, std::vector<DirEntry>& entries);

    virtual Status attributes(const std::string& path, std::uint32_t& attributes) = 0;
    virtual Status setAttributes(const std::string& path, std::uint32_t attributes) = 0;
    virtual Status length(const std::string& path, std::uint64_t& length) = 0;
    // True when the path names an existing file (a folder is no file).
    virtual bool fileExists(const std::string& path) = 0;
    // The path with each part in its short (8.3) form where the volume has one.
    virtual Status shortPath(const std::string& path, std::string& shortPath) = 0;

    // A file open by another process refuses opening (error::SharingViolation) and deletion.
    virtual Status open(const std::string& path, OpenMode mode, FileHandle& file) = 0;
    // Up to `count` bytes from the current position; fewer at the end of the file.
    virtual Status read(FileHandle file, std::size_t count, std::string& bytes) = 0;
    virtual Status write(FileHandle file, std::string_view bytes) = 0;
    // Moves to a byte offset from the start (0 is the first byte).
    virtual Status seek(FileHandle file, std::uint64_t offset) = 0;
    virtual Status close(FileHandle file) = 0;
    // Hands what was written so far to the disk itself, past every cache.
    virtual Status flush(FileHandle file) = 0;

    // Deleting a read-only file fails with error::AccessDenied.
    virtual Status remove(const std::string& path) = 0;
    virtual Status createFolder(const std::string& path) = 0;
    // Only an empty folder can be removed (error::DirNotEmpty otherwise); a link to a folder
    // is removed as a link, its target untouched.
    virtual Status removeFolder(const std::string& path) = 0;

    // Moves a finished file over another in one step, within one folder: the target is
    // replaced whole or left as it was, and the source's data and the move reach the disk
    // before the call returns. A missing target is no error; a target in use
    // (error::SharingViolation) or read-only (error::AccessDenied) stays.
    virtual Status replaceFile(const std::string& source, const std::string& target) = 0;
    // Gives a file or folder another name, in its folder or another on the same drive, in one
    // step. An existing target is refused (error::AlreadyExists) unless `replace` is set, when
    // it is a file and is replaced; a file open by another process refuses
    // (error::SharingViolation).
    virtual Status rename(const std::string& from, const std::string& to, bool replace = false) = 0;
    // True when writing to the path would change data that another name also shows: its last
    // part is a link (symbolic link, junction, any reparse point) that leads to an entry under
    // another name, or the file has further names (hard links).
    virtual Status leadsElsewhere(const std::string& path, bool& elsewhere) = 0;
};

} // namespace calvorin::platform
