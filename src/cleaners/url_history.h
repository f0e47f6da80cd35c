#pragma once
#include "platform/platform.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace calvorin::cleaners {

// One record of the browser's history store, with its times as local date and time.
class URLHistoryItem {
  public:
    explicit URLHistoryItem(platform::UrlHistory& history) : history_(history) {}

    platform::DateTime LastVisited() const;
    platform::DateTime Expires() const;
    platform::DateTime LastUpdated() const;
    std::string URL() const { return record_.url; }
    std::uint32_t Flags() const { return record_.flags; }
    // "     (No Title Given)" for a record without a title.
    std::string Title() const;

  private:
    friend class CURLHistory;
    void InitFromStatUrl(const platform::HistoryRecord& record) { record_ = record; }
    platform::DateTime local(std::uint64_t fileTime) const;

    platform::UrlHistory& history_;
    platform::HistoryRecord record_;
};

// The history store as a 1-based collection of its records, loaded when created and again on
// every Refresh. Failures the store reports throw platform::RaisedError where the members say
// so; the connection to the store is released with the object.
class CURLHistory {
  public:
    using Items = std::vector<std::shared_ptr<URLHistoryItem>>;

    // Connects to the store and loads every record; throws when either fails.
    explicit CURLHistory(platform::Platform& p);

    // Adds a record to the store; the collection stays as it was. Throws on failure.
    void AddURL(const std::string& URL, const std::string& Title, std::uint32_t Flags);
    std::int32_t Count() const { return static_cast<std::int32_t>(items_.size()); }
    // Empties the store (its failure is ignored) and reloads.
    void Clear();
    // Reloads the records whose URL starts with `URLStartsWith` (all for ""). Throws on failure.
    void Refresh(const std::string& URLStartsWith = {}, std::uint32_t Flags = 0);
    // The item at 1-based `Index`; throws when there is none.
    std::shared_ptr<URLHistoryItem> Item(std::int32_t Index) const;
    // Deletes the item's URL from the store and the item from the collection; throws, changing
    // nothing, for an index out of range or a failing delete.
    void Remove(std::int32_t Index);
    // Deletes a URL from the store (its failure is ignored) and reloads.
    void DeleteURL(const std::string& URL, std::uint32_t Flags);
    // Iteration over every item.
    Items::const_iterator begin() const { return items_.begin(); }
    Items::const_iterator end() const { return items_.end(); }

  private:
    void checkIndex(std::int32_t index) const;

    platform::UrlHistory& history_;
    std::unique_ptr<platform::HistoryStore> store_;
    Items items_;
};

} // namespace calvorin::cleaners
