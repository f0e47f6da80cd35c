#include "cleaners/registry_operations.h"

namespace calvorin::cleaners {

using namespace platform;

std::string ReadRegString(Platform& p, RegKey root, const std::string& keyPath,
                          const std::string& valueName) {
    RegKey key = kNoKey;
    if (!p.registry.openKey(root, keyPath, key).ok()) return {};
    std::string text;
    RegType type = RegType::None;
    std::uint32_t size = 0;
    RegValue value;
    if (p.registry.queryValue(key, valueName, type, size).ok() && type == RegType::String &&
        p.registry.readValue(key, valueName, value).ok() && value.type == RegType::String)
        text = textOf(value);
    p.registry.closeKey(key);
    return text;
}

void SetRegValue(Platform& p, RegKey root, const std::string& keyPath, const std::string& valueName,
                 const std::string& value, std::uint32_t type) {
    RegKey key = kNoKey;
    if (!p.registry.openKey(root, keyPath, key, true).ok() &&
        !p.registry.createKey(root, keyPath, key).ok())
        return;
    if (type == static_cast<std::uint32_t>(RegType::String) ||
        type == static_cast<std::uint32_t>(RegType::Binary))
        p.registry.writeValue(key, valueName,
                              {static_cast<RegType>(type), {value.begin(), value.end()}});
    p.registry.closeKey(key);
}

} // namespace calvorin::cleaners
