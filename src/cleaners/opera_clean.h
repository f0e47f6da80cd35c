#pragma once
#include "platform/platform.h"

#include <string>

// The erase operations of the Opera trace items: the install folder that "App Paths" names
// and the version 7 profile below the application-data folder.
namespace calvorin::cleaners::mdOpera {

// The install folder, without trailing "\"; "" when Opera is not registered.
std::string GetOperaPath(platform::Platform& p);
void ClearOperaTypedURLs(platform::Platform& p);
// Delete the plain files of the cache folder; subfolders, hidden and system files stay.
void ClearOperaCache(platform::Platform& p);
void ClearOperaCache4(platform::Platform& p);
void ClearOperaCookies(platform::Platform& p);
void ClearOperaCookies4(platform::Platform& p);

} // namespace calvorin::cleaners::mdOpera
