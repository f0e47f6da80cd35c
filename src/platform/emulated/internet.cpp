#include "platform/emulated/internet.h"

#include <optional>

namespace calvorin::platform::emulated {

namespace {
// The codes WinINet reports for these cases.
constexpr std::int64_t kNameNotResolved = 12007;
constexpr std::int64_t kInvalidHandle = 6;
constexpr std::int64_t kCannotConnect = 12029;
constexpr std::int64_t kConnectionAborted = 12030;
constexpr std::int64_t kCancelled = 12017;
// The transfer control's own answer while a request is still running.
constexpr std::int64_t kStillExecuting = 35764;

std::string lower(std::string s) {
    for (auto& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return s;
}

// The Content-Length a head announces, if any.
std::optional<std::size_t> announcedLength(const std::string& head) {
    const std::string l = lower(head);
    const auto at = l.find("\r\ncontent-length:");
    if (at == std::string::npos) return std::nullopt;
    std::size_t i = at + 17, n = 0;
    while (i < l.size() && l[i] == ' ') ++i;
    if (i >= l.size() || l[i] < '0' || l[i] > '9') return std::nullopt;
    while (i < l.size() && l[i] >= '0' && l[i] <= '9') n = n * 10 + static_cast<std::size_t>(l[i++] - '0');
    return n;
}
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
    if (fetching_) {
        fetching_ = false;
        body_.clear();
        headers_.clear();
        result_ = Status::failure(kCancelled, "The operation was canceled");
    }
}

bool Internet::transferExecuting() {
    ++executingPolls;
    if (fetching_ && !stalled_) {
        const bool due = clock ? clock->tickCount() >= dueTick_ : --duePolls_ < 0;
        if (due) finishTransfer();
    }
    if (fetching_) return true;
    if (!transferRunning_) return false;
    if (cancelled_ && pollsLeft_-- <= 0) transferRunning_ = false;
    return transferRunning_;
}

void Internet::finishTransfer() {
    fetching_ = false;
    body_ = std::move(pendingBody_);
    headers_ = std::move(pendingHeaders_);
    result_ = pendingResult_;
}

void Internet::openTransfer(const std::string& url, TransferType type) {
    if (fetching_) cancelTransfer(), --cancels; // a new request stops the old one itself
    transfers.push_back({url, type});
    body_.clear();
    headers_.clear();
    pendingBody_.clear();
    pendingHeaders_.clear();
    pendingResult_ = Status::success();
    fetching_ = true;
    stalled_ = false;
    dueTick_ = (clock ? clock->tickCount() : 0) + transferMs;
    duePolls_ = 2;
    if (auto f = failures_.take("Internet.openTransfer")) {
        pendingResult_ = *f;
        return;
    }
    if (!online) {
        pendingResult_ =
            Status::failure(kNameNotResolved, "The server name or address could not be resolved");
        return;
    }
    auto it = served_.find(url);
    if (it == served_.end()) {
        pendingResult_ =
            Status::failure(kCannotConnect, "A connection with the server could not be established");
        return;
    }
    stalled_ = it->second.stall;
    const std::string& raw = it->second.response;
    const auto end = raw.find("\r\n\r\n");
    const std::string head = end == std::string::npos ? raw : raw.substr(0, end);
    pendingHeaders_ = head + "\r\n\r\n";
    pendingBody_ = end == std::string::npos ? std::string() : raw.substr(end + 4);
    if (auto length = announcedLength(head)) {
        if (pendingBody_.size() < *length)
            pendingResult_ = Status::failure(kConnectionAborted,
                                             "The connection with the server was terminated abnormally");
        else
            pendingBody_.resize(*length);
    }
}

std::string Internet::transferBody() { return fetching_ ? std::string() : body_; }
std::string Internet::transferHeaders() { return fetching_ ? std::string() : headers_; }
Status Internet::transferResult() {
    if (fetching_) return Status::failure(kStillExecuting, "Still executing last request");
    return result_;
}

} // namespace calvorin::platform::emulated
