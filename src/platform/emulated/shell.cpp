#include "platform/emulated/shell.h"

#include <algorithm>
#include <cctype>

namespace calvorin::platform::emulated {

Shell::Shell(FailurePlan& failures, FileSystem& files) : failures_(failures), files_(files) {
    const std::string profile = "C:\\Users\\user";
    folders = {
        {folder::Recent, profile + "\\AppData\\Roaming\\Microsoft\\Windows\\Recent"},
        {folder::AppData, profile + "\\AppData\\Roaming"},
        {folder::InternetCache, profile + "\\AppData\\Local\\Microsoft\\Windows\\INetCache"},
        {folder::Cookies, profile + "\\AppData\\Roaming\\Microsoft\\Windows\\Cookies"},
        {folder::History, profile + "\\AppData\\Local\\Microsoft\\Windows\\History"},
        {folder::Windows, "C:\\Windows"},
        {folder::System, "C:\\Windows\\system32"},
        {folder::ProgramFiles, "C:\\Program Files"},
        {folder::Profile, profile},
        {folder::SystemX86, "C:\\Windows\\SysWOW64"},
        {folder::ProgramFilesX86, "C:\\Program Files (x86)"},
        {folder::Documents, profile + "\\Documents"},
        {folder::Music, profile + "\\Music"},
        {folder::Videos, profile + "\\Videos"},
        {folder::Desktop, profile + "\\Desktop"},
        {folder::LocalAppData, profile + "\\AppData\\Local"},
        {folder::CommonAppData, "C:\\ProgramData"},
        {folder::Pictures, profile + "\\Pictures"},
        {folder::Downloads, profile + "\\Downloads"},
    };
    // A profile as a fresh installation leaves it, the temporary folder included.
    for (const auto& [number, path] : folders) files_.makeFolder(path);
    files_.makeFolder(profile + "\\AppData\\Local\\Temp");
}

Status Shell::emptyRecycleBin(const std::string& root, std::uint32_t flags) {
    if (auto f = failures_.take("Shell.emptyRecycleBin")) return *f;
    emptied.push_back({root, flags});
    if (root.empty()) {
        recycled.clear();
        return Status::success();
    }
    const char drive = static_cast<char>(std::toupper(static_cast<unsigned char>(root[0])));
    std::erase_if(recycled, [&](const std::string& p) {
        return !p.empty() && std::toupper(static_cast<unsigned char>(p[0])) == drive;
    });
    return Status::success();
}

Status Shell::clearRecentDocuments() {
    if (auto f = failures_.take("Shell.clearRecentDocuments")) return *f;
    const auto recent = folders.find(folder::Recent);
    if (recent == folders.end()) return Status::success();
    std::vector<DirEntry> links;
    if (files_.list(recent->second + "\\*.lnk", attr::Hidden | attr::System, links).ok())
        for (const auto& link : links) files_.remove(recent->second + "\\" + link.name);
    return Status::success();
}

Status Shell::specialFolder(int number, std::string& path) {
    path.clear();
    if (auto f = failures_.take("Shell.specialFolder")) return *f;
    const auto it = folders.find(number);
    if (it == folders.end()) return Status::failure(0x80070057, "The parameter is incorrect.");
    path = it->second;
    return Status::success();
}

Status Shell::copyFile(const std::string& source, const std::string& destination) {
    if (auto f = failures_.take("Shell.copyFile")) return *f;
    FileHandle in = kNoFile;
    Status s = files_.open(source, OpenMode::Input, in);
    if (!s.ok()) return s;
    std::string data, chunk;
    while ((s = files_.read(in, 1 << 16, chunk)).ok() && !chunk.empty()) data += chunk;
    files_.close(in);
    if (!s.ok()) return s;
    // A read-only destination refuses, as it does on Windows.
    std::uint32_t attributes = 0;
    if (files_.attributes(destination, attributes).ok() && (attributes & attr::ReadOnly))
        return Status::failure(error::AccessDenied, "Access is denied.");
    FileHandle out = kNoFile;
    s = files_.open(destination, OpenMode::Output, out);
    if (!s.ok()) return s;
    s = files_.write(out, data);
    files_.close(out);
    return s;
}

} // namespace calvorin::platform::emulated
