#pragma once
#include "cleaners/windows_clean.h"
#include "platform/platform.h"

// The erase operations of the Netscape trace items: the files of a Navigator user named in
// the registry, of a Communicator user below the install folder, and of the Mozilla profiles
// below the user's profile.
namespace calvorin::cleaners::mdNetscape {

void ClearNetscapeTypedHistory(platform::Platform& p);
// Empties every cache folder found; the folders themselves stay.
void ClearNetscapeCache(platform::Platform& p);
void ClearNetscapeMail(platform::Platform& p);
// Hands each failure it meets to `report` and goes on.
void ClearNetScapeHistory(platform::Platform& p, const mdWindowsClean::ErrorReport& report);
// Deletes "cookies.txt" of every Mozilla profile named in "registry.dat" that has a cache.
void ClearNetscapeCookies(platform::Platform& p);
void ClearNetscapeFormData(platform::Platform& p);

} // namespace calvorin::cleaners::mdNetscape
