#pragma once
#include "platform/internet.h"

#include <memory>
#include <string>

namespace calvorin::platform::win32 {

struct Transfer;

// Internet access over WinINet. The transfer control fetches on a worker thread of its own,
// so the window's thread only waits on its message queue; the worker posts a message to that
// queue when it ends. No logic runs on the worker: it reads bytes and hands them over.
class Internet final : public platform::Internet {
  public:
    Internet();
    ~Internet() override;
    Internet(const Internet&) = delete;
    Internet& operator=(const Internet&) = delete;

    Status openRoot(const std::string& agent, InternetHandle& root) override;
    Status openUrl(InternetHandle root, const std::string& url, std::uint32_t flags,
                   InternetHandle& handle) override;
    Status closeHandle(InternetHandle handle) override;
    // Closing the handles of the request in flight is how WinINet stops a transfer.
    void cancelTransfer() override;
    bool transferExecuting() override;
    void openTransfer(const std::string& url, TransferType type) override;
    std::string transferBody() override;
    std::string transferHeaders() override;
    Status transferResult() override;

    // The agent name the transfer control's requests carry.
    std::string transferAgent = "Calvorin";

  private:
    std::shared_ptr<Transfer> transfer_;
};

} // namespace calvorin::platform::win32
