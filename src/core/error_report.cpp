#include "core/error_report.h"

#include "core/program.h"
#include "product.h"

namespace calvorin::core::MdErrorHand {

namespace {
// Reload from the server, keep it out of the cache, keep the connection alive.
constexpr std::uint32_t kProbeFlags = platform::InternetFlagReload |
                                      platform::InternetFlagNoCacheWrite |
                                      platform::InternetFlagKeepConnection;
// How long each look at a transfer that is winding down lets events run before the next.
constexpr std::uint64_t kTransferPollMs = 10;
} // namespace

bool IsOnline(platform::Platform& platform) {
    auto& net = platform.internet;
    bool online = false;
    platform::InternetHandle root = platform::kNoInternetHandle;
    net.openRoot(kProgramTitle, root);
    platform.events.processEvents();
    if (root != platform::kNoInternetHandle) {
        platform::InternetHandle page = platform::kNoInternetHandle;
        net.openUrl(root, product::kProbeUrl, kProbeFlags, page);
        if (page != platform::kNoInternetHandle) {
            online = true;
            net.closeHandle(page);
        }
    }
    net.closeHandle(root); // also a null root, as the system tolerates
    return online;
}

void ReportError(platform::Platform& platform, const std::string& text, platform::Status& failure) {
    if (failure.number != 0 && IsOnline(platform)) {
        // A download still running would otherwise go on behind the message.
        platform.internet.cancelTransfer();
        while (platform.internet.transferExecuting()) {
            platform.events.processEvents();
            platform.events.waitUntil(platform.events.tickCount() + kTransferPollMs);
        }
        // The number whole, as the system reports it: Windows codes do not fit 16 bits.
        platform.dialogs.messageBox(text + std::to_string(failure.number), kProgramTitle,
                                    platform::MbOk);
    }
    failure = platform::Status::success();
}

} // namespace calvorin::core::MdErrorHand
