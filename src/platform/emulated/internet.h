#pragma once
#include "platform/emulated/failure_plan.h"
#include "platform/internet.h"

#include <set>
#include <string>
#include <vector>

namespace calvorin::platform::emulated {

// The network as a switch: online, every URL opens; offline, sessions still open (as they do
// on Windows) but no URL does. Every session and URL request is recorded, and handles must be
// closed. The transfer control runs a transfer only when a test starts one.
class Internet final : public platform::Internet {
  public:
    explicit Internet(FailurePlan& failures) : failures_(failures) {}

    Status openRoot(const std::string& agent, InternetHandle& root) override;
    Status openUrl(InternetHandle root, const std::string& url, std::uint32_t flags,
                   InternetHandle& handle) override;
    Status closeHandle(InternetHandle handle) override;
    void cancelTransfer() override;
    bool transferExecuting() override;

    // --- the test's side ---
    bool online = false;
    struct UrlRequest {
        std::string url;
        std::uint32_t flags = 0;
    };
    std::vector<std::string> rootAgents; // the agent of every session opened
    std::vector<UrlRequest> urlRequests; // every URL asked for, opened or not
    std::size_t openHandles() const { return handles_.size(); }

    // Starts a transfer that, once cancelled, still reports itself executing for
    // `pollsAfterCancel` more questions, as a real transfer winds down.
    void startTransfer(int pollsAfterCancel) {
        transferRunning_ = true;
        cancelled_ = false;
        pollsLeft_ = pollsAfterCancel;
    }
    int cancels = 0;
    int executingPolls = 0;

  private:
    InternetHandle newHandle();

    FailurePlan& failures_;
    std::set<InternetHandle> handles_;
    InternetHandle next_ = 0xC0000;
    bool transferRunning_ = false;
    bool cancelled_ = false;
    int pollsLeft_ = 0;
};

} // namespace calvorin::platform::emulated
