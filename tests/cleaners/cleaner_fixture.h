#pragma once
#include "platform/emulated/world.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace calvorin::test {

// An emulated Windows with drive C: for the cleaners to work on.
class CleanerTest : public ::testing::Test {
  protected:
    platform::emulated::World world;
    platform::Platform p = world.platform();

    // Writes a REG_SZ value below HKEY_CURRENT_USER, creating the key.
    void setString(const std::string& key, const std::string& name, const std::string& text,
                   platform::RegType type = platform::RegType::String) {
        platform::RegKey k = platform::kNoKey;
        ASSERT_TRUE(p.registry.createKey(platform::kCurrentUser, key, k).ok());
        platform::RegValue v{type, {text.begin(), text.end()}};
        v.data.push_back(0);
        ASSERT_TRUE(p.registry.writeValue(k, name, v).ok());
        p.registry.closeKey(k);
    }
    bool keyExists(const std::string& key) {
        platform::RegKey k = platform::kNoKey;
        if (!p.registry.openKey(platform::kCurrentUser, key, k).ok()) return false;
        p.registry.closeKey(k);
        return true;
    }
    std::vector<std::string> valuesOf(const std::string& key) {
        std::vector<std::string> names;
        platform::RegKey k = platform::kNoKey;
        if (!p.registry.openKey(platform::kCurrentUser, key, k).ok()) return names;
        std::string name;
        for (std::uint32_t i = 0; p.registry.enumValue(k, i, name).ok(); ++i) names.push_back(name);
        p.registry.closeKey(k);
        return names;
    }
    bool exists(const std::string& path) { return world.files.exists(path); }
};

} // namespace calvorin::test
