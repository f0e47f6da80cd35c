#pragma once
#include "platform/emulated/failure_plan.h"
#include "platform/event_loop.h"
#include "platform/internet.h"

#include <map>
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
    void openTransfer(const std::string& url, TransferType type) override;
    std::string transferBody() override;
    std::string transferHeaders() override;
    Status transferResult() override;

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

    // A server's answer to a URL, as the bytes it sends before closing the connection: the
    // head ("HTTP/1.1 200 OK", header lines, an empty line) and the body. A body shorter than
    // its Content-Length is a connection that dropped early. A stalled answer never comes
    // until the transfer is cancelled.
    void serve(const std::string& url, std::string response, bool stall = false) {
        served_[url] = {std::move(response), stall};
    }
    void stopServing(const std::string& url) { served_.erase(url); }
    struct TransferRequest {
        std::string url;
        TransferType type = TransferType::Text;
    };
    std::vector<TransferRequest> transfers; // every transfer started
    // The clock a transfer takes its time on; without one it finishes after a few looks.
    platform::EventLoop* clock = nullptr;
    std::uint64_t transferMs = 300;

  private:
    InternetHandle newHandle();
    void finishTransfer();

    FailurePlan& failures_;
    std::set<InternetHandle> handles_;
    InternetHandle next_ = 0xC0000;
    bool transferRunning_ = false;
    bool cancelled_ = false;
    int pollsLeft_ = 0;

    struct Served {
        std::string response;
        bool stall = false;
    };
    std::map<std::string, Served> served_;
    // The transfer in flight and what it will have given once it ends.
    bool fetching_ = false;
    bool stalled_ = false;
    std::uint64_t dueTick_ = 0;
    int duePolls_ = 0;
    std::string pendingBody_, pendingHeaders_;
    Status pendingResult_;
    std::string body_, headers_;
    Status result_;
};

} // namespace calvorin::platform::emulated
