#pragma once
#include "platform/url_history.h"

namespace calvorin::platform::win32 {

// The history store's COM object, reached in the calling thread's apartment.
class UrlHistory final : public platform::UrlHistory {
  public:
    UrlHistory();
    ~UrlHistory() override;
    UrlHistory(const UrlHistory&) = delete;
    UrlHistory& operator=(const UrlHistory&) = delete;

    Status open(std::unique_ptr<HistoryStore>& store) override;
    Status toLocalTime(std::uint64_t fileTime, DateTime& local) override;

  private:
    bool initialized_ = false;
};

} // namespace calvorin::platform::win32
