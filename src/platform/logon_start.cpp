#include "platform/logon_start.h"

namespace calvorin::platform::logon {

namespace {
Status writeRun(Registry& registry, RegKey root, const std::string& name,
                const std::string& commandLine) {
    RegKey key = kNoKey;
    Status s = registry.createKey(root, kRunKey, key);
    if (!s.ok()) return s;
    // With its NUL: Windows reads the command line back as a terminated string.
    s = registry.writeString(key, name, commandLine, true);
    registry.closeKey(key);
    return s;
}

Status removeRun(Registry& registry, RegKey root, const std::string& name) {
    // Looked for first: a user may not open the machine's key for writing, yet has nothing
    // to remove there when the value is absent.
    RegKey key = kNoKey;
    if (!registry.openKey(root, kRunKey, key, false).ok()) return Status::success();
    RegType type = RegType::None;
    std::uint32_t size = 0;
    const bool present = registry.queryValue(key, name, type, size).ok();
    registry.closeKey(key);
    if (!present) return Status::success();
    Status s = registry.openKey(root, kRunKey, key, true);
    if (!s.ok()) return s;
    s = registry.deleteValue(key, name);
    registry.closeKey(key);
    return s;
}
} // namespace

Status registerRunEntry(Registry& registry, const std::string& name,
                        const std::string& commandLine) {
    if (writeRun(registry, kLocalMachine, name, commandLine).ok()) {
        removeRun(registry, kCurrentUser, name);
        return Status::success();
    }
    return writeRun(registry, kCurrentUser, name, commandLine);
}

Status unregisterRunEntry(Registry& registry, const std::string& name) {
    const Status machine = removeRun(registry, kLocalMachine, name);
    const Status user = removeRun(registry, kCurrentUser, name);
    return machine.ok() ? user : machine;
}

} // namespace calvorin::platform::logon
