#pragma once
#include "platform/emulated/failure_plan.h"
#include "platform/tray_icon.h"

#include <map>
#include <string>
#include <vector>

namespace calvorin::platform::emulated {

// The notification area: the icons it shows, by identifier, and every request made of it.
class TrayIcon final : public platform::TrayIcon {
  public:
    explicit TrayIcon(FailurePlan& failures) : failures_(failures) {}

    Status add(const TrayIconData& icon) override {
        calls.push_back("add");
        if (auto f = failures_.take("TrayIcon.add")) return *f;
        // Windows refuses to add an identifier it already shows.
        if (!shown.emplace(icon.id, icon).second) return refused();
        return Status::success();
    }
    Status remove(const TrayIconData& icon) override {
        calls.push_back("remove");
        if (auto f = failures_.take("TrayIcon.remove")) return *f;
        if (shown.erase(icon.id) == 0) return refused();
        return Status::success();
    }

    // --- the test's side ---
    std::map<std::uint32_t, TrayIconData> shown;
    std::vector<std::string> calls;

  private:
    static Status refused() {
        return Status::failure(error::InvalidParameter, "The parameter is incorrect.");
    }
    FailurePlan& failures_;
};

} // namespace calvorin::platform::emulated
