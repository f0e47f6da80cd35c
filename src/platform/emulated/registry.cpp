#include "platform/emulated/registry.h"
#include "platform/text_case.h"

#include <algorithm>
#include <cctype>

namespace calvorin::platform::emulated {

namespace {
Status notFound() { return Status::failure(error::FileNotFound, "The system cannot find the file specified."); }
Status badHandle() { return Status::failure(error::InvalidHandle, "The handle is invalid."); }
Status denied() { return Status::failure(error::AccessDenied, "Access is denied."); }
Status noMore() { return Status::failure(error::NoMoreItems, "No more data is available."); }
} // namespace

bool Registry::NoCase::operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](unsigned char x, unsigned char y) {
                                            return std::tolower(x) < std::tolower(y);
                                        });
}

std::shared_ptr<Registry::Node> Registry::resolve(RegKey key) const {
    if (key >= kClassesRoot && key <= kUsers) {
        auto& root = const_cast<Registry*>(this)->roots_[key];
        if (!root) root = std::make_shared<Node>();
        return root;
    }
    auto it = handles_.find(key);
    if (it == handles_.end() || it->second.node->deleted) return nullptr;
    return it->second.node;
}

bool Registry::writable(RegKey key) const {
    if (key >= kClassesRoot && key <= kUsers) return true;
    auto it = handles_.find(key);
    return it != handles_.end() && it->second.write;
}

std::shared_ptr<Registry::Node> Registry::walk(std::shared_ptr<Node> from, const std::string& path,
                                               bool create) {
    std::size_t pos = 0;
    while (from && pos <= path.size()) {
        std::size_t next = path.find('\\', pos);
        if (next == std::string::npos) next = path.size();
        const std::string part = path.substr(pos, next - pos);
        pos = next + 1;
        if (part.empty()) continue; // a trailing or doubled separator names the same key
        auto it = from->keys.find(part);
        if (it != from->keys.end()) {
            from = it->second;
        } else if (create) {
            if (from->readOnly) return nullptr;
            auto node = std::make_shared<Node>();
            node->name = part;
            node->readOnly = from->readOnly;
            from->keys.emplace(part, node);
            from = node;
        } else {
            return nullptr;
        }
    }
    return from;
}

RegKey Registry::newHandle(std::shared_ptr<Node> node, bool write) {
    const RegKey h = nextHandle_;
    nextHandle_ += 4;
    handles_.emplace(h, Handle{std::move(node), write});
    return h;
}

Status Registry::openKey(RegKey parent, const std::string& path, RegKey& key, bool write) {
    key = kNoKey;
    if (auto f = failures_.take("Registry.openKey")) return *f;
    auto base = resolve(parent);
    if (!base) return badHandle();
    auto node = walk(base, path, false);
    if (!node) return notFound();
    if (write && node->readOnly) return denied();
    key = newHandle(node, write);
    return Status::success();
}

Status Registry::createKey(RegKey parent, const std::string& path, RegKey& key) {
    key = kNoKey;
    if (auto f = failures_.take("Registry.createKey")) return *f;
    auto base = resolve(parent);
    if (!base) return badHandle();
    auto existing = walk(base, path, false);
    if (existing) {
        if (existing->readOnly) return denied();
        key = newHandle(existing, true);
        return Status::success();
    }
    // A new subkey needs a parent handle that may create one.
    if (!writable(parent)) return denied();
    auto node = walk(base, path, true);
    if (!node) return denied();
    key = newHandle(node, true);
    return Status::success();
}

Status Registry::queryValue(RegKey key, const std::string& name, RegType& type,
                            std::uint32_t& size) {
    RegValue v;
    Status s = readValue(key, name, v);
    if (!s.ok()) return s;
    type = v.type;
    size = static_cast<std::uint32_t>(v.data.size());
    return s;
}

Status Registry::readValue(RegKey key, const std::string& name, RegValue& value) {
    if (auto f = failures_.take("Registry.readValue")) return *f;
    auto node = resolve(key);
    if (!node) return badHandle();
    for (const auto& [n, v] : node->values) {
        if (sameNoCase(n, name)) {
            value = v;
            return Status::success();
        }
    }
    return notFound();
}

