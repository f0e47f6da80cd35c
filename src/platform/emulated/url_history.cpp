#include "platform/emulated/url_history.h"

#include <algorithm>

namespace calvorin::platform::emulated {

namespace {
constexpr std::int64_t kTicksPerSecond = 10'000'000;
constexpr std::int64_t kSecondsTo1970 = 11'644'473'600;

class Enumerator final : public HistoryEnumerator {
  public:
    Enumerator(FailurePlan& failures, std::vector<HistoryRecord> snapshot)
        : failures_(failures), records_(std::move(snapshot)) {}
    Status setFilter(const std::string& prefix, std::uint32_t) override {
        if (auto f = failures_.take("UrlHistory.setFilter")) return *f;
        prefix_ = prefix;
        return Status::success();
    }
    Status next(HistoryRecord& record) override {
        if (auto f = failures_.take("UrlHistory.next")) return *f;
        while (next_ < records_.size()) {
            const HistoryRecord& r = records_[next_++];
            if (r.url.compare(0, prefix_.size(), prefix_) == 0) {
                record = r;
                return Status::success();
            }
        }
        return Status::failure(error::NoMoreItems, "No more data is available.");
    }

  private:
    FailurePlan& failures_;
    std::vector<HistoryRecord> records_;
    std::size_t next_ = 0;
    std::string prefix_;
};
} // namespace

class Store final : public HistoryStore {
  public:
    explicit Store(UrlHistory& owner) : owner_(owner) { ++owner_.openStores_; }
    ~Store() override { --owner_.openStores_; }
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    Status addUrl(const std::string& url, const std::string& title, std::uint32_t flags) override {
        if (auto f = owner_.failures_.take("UrlHistory.addUrl")) return *f;
        auto& records = owner_.records;
        auto it = std::find_if(records.begin(), records.end(),
                               [&](const HistoryRecord& r) { return r.url == url; });
        if (it == records.end()) it = records.insert(records.end(), HistoryRecord{url, {}, 0, 0, 0, 0});
        it->title = title;
        it->flags = flags;
        it->lastVisited = it->lastUpdated = owner_.now;
        it->expires = owner_.now + 20ULL * 86'400 * kTicksPerSecond;
        return Status::success();
    }
    Status deleteUrl(const std::string& url, std::uint32_t) override {
        if (auto f = owner_.failures_.take("UrlHistory.deleteUrl")) return *f;
        const auto n = std::erase_if(owner_.records, [&](const HistoryRecord& r) { return r.url == url; });
        return n ? Status::success() : Status::failure(0x80004005, "Unspecified error");
    }
    Status clearHistory() override {
        if (auto f = owner_.failures_.take("UrlHistory.clearHistory")) return *f;
        owner_.records.clear();
        return Status::success();
    }
    Status enumUrls(std::unique_ptr<HistoryEnumerator>& enumerator) override {
        enumerator.reset();
        if (auto f = owner_.failures_.take("UrlHistory.enumUrls")) return *f;
        enumerator = std::make_unique<Enumerator>(owner_.failures_, owner_.records);
        return Status::success();
    }

  private:
    UrlHistory& owner_;
};

Status UrlHistory::open(std::unique_ptr<HistoryStore>& store) {
    store.reset();
    if (auto f = failures_.take("UrlHistory.open")) return *f;
    store = std::make_unique<Store>(*this);
    return Status::success();
}

Status UrlHistory::toLocalTime(std::uint64_t fileTime, DateTime& local) {
    if (auto f = failures_.take("UrlHistory.toLocalTime")) return *f;
    const std::int64_t secs = static_cast<std::int64_t>(fileTime / kTicksPerSecond) - kSecondsTo1970 +
                              localOffsetMinutes * 60LL;
    std::int64_t days = secs / 86'400, rest = secs % 86'400;
    if (rest < 0) {
        rest += 86'400;
        --days;
    }
    const int s = static_cast<int>(rest);
    local = {fromDayNumber(days), s / 3600, s / 60 % 60, s % 60};
    return Status::success();
}

std::uint64_t fileTimeOf(const DateTime& utc) {
    const std::int64_t secs = toDayNumber(utc.date) * 86'400 + (utc.hour * 60 + utc.minute) * 60 +
                              utc.second + kSecondsTo1970;
    return static_cast<std::uint64_t>(secs) * kTicksPerSecond;
}

} // namespace calvorin::platform::emulated
