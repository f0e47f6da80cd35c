#pragma once
#include "cleaners/windows_clean.h"
#include "core/catalogue.h"
#include "platform/platform.h"

namespace calvorin::cleaners {

// Plugs the erase operation of every Windows and Internet Explorer item but "Cookies" into
// the catalogue. The operations work on `platform`, which must outlive them; ClearRecentDocs
// hands its failures to `report`.
void plugWindowsAndInternetExplorer(core::EraseOperations& operations, platform::Platform& platform,
                                    mdWindowsClean::ErrorReport report);

// Plugs the erase operations of the Netscape and Opera items into the catalogue, in their
// call order; ClearNetScapeHistory hands its failures to `report`.
void plugNetscapeAndOpera(core::EraseOperations& operations, platform::Platform& platform,
                          mdWindowsClean::ErrorReport report);

} // namespace calvorin::cleaners
