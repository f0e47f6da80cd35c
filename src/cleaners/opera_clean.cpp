#include "cleaners/opera_clean.h"

#include "cleaners/file_operations.h"
#include "cleaners/registry_operations.h"

namespace calvorin::cleaners::mdOpera {

using namespace platform;

namespace {

const std::string kProfile = "Opera\\OPERA7\\profile\\";

// "C:" or "C:\..." or "\\server\...": a relative folder would lead the steps into whatever
// folder the program happens to run in.
bool isFullPath(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':' && (path.size() == 2 || path[2] == '\\')) return true;
    return path.size() > 2 && path[0] == '\\' && path[1] == '\\';
}

// The application-data folder, or "" when the system does not know it.
std::string appData(Platform& p) {
    const std::string folder = GetSpecialFolder(p, folder::AppData);
    return isFullPath(folder) ? folder : std::string();
}

// Deletes the file directly, without overwriting, when a listing of it finds a plain file.
void deleteFile(Platform& p, const std::string& base, const std::string& relative) {
    if (base.empty()) return;
    const std::string path = base + "\\" + relative;
    if (!listFolder(p, path, 0).empty()) p.files.remove(path); // read-only or in use: it stays
}

// Deletes the plain files directly inside the folder; subfolders, hidden and system files and
// the folder itself stay.
void emptyFolder(Platform& p, const std::string& base, const std::string& relative) {
    if (base.empty()) return;
    const std::string folder = base + "\\" + relative;
    bool isFolder = false;
    for (const DirEntry& e : listFolder(p, folder, attr::Directory))
        if (e.attributes & attr::Directory) isFolder = true;
    if (!isFolder) return;
    for (const DirEntry& e : listFolder(p, folder + "\\", 0))
        p.files.remove(folder + "\\" + e.name);
}

} // namespace

std::string GetOperaPath(Platform& p) {
    std::string path =
        ReadRegString(p, kLocalMachine,
                      "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Opera.exe", "Path");
    while (!path.empty() && path.back() == '\\')
        path.pop_back(); // the steps add their own "\"
    return isFullPath(path) ? path : std::string();
}

void ClearOperaTypedURLs(Platform& p) {
    const std::string base = appData(p);
    deleteFile(p, base, kProfile + "global.dat");
    deleteFile(p, base, kProfile + "opera.dir");
}

void ClearOperaCache(Platform& p) {
    emptyFolder(p, GetOperaPath(p), "Cache");
}

void ClearOperaCache4(Platform& p) {
    emptyFolder(p, appData(p), kProfile + "cache4");
}

void ClearOperaCookies(Platform& p) {
    deleteFile(p, GetOperaPath(p), "cookies.dat");
}

void ClearOperaCookies4(Platform& p) {
    deleteFile(p, appData(p), kProfile + "cookies4.dat");
}

} // namespace calvorin::cleaners::mdOpera
