#pragma once
#include "platform/registry.h"

#include <string>

namespace calvorin::platform {

// Per-user text settings addressed by application, section and key. They live under
// HKEY_CURRENT_USER "Software\VB and VBA Program Settings\<application>\<section>", one string
// value per key, where such settings have always been kept, so values written by earlier
// installations carry over. Key names match without regard to case, as registry names do.
class SettingsStore {
  public:
    explicit SettingsStore(Registry& registry) : registry_(registry) {}

    Status save(const std::string& application, const std::string& section,
                const std::string& key, const std::string& value);
    // The stored text, or `fallback` when the key (or its section) is absent.
    std::string get(const std::string& application, const std::string& section,
                    const std::string& key, const std::string& fallback = {});
    Status remove(const std::string& application, const std::string& section,
                  const std::string& key);

    static std::string sectionPath(const std::string& application, const std::string& section);

  private:
    Registry& registry_;
};

} // namespace calvorin::platform
