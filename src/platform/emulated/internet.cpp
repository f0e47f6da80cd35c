#include "platform/emulated/internet.h"

namespace calvorin::platform::emulated {

namespace {
// The codes WinINet reports for these cases.
constexpr std::int64_t kNameNotResolved = 12007;
constexpr std::int64_t kInvalidHandle = 6;
} // namespace

InternetHandle Internet::newHandle() {
    const InternetHandle h = next_;
    next_ += 4;
    handles_.insert(h);
    return h;
}

Status Internet::openRoot(const std::string& agent, InternetHandle& root) {
    root = kNoInternetHandle;
    rootAgents.push_back(agent);
    if (auto f = failures_.take("Internet.openRoot")) return *f;
    root = newHandle();
    return Status::success();
}

Status Internet::openUrl(InternetHandle root, const std::string& url, std::uint32_t flags,
                         InternetHandle& handle) {
    handle = kNoInternetHandle;
    urlRequests.push_back({url, flags});
    if (auto f = failures_.take("Internet.openUrl")) return *f;
    if (handles_.count(root) == 0) return Status::failure(kInvalidHandle, "The handle is invalid.");
    if (!online)
        return Status::failure(kNameNotResolved,
                               "The server name or address could not be resolved");
    handle = newHandle();
    return Status::success();
}

Status Internet::closeHandle(InternetHandle handle) {
    if (handles_.erase(handle) == 0)
        return Status::failure(kInvalidHandle, "The handle is invalid.");
    return Status::success();
}

void Internet::cancelTransfer() {
    ++cancels;
    if (transferRunning_) cancelled_ = true;
}

bool Internet::transferExecuting() {
    ++executingPolls;
    if (!transferRunning_) return false;
    if (cancelled_ && pollsLeft_-- <= 0) transferRunning_ = false;
    return transferRunning_;
}

} // namespace calvorin::platform::emulated
