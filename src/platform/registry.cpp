#include "platform/registry.h"

#include <algorithm>

namespace calvorin::platform {

Status Registry::writeString(RegKey key, const std::string& name, const std::string& text,
                             bool withNul) {
    RegValue v{RegType::String, std::vector<std::uint8_t>(text.begin(), text.end())};
    if (withNul) v.data.push_back(0);
    return writeValue(key, name, v);
}

Status Registry::writeDword(RegKey key, const std::string& name, std::uint32_t number) {
    RegValue v{RegType::Dword, {}};
    for (int i = 0; i < 4; ++i) v.data.push_back(static_cast<std::uint8_t>(number >> (8 * i)));
    return writeValue(key, name, v);
}

std::string textOf(const RegValue& value) {
    const auto end = std::find(value.data.begin(), value.data.end(), std::uint8_t{0});
    return std::string(value.data.begin(), end);
}

} // namespace calvorin::platform
