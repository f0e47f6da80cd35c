#include "cleaners/url_history.h"

#include "platform/raised_error.h"

namespace calvorin::cleaners {

using namespace platform;

namespace {
void raiseOnFailure(const Status& s) {
    if (!s.ok()) throw RaisedError(s);
}
} // namespace

DateTime URLHistoryItem::local(std::uint64_t fileTime) const {
    DateTime t;
    raiseOnFailure(history_.toLocalTime(fileTime, t));
    return t;
}

DateTime URLHistoryItem::LastVisited() const { return local(record_.lastVisited); }
DateTime URLHistoryItem::Expires() const { return local(record_.expires); }
DateTime URLHistoryItem::LastUpdated() const { return local(record_.lastUpdated); }

std::string URLHistoryItem::Title() const {
    return record_.title.empty() ? "     (No Title Given)" : record_.title;
}

CURLHistory::CURLHistory(Platform& p) : history_(p.urlHistory) {
    raiseOnFailure(history_.open(store_));
    Refresh();
}

void CURLHistory::AddURL(const std::string& URL, const std::string& Title, std::uint32_t Flags) {
    raiseOnFailure(store_->addUrl(URL, Title, Flags));
}

void CURLHistory::Clear() {
    store_->clearHistory();
    Refresh();
}

void CURLHistory::Refresh(const std::string& URLStartsWith, std::uint32_t Flags) {
    std::unique_ptr<HistoryEnumerator> walk;
    raiseOnFailure(store_->enumUrls(walk));
    raiseOnFailure(walk->setFilter(URLStartsWith, Flags));
    items_.clear();
    HistoryRecord record;
    while (walk->next(record).ok()) {
        auto item = std::make_shared<URLHistoryItem>(history_);
        item->InitFromStatUrl(record);
        items_.push_back(std::move(item));
    }
}

void CURLHistory::checkIndex(std::int32_t index) const {
    if (index < 1 || index > Count()) throw RaisedError(Status::failure(9, "Subscript out of range"));
}

std::shared_ptr<URLHistoryItem> CURLHistory::Item(std::int32_t Index) const {
    checkIndex(Index);
    return items_[static_cast<std::size_t>(Index - 1)];
}

void CURLHistory::Remove(std::int32_t Index) {
    checkIndex(Index);
    const auto at = items_.begin() + (Index - 1);
    raiseOnFailure(store_->deleteUrl((*at)->URL(), 0));
    items_.erase(at);
}

void CURLHistory::DeleteURL(const std::string& URL, std::uint32_t Flags) {
    store_->deleteUrl(URL, Flags);
    Refresh();
}

} // namespace calvorin::cleaners
