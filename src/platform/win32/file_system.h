#pragma once
#include "platform/file_system.h"

namespace calvorin::platform::win32 {

class FileSystem final : public platform::FileSystem {
  public:
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
};

} // namespace calvorin::platform::win32
