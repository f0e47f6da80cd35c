#pragma once
#include "platform/platform.h"

#include <string>

// Reading and writing the program's own values in the registry outside the settings store
// (the product key, the update hand-off key, the Run key). Every procedure opens its key and
// closes it again within the call, and none raises an error to its caller.
namespace calvorin::settings {

namespace trymodReg {

// The text of a string value, or `fallback` when the key or value is missing or the value
// holds no string. Unexpected failures are reported and the reading goes on.
std::string tryMyGetSettingString(platform::Platform& platform, platform::RegKey root,
                                  const std::string& subKey, const std::string& valueName,
                                  const std::string& fallback = {});

// Writes a string value (without a terminating NUL), creating the key and its parents.
// A key without write rights is silent; other failures are reported and the writing goes on.
void trySaveSettingString(platform::Platform& platform, platform::RegKey root,
                          const std::string& subKey, const std::string& valueName,
                          const std::string& text);

// The value's text when it exists; otherwise creates it as `text` and returns empty text.
// Failures are skipped silently.
std::string tryGetOrCreateSettingString(platform::Platform& platform, platform::RegKey root,
                                        const std::string& subKey, const std::string& valueName,
                                        const std::string& text);

} // namespace trymodReg

// Removes a value; a missing key or value is no error, and nothing is reported.
void DeleteRegValue(platform::Platform& platform, platform::RegKey root, const std::string& subKey,
                    const std::string& valueName);

// Copies a file with the shell, showing nothing and overwriting the destination; false when
// the copy failed.
bool copyFileSilent(platform::Platform& platform, const std::string& source,
                    const std::string& destination);

} // namespace calvorin::settings
