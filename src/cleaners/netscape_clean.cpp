#include "cleaners/netscape_clean.h"

#include "cleaners/file_operations.h"
#include "cleaners/registry_operations.h"
#include "core/numbers.h"
#include "platform/raised_error.h"

#include <algorithm>
#include <cctype>
#include <new>
#include <vector>

namespace calvorin::cleaners::mdNetscape {

using namespace platform;

namespace {

const std::string kNavigator = "Software\\Netscape\\Netscape Navigator";
const std::string kNavigatorUsers = kNavigator + "\\Users";
const std::string kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

const std::vector<std::string> kSchemaFiles = {"FieldSchema.tbl", "SchemaConcat.tbl",
                                               "SchemaValue.tbl", "FieldSchema.tbl",
                                               "URLFieldSchema.tbl"};
const std::string kSchemaNames =
    "FieldSchema.tbl SchemaConcat.tbl SchemaValue.tbl FieldSchema.tbl URLFieldSchema.tbl";

// Where one operation looks and what it deletes there.
struct Targets {
    RegKey navigatorRoot;
    RegKey communicatorRoot;
    std::vector<std::string> navigatorEntries;
    std::vector<std::string> communicatorEntries;
    std::string mozillaNames; // files named so; empty for the cache, which looks for folders
};

// Runs one step; a failure inside it goes to `report` (when given) and the next step runs.
template <class Step> void guarded(const mdWindowsClean::ErrorReport& report, Step step) {
    try {
        step();
    } catch (const RaisedError& e) {
        if (report) report("ModClean, ClearNetScapeHistory, " + e.status().description, e.number());
    } catch (const std::bad_alloc&) {
        if (report) report("ModClean, ClearNetScapeHistory, Out of memory", 7);
    } catch (const std::exception& e) {
        if (report) report(std::string("ModClean, ClearNetScapeHistory, ") + e.what(), 51);
    }
}

// A folder the registry names is used only when it is a full path: an empty or relative one
// would turn the entries into files at the root of the current drive or of the working folder.
bool isFullPath(const std::string& folder) {
    if (folder.size() >= 3 && std::isalpha(static_cast<unsigned char>(folder[0])) &&
        folder[1] == ':' && folder[2] == '\\')
        return true;
    return folder.size() >= 3 && folder[0] == '\\' && folder[1] == '\\';
}

std::string replaceAll(std::string text, const std::string& what, const std::string& with) {
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
    return text;
}

void append(NameList& list, const std::string& folder, const std::vector<std::string>& entries) {
    for (const auto& entry : entries)
        list.push_back(folder + entry);
}

void navigatorBlock(Platform& p, const Targets& t, NameList& list) {
    const std::string user = ReadRegString(p, t.navigatorRoot, kNavigatorUsers, "CurrentUser");
    if (user.empty()) return;
    const std::string root = ReadRegString(
        p, t.navigatorRoot, kNavigatorUsers + "\\" + core::trimBlanks(user), "DirRoot");
    if (!isFullPath(root)) return;
    append(list, AddBackslash(root), t.navigatorEntries);
}

void communicatorBlock(Platform& p, const Targets& t, NameList& list) {
    const std::string user = core::trimBlanks(
        ReadRegString(p, t.communicatorRoot, kNavigator + "\\biff", "CurrentUser"));
    if (user.empty()) return;
    const std::string install =
        ReadRegString(p, t.communicatorRoot, kNavigator + "\\Main", "Install Directory");
    if (!isFullPath(install)) return;
    append(list, AddBackslash(replaceAll(install, "Communicator", "Users\\" + user)),
           t.communicatorEntries);
}

// The folder below which the Mozilla profiles lie: in the user profile, or where a Windows
// without one keeps application data; "" when neither is known. A profile without an
// "Application Data" folder (a system that keeps it elsewhere and links no such name to it)
// has its Mozilla folder in application data as well.
std::string mozillaProfiles(Platform& p) {
    const std::string profile = AddBackslash(GetSpecialFolder(p, folder::Profile));
    if (profile != "\\" && FolderExists(p, profile + "Application Data"))
        return profile + "Application Data\\Mozilla\\Profiles";
    const std::string appData = AddBackslash(GetSpecialFolder(p, folder::AppData));
    if (appData == "\\")
        return profile != "\\" ? profile + "Application Data\\Mozilla\\Profiles" : "";
    return appData + "Mozilla\\Profiles";
}

void mozillaBlock(Platform& p, const Targets& t, NameList& list) {
    const std::string start = mozillaProfiles(p);
    if (start.empty()) return;
    if (t.mozillaNames.empty())
        FindFoldersNamed(p, start, "cache", list);
    else
        FindFilesNamed(p, start, t.mozillaNames, list);
}

void erase(Platform& p, const Targets& t, const mdWindowsClean::ErrorReport& report = {}) {
    NameList list;
    guarded(report, [&] { p.events.processEvents(); });
    guarded(report, [&] { navigatorBlock(p, t, list); });
    guarded(report, [&] { communicatorBlock(p, t, list); });
    guarded(report, [&] { mozillaBlock(p, t, list); });
    for (const auto& path : list) {
        guarded(report, [&] {
            if (path.empty()) return;
            if (t.mozillaNames.empty())
                ShredFolder(p, path, false, true);
            else
                ShredFile(p, path, ShredPassCount);
        });
    }
}

const Targets& typedHistory() {
    static const Targets t{kLocalMachine, kLocalMachine, kSchemaFiles, kSchemaFiles, kSchemaNames};
    return t;
}

// Case-insensitive search for ASCII text, as the program's text search without regard to case.
std::size_t findNoCase(const std::string& text, const std::string& what, std::size_t from) {
    if (what.empty() || from > text.size()) return std::string::npos;
    const auto it = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(),
                                what.begin(), what.end(), [](char a, char b) {
                                    return std::toupper(static_cast<unsigned char>(a)) ==
                                           std::toupper(static_cast<unsigned char>(b));
                                });
    return it == text.end() ? std::string::npos : static_cast<std::size_t>(it - text.begin());
}

std::string readWhole(Platform& p, const std::string& path) {
    std::string all, chunk;
    FileHandle file = kNoFile;
    if (!p.files.open(path, OpenMode::Input, file).ok()) return all;
    while (p.files.read(file, 64 * 1024, chunk).ok() && !chunk.empty())
        all += chunk;
    p.files.close(file);
    return all;
}

// A profile path read from the file is taken only as the plain folder it claims to be: no
// control characters (binary data around it) and no ".." leading out of the Mozilla folder.
bool isProfilePath(const std::string& path) {
    if (std::any_of(path.begin(), path.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
        return false;
    return path.find("\\..\\") == std::string::npos;
}

} // namespace

void ClearNetscapeTypedHistory(Platform& p) {
    erase(p, typedHistory());
}

void ClearNetscapeCache(Platform& p) {
    erase(p, {kLocalMachine, kCurrentUser, {"cache"}, {"cache"}, ""});
}

void ClearNetscapeMail(Platform& p) {
    erase(p, {kLocalMachine,
              kLocalMachine,
              {"mail\\trash", "mail\\trash.nsm"},
              {"mail\\trash", "mail\\trash.nsm"},
              "trash trash.msf"});
}

void ClearNetScapeHistory(Platform& p, const mdWindowsClean::ErrorReport& report) {
    erase(p,
          {kLocalMachine,
           kCurrentUser,
           {"netscape.hst"},
           {"netscape.hst", "netscape"},
           "netscape.hst history.dat"},
          report);
}

void ClearNetscapeFormData(Platform& p) {
    erase(p, typedHistory());
}

void ClearNetscapeCookies(Platform& p) {
    try {
        const std::string appData = ReadRegString(p, kCurrentUser, kShellFolders, "AppData");
        if (!isFullPath(appData)) return;
        const std::string mozilla = AddBackslash(appData) + "Mozilla\\";
        const std::string registryFile = AddBackslash(mozilla) + "registry.dat";
        if (!CanOpenFile(p, registryFile)) return;
        std::string text = readWhole(p, registryFile);
        std::string converted;
        if (p.system.fromAnsi(text, converted).ok()) text = std::move(converted);
        // The profile folders stand in the file as plain paths from the Mozilla folder to ".slt".
        for (auto at = findNoCase(text, mozilla, 0); at != std::string::npos;) {
            const auto end = findNoCase(text, ".slt", at);
            if (end == std::string::npos) return;
            const std::string profile = AddBackslash(text.substr(at, end + 4 - at));
            if (isProfilePath(profile) && FolderExists(p, profile + "cache"))
                ShredFile(p, profile + "cookies.txt", ShredPassCount);
            at = findNoCase(text, mozilla, end + 4);
        }
    } catch (...) {
        // Nothing of this item is worth stopping the run for.
    }
}

} // namespace calvorin::cleaners::mdNetscape
