#pragma once
#include "platform/platform.h"

#include <cstdint>
#include <functional>
#include <string>

// The erase operations of the Windows trace items.
namespace calvorin::cleaners::mdWindowsClean {

// Hands a failure to the program's error report: message text and failure number.
using ErrorReport = std::function<void(const std::string& message, std::int64_t number)>;

// Deletes every value of the key below HKEY_CURRENT_USER one at a time, then the key with
// all below it. `advanceIndex` false enumerates index 0 each time.
void WipeRegistryKey(platform::Platform& p, const std::string& keyPath, bool advanceIndex);

// A drive letter or root ("C", "C:\") empties that drive's bin; "" every drive's.
void EmptyRecycleBin(platform::Platform& p, std::string root, bool noConfirm, bool noProgress,
                     bool noSound);
void ClearRunMRU(platform::Platform& p);
void ClearRecentDocs(platform::Platform& p, const ErrorReport& report);
void ClearFindHistory(platform::Platform& p);
void ClearStreamMRU(platform::Platform& p);
void ClearClipboard(platform::Platform& p);
void DeleteChkFiles(platform::Platform& p);
void ClearWindowsTemp(platform::Platform& p);
void ClearOpenSaveMRU(platform::Platform& p);
void ClearSearchComputerMRU(platform::Platform& p);

// True when emptying this folder would strip the system or the user of their own files: a
// drive root, a relative path, or a folder that is or holds the Windows, system, profile or
// program folders the system reports.
bool isProtectedFolder(platform::Platform& p, const std::string& folder);

} // namespace calvorin::cleaners::mdWindowsClean
