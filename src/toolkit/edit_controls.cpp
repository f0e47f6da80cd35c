#include "toolkit/edit_controls.h"
#include "platform/text_case.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace calvorin::toolkit {

namespace {
std::string twoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}
} // namespace

void TextBox::setText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    notify(Property::Caption);
    if (onChange) onChange();
}

void ComboBox::addItem(std::string text) {
    items_.push_back(std::move(text));
    notify(Property::Items);
}

void ComboBox::clear() {
    if (items_.empty() && text_.empty()) return;
    items_.clear();
    index_ = -1;
    text_.clear();
    notify(Property::Items);
}

int ComboBox::find(const std::string& text) const {
    for (int i = 0; i < listCount(); ++i)
        if (sameNoCase(items_[static_cast<std::size_t>(i)], text)) return i;
    return -1;
}

bool ComboBox::setListIndex(int index) {
    if (index < -1 || index >= listCount()) return false;
    if (index == index_) return true;
    index_ = index;
    const bool textChanged = style_ == Style::DropdownList || index >= 0;
    if (textChanged) text_ = index >= 0 ? items_[static_cast<std::size_t>(index)] : std::string();
    notify(Property::Selection);
    if (onClick) onClick();
    return true;
}

bool ComboBox::setText(const std::string& text) {
    const int row = find(text);
    if (style_ == Style::DropdownList) {
        if (row < 0) return false;
        return setListIndex(row);
    }
    if (text == text_) return true;
    text_ = text;
    index_ = row; // a typed text only marks the row it names; it is no choice from the list
    notify(Property::Caption);
    if (onChange) onChange();
    return true;
}

void UpDown::setRange(int min, int max) {
    if (max < min) std::swap(min, max);
    min_ = min;
    max_ = max;
    notify(Property::Value);
    if (value_ < min_) setValue(min_);
    if (value_ > max_) setValue(max_);
}

bool UpDown::setValue(int value) {
    if (value < min_ || value > max_) return false;
    if (buddy) buddy->setText(std::to_string(value));
    if (value == value_) return true;
    value_ = value;
    notify(Property::Value);
    if (onChange) onChange();
    return true;
}

void UpDown::step(int direction) {
    if (!enabled()) return;
    int current = value_;
    if (buddy) {
        // What the user typed counts, as long as it is a number.
        const std::string& t = buddy->text();
        const auto first = t.find_first_not_of(' ');
        if (first != std::string::npos) {
            int typed = 0;
            const auto [end, ec] = std::from_chars(t.data() + first, t.data() + t.size(), typed);
            if (ec == std::errc() && end == t.data() + t.size())
                current = std::clamp(typed, min_, max_);
        }
    }
    const long next = static_cast<long>(current) + static_cast<long>(direction) * increment_;
    setValue(static_cast<int>(std::clamp<long>(next, min_, max_)));
}

bool DTPicker::setPart(int& part, int value, int limit) {
    if (value < 0 || value >= limit) return false;
    if (value == part) return true;
    part = value;
    notify(Property::Value);
    if (onChange) onChange();
    return true;
}

bool DTPicker::setHour(int hour) {
    return setPart(hour_, hour, 24);
}
bool DTPicker::setMinute(int minute) {
    return setPart(minute_, minute, 60);
}
bool DTPicker::setSecond(int second) {
    return setPart(second_, second, 60);
}

std::string DTPicker::text() const {
    std::string out;
    for (std::size_t i = 0; i < format_.size();) {
        const char c = format_[i];
        std::size_t run = 1;
        while (i + run < format_.size() && format_[i + run] == c)
            ++run;
        const bool two = run >= 2;
        const int h12 = hour_ % 12 == 0 ? 12 : hour_ % 12;
        switch (c) {
        case 'h':
            out += two ? twoDigits(h12) : std::to_string(h12);
            break;
        case 'H':
            out += two ? twoDigits(hour_) : std::to_string(hour_);
            break;
        case 'm':
            out += two ? twoDigits(minute_) : std::to_string(minute_);
            break;
        case 's':
            out += two ? twoDigits(second_) : std::to_string(second_);
            break;
        case 't': {
            const std::string& d = hour_ < 12 ? amDesignator : pmDesignator;
            out += two ? d : d.substr(0, 1);
            break;
        }
        default:
            out.append(run, c);
            break;
        }
        i += run;
    }
    return out;
}

} // namespace calvorin::toolkit
