#include "platform/win32/registry.h"
#include "platform/win32/text.h"

#include <windows.h>
#include <shlwapi.h>

#include <cstring>
#include <vector>

namespace calvorin::platform::win32 {

namespace {
HKEY hkey(RegKey k) { return reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(k)); }
RegKey regKey(HKEY h) { return static_cast<RegKey>(reinterpret_cast<std::uintptr_t>(h)); }
Status status(LSTATUS code) {
    if (code == ERROR_SUCCESS) return Status::success();
    return Status::failure(code, errorText(static_cast<unsigned long>(code)));
}
bool isText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }
bool isRoot(RegKey k) { return k >= kClassesRoot && k <= kUsers; }
} // namespace

Status Registry::openKey(RegKey parent, const std::string& path, RegKey& key, bool write) {
    HKEY h = nullptr;
    const REGSAM access = KEY_READ | (write ? KEY_WRITE : 0);
    const LSTATUS rc = RegOpenKeyExW(hkey(parent), widen(path).c_str(), 0, access, &h);
    key = rc == ERROR_SUCCESS ? regKey(h) : kNoKey;
    return status(rc);
}

Status Registry::createKey(RegKey parent, const std::string& path, RegKey& key) {
    HKEY h = nullptr;
    const LSTATUS rc = RegCreateKeyExW(hkey(parent), widen(path).c_str(), 0, nullptr, 0,
                                       KEY_READ | KEY_WRITE, nullptr, &h, nullptr);
    key = rc == ERROR_SUCCESS ? regKey(h) : kNoKey;
    return status(rc);
}

Status Registry::queryValue(RegKey key, const std::string& name, RegType& type,
                            std::uint32_t& size) {
    // The size callers see is that of the converted text, so read the value whole.
    RegValue v;
    Status s = readValue(key, name, v);
    if (!s.ok()) return s;
    type = v.type;
    size = static_cast<std::uint32_t>(v.data.size());
    return s;
}

Status Registry::readValue(RegKey key, const std::string& name, RegValue& value) {
    const std::wstring wname = widen(name);
    for (;;) {
        DWORD type = 0, size = 0;
        LSTATUS rc = RegQueryValueExW(hkey(key), wname.c_str(), nullptr, &type, nullptr, &size);
        if (rc != ERROR_SUCCESS) return status(rc);
        std::vector<BYTE> raw(size);
        rc = RegQueryValueExW(hkey(key), wname.c_str(), nullptr, &type, raw.data(), &size);
        if (rc == ERROR_MORE_DATA) continue; // the value grew between the two calls
        if (rc != ERROR_SUCCESS) return status(rc);
        raw.resize(size);
        value.type = static_cast<RegType>(type);
        if (isText(type)) {
            std::wstring wide(raw.size() / sizeof(wchar_t), L'\0');
            if (!wide.empty()) std::memcpy(wide.data(), raw.data(), wide.size() * sizeof(wchar_t));
            const std::string text = narrow(wide);
            value.data.assign(text.begin(), text.end());
        } else {
            value.data.assign(raw.begin(), raw.end());
        }
        return Status::success();
    }
}

Status Registry::writeValue(RegKey key, const std::string& name, const RegValue& value) {
    const DWORD type = static_cast<DWORD>(value.type);
    if (isText(type)) {
        const std::wstring wide = widen(std::string_view(
            reinterpret_cast<const char*>(value.data.data()), value.data.size()));
        return status(RegSetValueExW(hkey(key), widen(name).c_str(), 0, type,
                                     reinterpret_cast<const BYTE*>(wide.data()),
                                     static_cast<DWORD>(wide.size() * sizeof(wchar_t))));
    }
    return status(RegSetValueExW(hkey(key), widen(name).c_str(), 0, type, value.data.data(),
                                 static_cast<DWORD>(value.data.size())));
}

Status Registry::enumValue(RegKey key, std::uint32_t index, std::string& name) {
    std::vector<wchar_t> buffer(16384);
    DWORD length = static_cast<DWORD>(buffer.size());
    const LSTATUS rc = RegEnumValueW(hkey(key), index, buffer.data(), &length, nullptr, nullptr,
                                     nullptr, nullptr);
    if (rc == ERROR_SUCCESS) name = narrow(std::wstring_view(buffer.data(), length));
    return status(rc);
}

Status Registry::enumKey(RegKey key, std::uint32_t index, std::string& name) {
    std::vector<wchar_t> buffer(256);
    DWORD length = static_cast<DWORD>(buffer.size());
    const LSTATUS rc = RegEnumKeyExW(hkey(key), index, buffer.data(), &length, nullptr, nullptr,
                                     nullptr, nullptr);
    if (rc == ERROR_SUCCESS) name = narrow(std::wstring_view(buffer.data(), length));
    return status(rc);
}

Status Registry::deleteValue(RegKey key, const std::string& name) {
    return status(RegDeleteValueW(hkey(key), widen(name).c_str()));
}

Status Registry::deleteTree(RegKey parent, const std::string& path) {
    return status(static_cast<LSTATUS>(SHDeleteKeyW(hkey(parent), widen(path).c_str())));
}

Status Registry::closeKey(RegKey key) {
    if (isRoot(key)) return Status::success();
    return status(RegCloseKey(hkey(key)));
}

} // namespace calvorin::platform::win32
