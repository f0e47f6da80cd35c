#pragma once
#include "platform/platform.h"

// The erase operations of the Internet Explorer trace items (the cookies have their own keeper).
namespace calvorin::cleaners::mdIternetExplorerClean {

void ClearTypedURLs(platform::Platform& p);
// The form-suggestion store; saved passwords stay for ClearIntelliForms.
void ClearFormSuggestions(platform::Platform& p);
// Deletes the plain cache entries kept in the browser's cache folder; cookies and history stay.
void ClearIECache(platform::Platform& p);
void ClearIntelliForms(platform::Platform& p);
void ClearIEHistory(platform::Platform& p);
void ClearSearchAssistantMRU(platform::Platform& p);
// Replaces the contents of the cookie and history index files with blanks, unless in use.
void WipeIndexDat(platform::Platform& p);
// Deletes the default identity's "Deleted Items.dbx".
void ClearOEDeletedItems(platform::Platform& p);

// Whether the cache walk deletes an entry: a plain entry whose local file lies under
// "Temporary Internet Files" (that spelling), or, when no cookie or history entry, inside
// `cacheFolder`, the Internet cache folder the system reports.
bool isCachedPage(const platform::CacheEntry& entry, const std::string& cacheFolder);

} // namespace calvorin::cleaners::mdIternetExplorerClean
