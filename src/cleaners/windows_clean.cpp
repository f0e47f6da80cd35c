#include "cleaners/windows_clean.h"
#include "platform/text_case.h"

#include "cleaners/file_operations.h"
#include "cleaners/registry_operations.h"
#include "core/numbers.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace calvorin::cleaners::mdWindowsClean {

using namespace platform;

namespace {

constexpr const char* kRunMru = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
constexpr const char* kDocFindMru = "Software\\Microsoft\\Windows\\Currentversion\\Explorer\\Doc Find Spec MRU";
constexpr const char* kFilesNamedMru =
    "Software\\Microsoft\\Internet Explorer\\Explorer Bars\\{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\FilesNamedMRU";
constexpr const char* kOpenSaveMru = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU";
constexpr const char* kSearchComputerMru = "Software\\Microsoft\\Search Assistant\\ACMru\\5647";
constexpr const char* kStreamMru = "Software\\Microsoft\\Windows\\CurrentVersion\\StreamMRU";

// A folder path in the one form two spellings of it share: blanks trimmed, "/" read as "\",
// upper case, one trailing "\".
std::string comparable(const std::string& path) {
    std::string s = upperAscii(core::trimBlanks(path));
    std::replace(s.begin(), s.end(), '/', '\\');
    while (!s.empty() && s.back() == '\\') s.pop_back();
    return s + "\\";
}

bool isRoot(const std::string& c) {
    if (c.size() == 3 && c[1] == ':') return true;
    if (c.rfind("\\\\", 0) == 0) // \\server\share\ is the root of a network drive
        return std::count(c.begin(), c.end(), '\\') <= 4;
    return false;
}

bool isAbsolute(const std::string& c) {
    return (c.size() >= 3 && std::isalpha(static_cast<unsigned char>(c[0])) && c[1] == ':' &&
            c[2] == '\\') ||
           c.rfind("\\\\", 0) == 0;
}

// The path as given and in its short form, so "C:\PROGRA~1" meets "C:\Program Files".
std::vector<std::string> spellings(Platform& p, const std::string& path) {
    std::vector<std::string> out{comparable(path)};
    std::string shortPath;
    if (p.files.shortPath(path, shortPath).ok() && !shortPath.empty())
        out.push_back(comparable(shortPath));
    return out;
}

} // namespace

bool isProtectedFolder(Platform& p, const std::string& folder) {
    const std::string c = comparable(folder);
    if (!isAbsolute(c) || isRoot(c)) return true;
    // The Windows folder under its usual names, on whichever drive.
    const std::string tail = c.substr(1);
    if (tail == ":\\WINDOWS\\" || tail == ":\\WINNT\\") return true;
    const auto temp = spellings(p, folder);
    // Windows' own folders, and the user's data: a TEMP variable pointed at one of them, or
    // at a folder holding one, must never cost the user a file.
    for (int number : {folder::Windows, folder::System, folder::SystemX86, folder::Profile,
                       folder::ProgramFiles, folder::ProgramFilesX86, folder::Desktop,
                       folder::Documents, folder::Pictures, folder::Music, folder::Videos,
                       folder::Downloads, folder::AppData, folder::LocalAppData,
                       folder::CommonAppData}) {
        const std::string guarded = GetSpecialFolder(p, number);
        if (core::trimBlanks(guarded).empty()) continue;
        for (const auto& g : spellings(p, guarded))
            for (const auto& t : temp)
                if (g.rfind(t, 0) == 0) return true; // the same folder, or one holding it
    }
    return false;
}

void WipeRegistryKey(Platform& p, const std::string& keyPath, bool advanceIndex) {
    RegKey key = kNoKey;
    if (p.registry.openKey(kCurrentUser, keyPath, key, true).ok()) {
        std::uint32_t index = 0;
        for (;;) {
            std::string name;
            if (!p.registry.enumValue(key, index, name).ok()) break;
            if (!p.registry.deleteValue(key, name).ok()) break;
            if (advanceIndex) ++index;
        }
        p.registry.closeKey(key);
    }
    p.registry.deleteTree(kCurrentUser, keyPath);
}

void EmptyRecycleBin(Platform& p, std::string root, bool noConfirm, bool noProgress, bool noSound) {
    if (!root.empty() && root.substr(1, 2) != ":\\") root = root.substr(0, 1) + ":\\";
    const std::uint32_t flags = (noConfirm ? recycle::NoConfirmation : 0) |
                                (noProgress ? recycle::NoProgress : 0) |
                                (noSound ? recycle::NoSound : 0);
    p.shell.emptyRecycleBin(root, flags);
}

void ClearRunMRU(Platform& p) { WipeRegistryKey(p, kRunMru, true); }

void ClearRecentDocs(Platform& p, const ErrorReport& report) {
    const Status s = p.shell.clearRecentDocuments();
    if (!s.ok() && report) report("mdWindowsClean, ClearRecentDocs, " + s.description, s.number);
}

void ClearFindHistory(Platform& p) {
    WipeRegistryKey(p, kDocFindMru, false);
    WipeRegistryKey(p, kFilesNamedMru, false);
}

void ClearStreamMRU(Platform& p) {
    p.registry.deleteTree(kCurrentUser, kStreamMru);
    SetRegValue(p, kCurrentUser, "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management",
                "ClearPageFileAtShutdown", "0", 1);
}

void ClearClipboard(Platform& p) {
    if (!p.clipboard.open().ok()) return; // someone else holds it: nothing of ours to close
    p.clipboard.empty();
    p.clipboard.close();
}

void DeleteChkFiles(Platform& p) {
    ShredMatchingFiles(p, "C:\\*.chk");
    ShredMatchingFiles(p, "D:\\*.chk");
}

void ClearWindowsTemp(Platform& p) {
    const std::string temp = upperAscii(core::trimBlanks(AddBackslash(GetTempFolder(p))));
    if (temp == "C:\\WINDOWS\\" || temp == "C:\\WINNT\\") return;
    const std::string folder = GetTempFolder(p);
    if (folder.empty() || isProtectedFolder(p, folder)) return;
    ShredFolder(p, folder, false, true);
}

void ClearOpenSaveMRU(Platform& p) { WipeRegistryKey(p, kOpenSaveMru, true); }

void ClearSearchComputerMRU(Platform& p) { WipeRegistryKey(p, kSearchComputerMru, true); }

} // namespace calvorin::cleaners::mdWindowsClean
