#pragma once
#include "platform/status.h"

#include <cstdint>
#include <string>

namespace calvorin::platform {

// An Internet handle (a session root or an open URL); 0 is no handle.
using InternetHandle = std::uint64_t;
inline constexpr InternetHandle kNoInternetHandle = 0;

// Flags for opening a URL, with the values Windows gives them.
enum InternetOpenFlags : std::uint32_t {
    InternetFlagReload = 0x80000000u,       // fetch from the server, not from the cache
    InternetFlagNoCacheWrite = 0x04000000u, // keep the answer out of the cache
    InternetFlagKeepConnection = 0x00400000u,
};

// How the transfer control hands over a body: text (0) or a byte array (1).
enum class TransferType { Text = 0, Bytes = 1 };

// Access to the Internet: sessions and URLs opened on them, and the main window's transfer
// control, through which the program downloads.
class Internet {
  public:
    virtual ~Internet() = default;

    // Opens a session root with the system's configured proxy settings (InternetOpen).
    virtual Status openRoot(const std::string& agent, InternetHandle& root) = 0;
    // Opens a URL on a root (InternetOpenUrl) with no extra headers; the page is not read.
    virtual Status openUrl(InternetHandle root, const std::string& url, std::uint32_t flags,
                           InternetHandle& handle) = 0;
    virtual Status closeHandle(InternetHandle handle) = 0;

    // --- the transfer control ---
    // Stops the transfer in progress, if any.
    virtual void cancelTransfer() = 0;
    // True while a transfer has not yet finished (a cancelled one may take a moment).
    virtual bool transferExecuting() = 0;
    // Cancels any transfer in progress and starts fetching the URL's whole body, as text or as
    // bytes (the same bytes either way). It runs beside the event loop: the body, headers and
    // result are there once transferExecuting() answers false.
    virtual void openTransfer(const std::string& url, TransferType type) = 0;
    // The body of the last finished transfer; empty while one runs.
    virtual std::string transferBody() = 0;
    // Every response header line of the last finished transfer, the status line first, each
    // ended by CR LF; empty while one runs or when no response came.
    virtual std::string transferHeaders() = 0;
    // How the last transfer ended: success, or the failure that ended it (no connection, a
    // cancel, a body that stopped short of its announced length).
    virtual Status transferResult() = 0;
};

} // namespace calvorin::platform
