#include "platform/emulated/event_loop.h"

#include <cctype>
#include <limits>
#include <vector>

namespace calvorin::platform::emulated {

namespace {
constexpr std::int64_t kMsPerDay = 86'400'000;
}

EventLoop::EventLoop() { setNow({{2026, 12, 6}, 10, 30, 0}); }

void EventLoop::setNow(const DateTime& now) {
    const std::int64_t ms = toDayNumber(now.date) * kMsPerDay +
                            ((now.hour * 60 + now.minute) * 60 + now.second) * 1000LL;
    wallOffsetMs_ = ms - static_cast<std::int64_t>(tick_);
}

DateTime EventLoop::now() {
    const std::int64_t ms = wallOffsetMs_ + static_cast<std::int64_t>(tick_);
    std::int64_t days = ms / kMsPerDay;
    std::int64_t rest = ms % kMsPerDay;
    if (rest < 0) {
        rest += kMsPerDay;
        --days;
    }
    const int secs = static_cast<int>(rest / 1000);
    return {fromDayNumber(days), secs / 3600, secs / 60 % 60, secs % 60};
}

bool EventLoop::runDue() {
    bool ran = false;
    // Scheduled events first, then timers, each in due order; handlers may add or stop more.
    while (!scheduled_.empty() && scheduled_.begin()->first <= tick_) {
        auto event = std::move(scheduled_.begin()->second);
        scheduled_.erase(scheduled_.begin());
        event();
        ran = true;
    }
    for (;;) {
        TimerId dueId = 0;
        std::uint64_t dueAt = std::numeric_limits<std::uint64_t>::max();
        for (const auto& [id, t] : timers_) {
            if (t.due <= tick_ && t.due < dueAt) {
                dueAt = t.due;
                dueId = id;
            }
        }
        if (dueId == 0) break;
        auto& t = timers_.at(dueId);
        t.due = tick_ + t.interval;
        auto handler = t.tick; // the handler may stop its own timer
        handler();
        ran = true;
    }
    return ran;
}

std::uint64_t EventLoop::nextDue() const {
    std::uint64_t next = std::numeric_limits<std::uint64_t>::max();
    if (!scheduled_.empty()) next = scheduled_.begin()->first;
    for (const auto& [id, t] : timers_)
        if (t.due < next) next = t.due;
    return next;
}

void EventLoop::processEvents() {
    ++processCount_;
    runDue();
}

void EventLoop::waitUntil(std::uint64_t tick) {
    ++processCount_;
    runDue();
    while (tick_ < tick) {
        const std::uint64_t next = nextDue();
        tick_ = next < tick ? next : tick;
        runDue();
    }
}

TimerId EventLoop::startTimer(std::uint32_t intervalMs, std::function<void()> tick) {
    const TimerId id = nextId_++;
    const std::uint32_t interval = intervalMs == 0 ? 1 : intervalMs;
    timers_[id] = Timer{interval, tick_ + interval, std::move(tick)};
    return id;
}

void EventLoop::stopTimer(TimerId id) { timers_.erase(id); }

void EventLoop::at(std::uint64_t tick, std::function<void()> event) {
    scheduled_.emplace(tick, std::move(event));
}

std::string EventLoop::shortDate(const Date& date) {
    std::string out;
    for (std::size_t i = 0; i < pattern_.size();) {
        const char c = pattern_[i];
        std::size_t n = 1;
        while (i + n < pattern_.size() && pattern_[i + n] == c) ++n;
        auto num = [&](int v, std::size_t width) {
            std::string s = std::to_string(v);
            while (s.size() < width) s.insert(s.begin(), '0');
            return s;
        };
        if (c == 'd') out += num(date.day, n);
        else if (c == 'M') out += num(date.month, n);
        else if (c == 'y') out += n <= 2 ? num(date.year % 100, 2) : num(date.year, 4);
        else out.append(n, c);
        i += n;
    }
    return out;
}

std::optional<Date> EventLoop::parseDate(const std::string& text) {
    // Numbers in the pattern's order, separated by anything but digits.
    std::vector<char> order;
    for (char c : pattern_)
        if ((c == 'd' || c == 'M' || c == 'y') && (order.empty() || order.back() != c))
            order.push_back(c);
    std::vector<int> numbers;
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (std::isdigit(c)) {
            long v = 0;
            std::size_t start = i;
            while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) &&
                   i - start < 6)
                v = v * 10 + (text[i++] - '0');
            if (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
                return std::nullopt;
            numbers.push_back(static_cast<int>(v));
        } else if (c == '/' || c == '-' || c == '.' || c == ' ') {
            ++i;
        } else {
            return std::nullopt;
        }
    }
    if (numbers.size() != 3 || order.size() != 3) return std::nullopt;
    Date d;
    for (std::size_t k = 0; k < 3; ++k) {
        if (order[k] == 'd') d.day = numbers[k];
        else if (order[k] == 'M') d.month = numbers[k];
        else d.year = numbers[k] < 100 ? (numbers[k] < 30 ? 2000 : 1900) + numbers[k] : numbers[k];
    }
    if (!isValidDate(d)) return std::nullopt;
    return d;
}

std::string EventLoop::timeText(const DateTime& time) {
    std::string out;
    for (std::size_t i = 0; i < timePattern_.size();) {
        const char c = timePattern_[i];
        std::size_t n = 1;
        while (i + n < timePattern_.size() && timePattern_[i + n] == c) ++n;
        auto num = [&](int v) {
            std::string s = std::to_string(v);
            if (n >= 2 && s.size() < 2) s.insert(s.begin(), '0');
            return s;
        };
        const int h12 = time.hour % 12 == 0 ? 12 : time.hour % 12;
        if (c == 'h') out += num(h12);
        else if (c == 'H') out += num(time.hour);
        else if (c == 'm') out += num(time.minute);
        else if (c == 's') out += num(time.second);
        else if (c == 't') out += std::string(time.hour < 12 ? "AM" : "PM").substr(0, n >= 2 ? 2 : 1);
        else out.append(n, c);
        i += n;
    }
    return out;
}

} // namespace calvorin::platform::emulated
