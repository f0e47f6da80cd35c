#include "cleaners/file_operations.h"
#include "platform/text_case.h"

#include "core/numbers.h"

#include <algorithm>
#include <cctype>
#include <random>
#include <sstream>

namespace calvorin::cleaners {

using namespace platform;

namespace {

void yield(Platform& p) { p.events.processEvents(); }

bool isDot(const std::string& name) { return name == "." || name == ".."; }

// The character one overwrite pass fills a block with: the last digit of a figure drawn from
// the clock and a random fraction, so passes differ from one another.
char passCharacter(Platform& p, std::mt19937& random) {
    const DateTime now = p.events.now();
    const double serial = static_cast<double>(toDayNumber(now.date) + 25'569) +
                          (now.hour * 3600 + now.minute * 60 + now.second) -
                          std::uniform_real_distribution<double>(0.0, 1.0)(random);
    std::ostringstream text;
    text.precision(15);
    text << serial;
    const std::string s = text.str();
    return std::isdigit(static_cast<unsigned char>(s.back())) ? s.back() : '0';
}

// One overwrite pass over the whole file; false when the file cannot be written.
bool overwrite(Platform& p, const std::string& path, std::uint64_t length, std::mt19937& random) {
    const std::string first(1024, passCharacter(p, random));
    const std::string second(1024, passCharacter(p, random));
    FileHandle file = kNoFile;
    if (!p.files.open(path, OpenMode::Binary, file).ok()) return false;
    bool ok = true;
    const std::uint64_t blocks = length / 1024;
    for (std::uint64_t i = 0; ok && i < blocks; ++i)
        ok = p.files.write(file, i % 2 == 0 ? first : second).ok();
    if (ok) ok = p.files.write(file, std::string_view(first).substr(0, length % 1024)).ok();
    p.files.close(file);
    return ok;
}

// Whole names, blank-separated, compared without regard to case.
std::vector<std::string> wantedNames(const std::string& names) {
    std::vector<std::string> out;
    std::istringstream in(names);
    for (std::string name; in >> name;) out.push_back(upperAscii(name));
    return out;
}

std::string shortOrLong(Platform& p, const std::string& path) {
    std::string shortPath;
    return p.files.shortPath(path, shortPath).ok() ? shortPath : path;
}

// The subfolders and files of a folder, or nothing when it cannot be read. Links to other
// folders are not entered: a walk must stay below the folder it was given.
bool folderContents(Platform& p, const std::string& folder, std::vector<DirEntry>& entries) {
    entries.clear();
    const Status s = p.files.list(AddBackslash(folder) + "*",
                                  attr::Directory | attr::Hidden | attr::System, entries);
    if (!s.ok() && s.number != error::FileNotFound) return false;
    std::erase_if(entries, [](const DirEntry& e) { return isDot(e.name); });
    return true;
}

} // namespace

std::string AddBackslash(const std::string& path) {
    if (!path.empty() && path.back() == '\\') return path;
    return path + "\\";
}

bool FileExists(Platform& p, const std::string& path) { return p.files.fileExists(path); }

bool CanOpenFile(Platform& p, const std::string& path) {
    FileHandle file = kNoFile;
    if (!p.files.open(path, OpenMode::Input, file).ok()) return false;
    p.files.close(file);
    return true;
}

std::vector<DirEntry> listFolder(Platform& p, const std::string& pattern, std::uint32_t include) {
    std::vector<DirEntry> entries;
    const std::string full = !pattern.empty() && pattern.back() == '\\' ? pattern + "*" : pattern;
    if (!p.files.list(full, include, entries).ok()) entries.clear();
    return entries;
}

bool FolderExists(Platform& p, const std::string& path) {
    return !listFolder(p, path, attr::Directory).empty();
}

void ShredFile(Platform& p, const std::string& path, std::int16_t passes) {
    if (!FileExists(p, path)) return;
    std::uint64_t length = 0;
    if (!p.files.length(path, length).ok()) return;
    std::uint32_t attributes = 0;
    // Overwriting a link would overwrite the file it leads to; the delete below takes the
    // link alone, or leaves it.
    const bool link = passes > 0 && p.files.attributes(path, attributes).ok() &&
                      (attributes & attr::ReparsePoint);
    std::mt19937 random{std::random_device{}()};
    for (std::int16_t pass = 0; !link && pass < passes; ++pass)
        if (!overwrite(p, path, length, random)) return;
    p.files.remove(path);
}

void ShredMatchingFiles(Platform& p, const std::string& pattern) {
    const auto cut = pattern.rfind('\\');
    const std::string folder = cut == std::string::npos ? "" : pattern.substr(0, cut + 1);
    for (const DirEntry& entry : listFolder(p, pattern, attr::Hidden)) {
        ShredFile(p, folder + entry.name, ShredPassCount);
        yield(p);
    }
}

void ShredFolder(Platform& p, const std::string& folder, bool removeThisFolder,
                 bool removeSubfolders) {
    if (folder.empty()) return;
    const std::string base = AddBackslash(folder);
    yield(p);
    // One listing per folder, taken before anything in it changes: each subfolder's walk lists
    // its own folder, so nothing needs listing twice.
    for (const DirEntry& entry : listFolder(p, base, attr::Directory)) {
        const std::string path = base + entry.name;
        if (isDot(entry.name)) {
        } else if (entry.attributes & attr::ReparsePoint) {
            // A link leads out of the folder: drop the link, never what it points to.
            if (!(entry.attributes & attr::Directory)) p.files.remove(path);
            else if (removeSubfolders) p.files.removeFolder(path);
        } else if (entry.attributes & attr::Directory) {
            ShredFolder(p, path + "\\", removeSubfolders, removeSubfolders);
        } else {
            ShredFile(p, path, ShredPassCount);
        }
        yield(p);
    }
    if (removeThisFolder) p.files.removeFolder(base);
}

bool IsInNameList(Platform& p, const NameList& list, const std::string& name) {
    const std::string wanted = core::trimBlanks(name);
    for (const auto& element : list) {
        if (element == wanted) return true;
        yield(p);
    }
    return false;
}

void FindFilesNamed(Platform& p, const std::string& folder, const std::string& names,
                    NameList& list) {
    const auto wanted = wantedNames(names);
    std::vector<DirEntry> entries;
    if (!folderContents(p, folder, entries)) return;
    const std::string base = AddBackslash(folder);
    for (const DirEntry& e : entries) {
        if ((e.attributes & attr::Directory) && !(e.attributes & attr::ReparsePoint)) {
            yield(p);
            FindFilesNamed(p, base + e.name, names, list);
        }
    }
    for (const DirEntry& e : entries) {
        if (e.attributes & attr::Directory) continue;
        yield(p);
        if (std::find(wanted.begin(), wanted.end(), upperAscii(e.name)) != wanted.end())
            list.push_back(shortOrLong(p, base + e.name));
    }
}

void FindFoldersNamed(Platform& p, const std::string& folder, const std::string& name,
                      NameList& list) {
    std::vector<DirEntry> entries;
    if (!folderContents(p, folder, entries)) return;
    const std::string base = AddBackslash(folder);
    for (const DirEntry& e : entries) {
        if (!(e.attributes & attr::Directory) || (e.attributes & attr::ReparsePoint)) continue;
        yield(p);
        if (upperAscii(e.name) == upperAscii(name)) list.push_back(shortOrLong(p, base + e.name));
        FindFoldersNamed(p, base + e.name, name, list);
    }
}

std::string GetSpecialFolder(Platform& p, std::int32_t number) {
    std::string path;
    if (!p.shell.specialFolder(number, path).ok()) return {};
    return path;
}

std::string GetTempFolder(Platform& p) {
    std::string path;
    if (!p.system.tempPath(path).ok()) return {};
    return path;
}

} // namespace calvorin::cleaners
