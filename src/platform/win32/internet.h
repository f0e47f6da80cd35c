#pragma once
#include "platform/internet.h"

namespace calvorin::platform::win32 {

// Internet access over WinINet.
class Internet final : public platform::Internet {
  public:
    Status openRoot(const std::string& agent, InternetHandle& root) override;
    Status openUrl(InternetHandle root, const std::string& url, std::uint32_t flags,
                   InternetHandle& handle) override;
    Status closeHandle(InternetHandle handle) override;
    // Closing the request in flight is how WinINet stops a transfer.
    void cancelTransfer() override;
    bool transferExecuting() override { return transfer_ != kNoInternetHandle; }

  private:
    // The request a transfer is reading from; none until the transfers that download (the
    // update program's) set it.
    InternetHandle transfer_ = kNoInternetHandle;
};

} // namespace calvorin::platform::win32
