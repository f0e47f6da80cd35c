#pragma once
#include "platform/date_time.h"
#include "platform/status.h"

#include <cstdint>
#include <memory>
#include <string>

namespace calvorin::platform {

// One record of the history store. Times are UTC file times (100 ns units since 1601).
struct HistoryRecord {
    std::string url;
    std::string title; // empty when the record has none
    std::uint64_t lastVisited = 0;
    std::uint64_t lastUpdated = 0;
    std::uint64_t expires = 0;
    std::uint32_t flags = 0;
};

// Walks the store's records one at a time.
class HistoryEnumerator {
  public:
    virtual ~HistoryEnumerator() = default;
    // Restricts the walk to URLs starting with `prefix` (empty: every URL).
    virtual Status setFilter(const std::string& prefix, std::uint32_t flags) = 0;
    // The next record; error::NoMoreItems after the last.
    virtual Status next(HistoryRecord& record) = 0;
};

// One connection to the history store, released when it goes.
class HistoryStore {
  public:
    virtual ~HistoryStore() = default;
    virtual Status addUrl(const std::string& url, const std::string& title, std::uint32_t flags) = 0;
    virtual Status deleteUrl(const std::string& url, std::uint32_t flags) = 0;
    virtual Status clearHistory() = 0;
    virtual Status enumUrls(std::unique_ptr<HistoryEnumerator>& enumerator) = 0;
};

// The browser's URL history store.
class UrlHistory {
  public:
    virtual ~UrlHistory() = default;
    virtual Status open(std::unique_ptr<HistoryStore>& store) = 0;
    // A UTC file time as local wall-clock time, to the second.
    virtual Status toLocalTime(std::uint64_t fileTime, DateTime& local) = 0;
};

} // namespace calvorin::platform
