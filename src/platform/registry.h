#pragma once
#include "platform/status.h"

#include <cstdint>
#include <string>
#include <vector>

namespace calvorin::platform {

// A registry key handle. The predefined roots carry the values Windows gives them, so a root
// passes through to the system unchanged.
using RegKey = std::uint64_t;
inline constexpr RegKey kNoKey = 0;
inline constexpr RegKey kClassesRoot = 0x80000000u;
inline constexpr RegKey kCurrentUser = 0x80000001u;
inline constexpr RegKey kLocalMachine = 0x80000002u;
inline constexpr RegKey kUsers = 0x80000003u;

enum class RegType : std::uint32_t {
    None = 0,
    String = 1,       // REG_SZ
    ExpandString = 2, // REG_EXPAND_SZ
    Binary = 3,       // REG_BINARY
    Dword = 4,        // REG_DWORD
    MultiString = 7,  // REG_MULTI_SZ
};

// Value data cross this interface as bytes. For the string types they are the UTF-8 text
// exactly as stored, a terminating NUL included when the value holds one; for the other types
// they are the raw bytes.
struct RegValue {
    RegType type = RegType::None;
    std::vector<std::uint8_t> data;
};

class Registry {
  public:
    virtual ~Registry() = default;

    // Opens an existing key (RegOpenKeyEx). `write` asks for write access as well as read.
    virtual Status openKey(RegKey parent, const std::string& path, RegKey& key,
                           bool write = false) = 0;
    // Opens a key or creates it with any missing parents, for reading and writing.
    virtual Status createKey(RegKey parent, const std::string& path, RegKey& key) = 0;
    // Type and size of a value, without its data. The size is that of RegValue::data.
    virtual Status queryValue(RegKey key, const std::string& name, RegType& type,
                              std::uint32_t& size) = 0;
    virtual Status readValue(RegKey key, const std::string& name, RegValue& value) = 0;
    virtual Status writeValue(RegKey key, const std::string& name, const RegValue& value) = 0;
    // Name of the value at `index`; error::NoMoreItems past the last.
    virtual Status enumValue(RegKey key, std::uint32_t index, std::string& name) = 0;
    // Name of the subkey at `index`; error::NoMoreItems past the last.
    virtual Status enumKey(RegKey key, std::uint32_t index, std::string& name) = 0;
    virtual Status deleteValue(RegKey key, const std::string& name) = 0;
    // Deletes a key with all its subkeys and values (SHDeleteKey).
    virtual Status deleteTree(RegKey parent, const std::string& path) = 0;
    virtual Status closeKey(RegKey key) = 0;

    // Conveniences over writeValue.
    Status writeString(RegKey key, const std::string& name, const std::string& text,
                       bool withNul = true);
    Status writeDword(RegKey key, const std::string& name, std::uint32_t number);
};

// The text of string-typed value data: cut before the first NUL, or all of it when none.
std::string textOf(const RegValue& value);

} // namespace calvorin::platform
