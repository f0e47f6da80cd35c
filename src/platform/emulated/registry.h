#pragma once
#include "platform/emulated/failure_plan.h"
#include "platform/registry.h"

#include <map>
#include <memory>

namespace calvorin::platform::emulated {

// A registry tree in memory: names without regard to case, values with real types, handles
// that must be closed. Tests inspect it directly through the same interface.
class Registry final : public platform::Registry {
  public:
    explicit Registry(FailurePlan& failures) : failures_(failures) {}

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

    // Handles opened and not yet closed: a procedure that leaks one shows up here.
    std::size_t openHandles() const { return handles_.size(); }
    // Keys that refuse writes (a key without rights), by full path such as
    // "HKEY_LOCAL_MACHINE\Software\X".
    void denyWrites(const std::string& fullPath);

  private:
    struct Node;
    struct NoCase {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    struct Node {
        std::string name;
        std::map<std::string, std::shared_ptr<Node>, NoCase> keys;
        std::vector<std::pair<std::string, RegValue>> values; // in the order written
        bool deleted = false;
        bool readOnly = false;
    };
    struct Handle {
        std::shared_ptr<Node> node;
        bool write = false; // opened with write access
    };
    std::shared_ptr<Node> resolve(RegKey key) const;
    // True when the handle may change its key: a root, or a key opened for writing.
    bool writable(RegKey key) const;
    std::shared_ptr<Node> walk(std::shared_ptr<Node> from, const std::string& path, bool create);
    RegKey newHandle(std::shared_ptr<Node> node, bool write);

    FailurePlan& failures_;
    std::map<RegKey, std::shared_ptr<Node>> roots_;
    std::map<RegKey, Handle> handles_;
    RegKey nextHandle_ = 0x1000;
};

} // namespace calvorin::platform::emulated
