#include "settings/registry_access.h"

#include "core/error_report.h"

namespace calvorin::settings {

namespace {

// A missing key or value is the normal case for a reader, and a key without write rights
// leaves a write without effect, as the program has always treated it: neither is reported.
bool expected(const platform::Status& s) {
    return s.ok() || s.number == platform::error::FileNotFound ||
           s.number == platform::error::PathNotFound || s.number == platform::error::AccessDenied;
}

// Hands an unexpected failure to the error report under the caller's fixed prefix.
void reportUnexpected(platform::Platform& platform, const char* prefix, platform::Status s) {
    if (expected(s)) return;
    core::MdErrorHand::ReportError(platform, prefix + s.description, s);
}

constexpr const char* kGetPrefix = "module, tryMyGetSettingString, ";
constexpr const char* kSavePrefix = "tryc_con, trySaveSettingString, ";

} // namespace

namespace trymodReg {

std::string tryMyGetSettingString(platform::Platform& platform, platform::RegKey root,
                                  const std::string& subKey, const std::string& valueName,
                                  const std::string& fallback) {
    auto& reg = platform.registry;
    std::string result = fallback;
    platform::RegKey key = platform::kNoKey;
    platform::Status s = reg.openKey(root, subKey, key);
    if (!s.ok()) {
        // Without a key every later step would only fail on it.
        reportUnexpected(platform, kGetPrefix, s);
        return result;
    }
    platform::RegType type = platform::RegType::None;
    std::uint32_t size = 0;
    s = reg.queryValue(key, valueName, type, size);
    if (!s.ok()) {
        reportUnexpected(platform, kGetPrefix, s);
    } else if (type == platform::RegType::String) {
        platform::RegValue value;
        s = reg.readValue(key, valueName, value);
        if (s.ok())
            result = platform::textOf(value); // stored with or without its NUL
        else
            reportUnexpected(platform, kGetPrefix, s);
    }
    reportUnexpected(platform, kGetPrefix, reg.closeKey(key));
    return result;
}

void trySaveSettingString(platform::Platform& platform, platform::RegKey root,
                          const std::string& subKey, const std::string& valueName,
                          const std::string& text) {
    auto& reg = platform.registry;
    platform::RegKey key = platform::kNoKey;
    platform::Status s = reg.createKey(root, subKey, key);
    if (!s.ok()) {
        reportUnexpected(platform, kSavePrefix, s);
        return;
    }
    // The data are the characters alone: readers of these values cope with either form.
    reportUnexpected(platform, kSavePrefix, reg.writeString(key, valueName, text, false));
    reportUnexpected(platform, kSavePrefix, reg.closeKey(key));
}

std::string tryGetOrCreateSettingString(platform::Platform& platform, platform::RegKey root,
                                        const std::string& subKey, const std::string& valueName,
                                        const std::string& text) {
    auto& reg = platform.registry;
    platform::RegKey key = platform::kNoKey;
    if (!reg.createKey(root, subKey, key).ok()) return {};
    std::string result;
    platform::RegType type = platform::RegType::None;
    std::uint32_t size = 0;
    if (!reg.queryValue(key, valueName, type, size).ok()) {
        reg.writeString(key, valueName, text, false);
    } else {
        // Whatever the type, its bytes up to the first NUL.
        platform::RegValue value;
        if (reg.readValue(key, valueName, value).ok()) result = platform::textOf(value);
    }
    reg.closeKey(key);
    return result;
}

} // namespace trymodReg

void DeleteRegValue(platform::Platform& platform, platform::RegKey root, const std::string& subKey,
                    const std::string& valueName) {
    auto& reg = platform.registry;
    platform::RegKey key = platform::kNoKey;
    if (!reg.openKey(root, subKey, key, true).ok()) return;
    reg.deleteValue(key, valueName);
    reg.closeKey(key);
}

bool copyFileSilent(platform::Platform& platform, const std::string& source,
                    const std::string& destination) {
    return platform.shell.copyFile(source, destination).ok();
}

} // namespace calvorin::settings