Status Registry::writeValue(RegKey key, const std::string& name, const RegValue& value) {
    if (auto f = failures_.take("Registry.writeValue")) return *f;
    auto node = resolve(key);
    if (!node) return badHandle();
    if (node->readOnly || !writable(key)) return denied();
    for (auto& [n, v] : node->values) {
        if (sameNoCase(n, name)) {
            v = value;
            return Status::success();
        }
    }
    node->values.emplace_back(name, value);
    return Status::success();
}

Status Registry::enumValue(RegKey key, std::uint32_t index, std::string& name) {
    if (auto f = failures_.take("Registry.enumValue")) return *f;
    auto node = resolve(key);
    if (!node) return badHandle();
    if (index >= node->values.size()) return noMore();
    name = node->values[index].first;
    return Status::success();
}

Status Registry::enumKey(RegKey key, std::uint32_t index, std::string& name) {
    if (auto f = failures_.take("Registry.enumKey")) return *f;
    auto node = resolve(key);
    if (!node) return badHandle();
    if (index >= node->keys.size()) return noMore();
    auto it = node->keys.begin();
    std::advance(it, index);
    name = it->second->name;
    return Status::success();
}

Status Registry::deleteValue(RegKey key, const std::string& name) {
    if (auto f = failures_.take("Registry.deleteValue")) return *f;
    auto node = resolve(key);
    if (!node) return badHandle();
    if (node->readOnly || !writable(key)) return denied();
    auto it = std::find_if(node->values.begin(), node->values.end(),
                           [&](const auto& p) { return sameNoCase(p.first, name); });
    if (it == node->values.end()) return notFound();
    node->values.erase(it);
    return Status::success();
}

Status Registry::deleteTree(RegKey parent, const std::string& path) {
    if (auto f = failures_.take("Registry.deleteTree")) return *f;
    auto base = resolve(parent);
    if (!base) return badHandle();
    std::string parentPath, leaf = path;
    while (!leaf.empty() && leaf.back() == '\\') leaf.pop_back();
    if (auto cut = leaf.rfind('\\'); cut != std::string::npos) {
        parentPath = leaf.substr(0, cut);
        leaf = leaf.substr(cut + 1);
    }
    auto owner = walk(base, parentPath, false);
    if (!owner || leaf.empty()) return notFound();
    auto it = owner->keys.find(leaf);
    if (it == owner->keys.end()) return notFound();
    if (owner->readOnly || it->second->readOnly) return denied();
    // Open handles to the removed keys go stale, as they do on Windows.
    std::vector<std::shared_ptr<Node>> stack{it->second};
    while (!stack.empty()) {
        auto n = stack.back();
        stack.pop_back();
        n->deleted = true;
        for (auto& [_, child] : n->keys) stack.push_back(child);
    }
    owner->keys.erase(it);
    return Status::success();
}

Status Registry::closeKey(RegKey key) {
    if (auto f = failures_.take("Registry.closeKey")) return *f;
    if (key >= kClassesRoot && key <= kUsers) return Status::success();
    if (handles_.erase(key) == 0) return badHandle();
    return Status::success();
}

void Registry::denyWrites(const std::string& fullPath) {
    static const std::pair<const char*, RegKey> rootNames[] = {
        {"HKEY_CLASSES_ROOT", kClassesRoot},
        {"HKEY_CURRENT_USER", kCurrentUser},
        {"HKEY_LOCAL_MACHINE", kLocalMachine},
        {"HKEY_USERS", kUsers}};
    for (const auto& [prefix, root] : rootNames) {
        const std::string p = prefix;
        if (fullPath.compare(0, p.size(), p) == 0) {
            auto node = walk(resolve(root), fullPath.substr(p.size()), true);
            if (node) node->readOnly = true;
            return;
        }
    }
}

} // namespace calvorin::platform::emulated
