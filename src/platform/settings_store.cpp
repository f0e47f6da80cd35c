#include "platform/settings_store.h"

namespace calvorin::platform {

std::string SettingsStore::sectionPath(const std::string& application,
                                       const std::string& section) {
    return "Software\\VB and VBA Program Settings\\" + application + "\\" + section;
}

Status SettingsStore::save(const std::string& application, const std::string& section,
                           const std::string& key, const std::string& value) {
    RegKey k = kNoKey;
    Status s = registry_.createKey(kCurrentUser, sectionPath(application, section), k);
    if (!s.ok()) return s;
    s = registry_.writeString(k, key, value);
    registry_.closeKey(k);
    return s;
}

std::string SettingsStore::get(const std::string& application, const std::string& section,
                               const std::string& key, const std::string& fallback) {
    RegKey k = kNoKey;
    if (!registry_.openKey(kCurrentUser, sectionPath(application, section), k).ok())
        return fallback;
    RegValue v;
    const bool found = registry_.readValue(k, key, v).ok();
    registry_.closeKey(k);
    if (!found) return fallback;
    return textOf(v);
}

Status SettingsStore::remove(const std::string& application, const std::string& section,
                             const std::string& key) {
    RegKey k = kNoKey;
    Status s = registry_.openKey(kCurrentUser, sectionPath(application, section), k, true);
    if (!s.ok()) return s;
    s = registry_.deleteValue(k, key);
    registry_.closeKey(k);
    return s;
}

} // namespace calvorin::platform
