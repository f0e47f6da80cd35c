#pragma once
#include "platform/registry.h"

namespace calvorin::platform::win32 {

class Registry final : public platform::Registry {
  public:
    Status openKey(RegKey parent, const std::string& path, RegKey& key, bool write) override;
    Status createKey(RegKey parent, const std::string& path, RegKey& key) override;
    Status queryValue(RegKey key, const std::string& name, RegType& type,
                      std::uint32_t& size) override;
    Status readValue(RegKey key, const std::string& name, RegValue& value) override;
    Status writeValue(RegKey key, const std::string& name, const RegValue& value) override;
    Status enumValue(RegKey key, std::uint32_t index, std::string& name) override;
    Status enumKey(RegKey key, std::uint32_t index, std::string& name) override;
    Status deleteValue(RegKey key, const std::string& name) override;
    Status deleteTree(RegKey parent, const std::string& path) override;
    Status closeKey(RegKey key) override;
};

} // namespace calvorin::platform::win32
