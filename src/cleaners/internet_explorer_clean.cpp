#include "cleaners/internet_explorer_clean.h"
#include "platform/text_case.h"

#include "cleaners/file_operations.h"
#include "cleaners/registry_operations.h"
#include "cleaners/url_history.h"
#include "cleaners/windows_clean.h"
#include "platform/raised_error.h"

#include <cctype>

namespace calvorin::cleaners::mdIternetExplorerClean {

using namespace platform;

namespace {

constexpr const char* kIntelliForms = "Software\\Microsoft\\Internet Explorer\\IntelliForms";

} // namespace

bool isCachedPage(const CacheEntry& entry, const std::string& cacheFolder) {
    if ((entry.type & cache_entry::Normal) != cache_entry::Normal) return false;
    if (entry.localFile.find("Temporary Internet Files") != std::string::npos) return true;
    // Newer systems keep the cache in a folder of another name; only the system can say where.
    if (entry.type & (cache_entry::Cookie | cache_entry::UrlHistory)) return false;
    if (cacheFolder.empty()) return false;
    return upperAscii(entry.localFile).rfind(upperAscii(AddBackslash(cacheFolder)), 0) == 0;
}

void ClearTypedURLs(Platform& p) {
    mdWindowsClean::WipeRegistryKey(p, "Software\\Microsoft\\Internet Explorer\\TypedURLs", true);
}

void ClearFormSuggestions(Platform& p) {
    p.registry.deleteTree(kCurrentUser, std::string(kIntelliForms) + "\\Storage1");
}

void ClearIECache(Platform& p) {
    const std::string cacheFolder = GetSpecialFolder(p, folder::InternetCache);
    CacheFind find = kNoCacheFind;
    CacheEntry entry;
    if (p.urlCache.findFirst(find, entry).ok()) {
        do {
            if (isCachedPage(entry, cacheFolder)) p.urlCache.remove(entry.sourceUrl);
        } while (p.urlCache.findNext(find, entry).ok());
    }
    if (find != kNoCacheFind) p.urlCache.findClose(find);
}

void ClearIntelliForms(Platform& p) { p.registry.deleteTree(kCurrentUser, kIntelliForms); }

void ClearIEHistory(Platform& p) {
    try {
        CURLHistory history(p);
        history.Clear();
        history.Refresh("", 0);
    } catch (const RaisedError&) {
        // No store to reach (or it refused): there is nothing this item can erase.
    }
}

void ClearSearchAssistantMRU(Platform& p) {
    mdWindowsClean::WipeRegistryKey(p, "Software\\Microsoft\\Search Assistant\\ACMru\\5604", true);
}

void WipeIndexDat(Platform& p) {
    for (int number : {folder::Cookies, folder::History}) {
        const std::string path = AddBackslash(GetSpecialFolder(p, number)) + "index.dat";
        std::uint64_t length = 0;
        if (!p.files.length(path, length).ok()) continue;
        FileHandle file = kNoFile;
        if (!p.files.open(path, OpenMode::Output, file).ok()) continue; // in use: left as it is
        p.files.seek(file, 0);
        p.files.write(file, std::string(static_cast<std::size_t>(length), ' '));
        p.files.close(file);
    }
}

void ClearOEDeletedItems(Platform& p) {
    const std::string identity = ReadRegString(p, kCurrentUser, "Identities", "Default User ID");
    const std::string store = ReadRegString(
        p, kCurrentUser, "Identities\\" + identity + "\\Software\\Microsoft\\Outlook Express\\5.0",
        "Store Root");
    if (store.empty()) return;
    const std::string file = AddBackslash(store) + "Deleted Items.dbx";
    if (CanOpenFile(p, file)) p.files.remove(file);
}

} // namespace calvorin::cleaners::mdIternetExplorerClean
