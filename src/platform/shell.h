#pragma once
#include "platform/status.h"

#include <cstdint>
#include <string>

namespace calvorin::platform {

// Shell special-folder numbers (CSIDL values).
namespace folder {
inline constexpr int Recent = 8;
inline constexpr int AppData = 26;
inline constexpr int InternetCache = 32;
inline constexpr int Cookies = 33;
inline constexpr int History = 34;
inline constexpr int Windows = 36;
inline constexpr int System = 37;
inline constexpr int ProgramFiles = 38;
inline constexpr int Profile = 40;
inline constexpr int SystemX86 = 41;
inline constexpr int ProgramFilesX86 = 42;
// The user's own data, and the application-data roots.
inline constexpr int Documents = 5;
inline constexpr int Music = 13;
inline constexpr int Videos = 14;
inline constexpr int Desktop = 16;
inline constexpr int LocalAppData = 28;
inline constexpr int CommonAppData = 35;
inline constexpr int Pictures = 39;
// Downloads has no CSIDL number; the Windows side asks for it by its known-folder id.
inline constexpr int Downloads = 0x10000;
} // namespace folder

// What emptying the recycle bin may show, with the values Windows gives the switches.
namespace recycle {
inline constexpr std::uint32_t NoConfirmation = 0x1;
inline constexpr std::uint32_t NoProgress = 0x2;
inline constexpr std::uint32_t NoSound = 0x4;
} // namespace recycle

class Shell {
  public:
    virtual ~Shell() = default;
    // Empties the recycle bin of the drive whose root is given ("C:\"), or of every drive for
    // the empty text, owned by the program's active window.
    virtual Status emptyRecycleBin(const std::string& root, std::uint32_t flags) = 0;
    // Empties the shell's list of recently used documents.
    virtual Status clearRecentDocuments() = 0;
    // The folder's path without a trailing "\".
    virtual Status specialFolder(int number, std::string& path) = 0;
    // The shell's own file copy, without progress window or questions: an existing
    // destination is overwritten.
    virtual Status copyFile(const std::string& source, const std::string& destination) = 0;
};

} // namespace calvorin::platform
