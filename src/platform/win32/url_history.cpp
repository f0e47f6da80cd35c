#include "platform/win32/url_history.h"
#include "platform/win32/last_error.h"

#include <windows.h>
#include <objbase.h>
#include <urlhist.h>

namespace calvorin::platform::win32 {

namespace {

// {3C374A40-BAE4-11CF-BF7D-00AA006946EE} and {AFA0DC11-C313-11D0-831A-00C04FD5AE38}
constexpr CLSID kUrlHistoryClass = {0x3C374A40, 0xBAE4, 0x11CF, {0xBF, 0x7D, 0x00, 0xAA, 0x00, 0x69, 0x46, 0xEE}};
constexpr IID kUrlHistoryStg2 = {0xAFA0DC11, 0xC313, 0x11D0, {0x83, 0x1A, 0x00, 0xC0, 0x4F, 0xD5, 0xAE, 0x38}};

std::uint64_t ticks(const FILETIME& t) {
    return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

std::string takeString(LPWSTR s) {
    if (!s) return {};
    std::string text = narrow(s);
    CoTaskMemFree(s);
    return text;
}

class Enumerator final : public HistoryEnumerator {
  public:
    explicit Enumerator(IEnumSTATURL* e) : e_(e) {}
    ~Enumerator() override { e_->Release(); }
    Enumerator(const Enumerator&) = delete;
    Enumerator& operator=(const Enumerator&) = delete;

    Status setFilter(const std::string& prefix, std::uint32_t flags) override {
        return fromResult(e_->SetFilter(widen(prefix).c_str(), flags));
    }
    Status next(HistoryRecord& record) override {
        STATURL s{};
        s.cbSize = sizeof(s);
        ULONG fetched = 0;
        const HRESULT hr = e_->Next(1, &s, &fetched);
        if (FAILED(hr)) return fromResult(hr);
        if (hr != S_OK || fetched == 0) return fromCode(ERROR_NO_MORE_ITEMS);
        record.title = takeString(s.pwcsTitle);
        record.url = takeString(s.pwcsUrl);
        record.lastVisited = ticks(s.ftLastVisited);
        record.lastUpdated = ticks(s.ftLastUpdated);
        record.expires = ticks(s.ftExpires);
        record.flags = s.dwFlags;
        return Status::success();
    }

  private:
    IEnumSTATURL* e_;
};

class Store final : public HistoryStore {
  public:
    explicit Store(IUrlHistoryStg2* s) : s_(s) {}
    ~Store() override { s_->Release(); }
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    Status addUrl(const std::string& url, const std::string& title, std::uint32_t flags) override {
        return fromResult(s_->AddUrl(widen(url).c_str(), widen(title).c_str(), flags));
    }
    Status deleteUrl(const std::string& url, std::uint32_t flags) override {
        return fromResult(s_->DeleteUrl(widen(url).c_str(), flags));
    }
    Status clearHistory() override { return fromResult(s_->ClearHistory()); }
    Status enumUrls(std::unique_ptr<HistoryEnumerator>& enumerator) override {
        enumerator.reset();
        IEnumSTATURL* e = nullptr;
        const HRESULT hr = s_->EnumUrls(&e);
        if (FAILED(hr) || !e) return fromResult(FAILED(hr) ? hr : E_POINTER);
        enumerator = std::make_unique<Enumerator>(e);
        return Status::success();
    }

  private:
    IUrlHistoryStg2* s_;
};

} // namespace

UrlHistory::UrlHistory() {
    const HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    initialized_ = hr == S_OK || hr == S_FALSE;
}

UrlHistory::~UrlHistory() {
    if (initialized_) CoUninitialize();
}

Status UrlHistory::open(std::unique_ptr<HistoryStore>& store) {
    store.reset();
    void* object = nullptr;
    const HRESULT hr = CoCreateInstance(kUrlHistoryClass, nullptr, CLSCTX_INPROC_SERVER, kUrlHistoryStg2, &object);
    if (FAILED(hr)) return fromResult(hr);
    store = std::make_unique<Store>(static_cast<IUrlHistoryStg2*>(object));
    return Status::success();
}

Status UrlHistory::toLocalTime(std::uint64_t fileTime, DateTime& local) {
    FILETIME utc{static_cast<DWORD>(fileTime), static_cast<DWORD>(fileTime >> 32)}, here{};
    SYSTEMTIME t{};
    if (!FileTimeToLocalFileTime(&utc, &here) || !FileTimeToSystemTime(&here, &t)) return lastError();
    local = {{t.wYear, t.wMonth, t.wDay}, t.wHour, t.wMinute, t.wSecond};
    return Status::success();
}

} // namespace calvorin::platform::win32
