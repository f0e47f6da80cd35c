#pragma once
#include "platform/emulated/failure_plan.h"
#include "platform/url_history.h"

#include <vector>

namespace calvorin::platform::emulated {

// The history store: one record per URL, in the order added. Each open connection counts
// until released.
class UrlHistory final : public platform::UrlHistory {
  public:
    explicit UrlHistory(FailurePlan& failures) : failures_(failures) {}

    Status open(std::unique_ptr<HistoryStore>& store) override;
    Status toLocalTime(std::uint64_t fileTime, DateTime& local) override;

    // --- the test's side ---
    std::vector<HistoryRecord> records;
    // The time AddUrl stamps as last visited and updated (UTC file time).
    std::uint64_t now = 134'000'000'000'000'000;
    // Local time minus UTC, in minutes.
    int localOffsetMinutes = 60;
    int openStores() const { return openStores_; }

  private:
    friend class Store;
    FailurePlan& failures_;
    int openStores_ = 0;
};

// File time of a UTC date and time, for building records.
std::uint64_t fileTimeOf(const DateTime& utc);

} // namespace calvorin::platform::emulated
