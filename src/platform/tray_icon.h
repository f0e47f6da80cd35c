#pragma once
#include "platform/status.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace calvorin::platform {

// Flags telling which fields of a tray icon are valid, with the values Windows gives them.
enum TrayIconFlags : std::uint32_t {
    TrayFlagMessage = 0x1,
    TrayFlagIcon = 0x2,
    TrayFlagTip = 0x4,
};

// One notification-area icon of the main window. The window and its icon are those the
// program's window was given; the Windows side knows them.
struct TrayIconData {
    std::uint32_t id = 1;
    std::uint32_t flags = TrayFlagMessage | TrayFlagIcon | TrayFlagTip;
    std::uint32_t callbackMessage = 0x0200; // WM_MOUSEMOVE
    std::string tip;                        // at most kMaxTip characters are shown

    static constexpr std::size_t kMaxTip = 63; // a 64-character field with its NUL
};

class TrayIcon {
  public:
    virtual ~TrayIcon() = default;
    virtual Status add(const TrayIconData& icon) = 0;
    virtual Status remove(const TrayIconData& icon) = 0;
};

} // namespace calvorin::platform
