#pragma once
#include "toolkit/control.h"

#include <functional>
#include <string>
#include <vector>

namespace calvorin::toolkit {

// A one-line text field. Its peer shows text() as the caption.
class TextBox : public Control {
  public:
    const std::string& text() const { return text_; }
    // A new text runs Change, as typing it would; the same text again runs nothing.
    void setText(std::string text);
    std::function<void()> onChange;

  private:
    std::string text_;
};

// A list with a text field above it. A DropdownList only ever shows one of its rows; a
// Dropdown also takes any typed text.
class ComboBox : public Control {
  public:
    enum class Style { Dropdown, DropdownList };
    explicit ComboBox(Style style = Style::DropdownList) : style_(style) {}

    Style style() const { return style_; }
    int listCount() const { return static_cast<int>(items_.size()); }
    const std::string& list(int row) const { return items_.at(static_cast<std::size_t>(row)); }
    void addItem(std::string text);
    void clear();

    // The selected row, -1 for none. Selecting another row runs Click, as the user's choice
    // would, and shows the row's text; rows the list does not have are refused (false).
    int listIndex() const { return index_; }
    bool setListIndex(int index);

    const std::string& text() const { return text_; }
    // A DropdownList takes only the text of one of its rows (letter case aside) and selects
    // that row; a Dropdown takes any text, runs Change, and marks the row it names, if any.
    bool setText(const std::string& text);

    std::function<void()> onClick;
    std::function<void()> onChange;

  private:
    int find(const std::string& text) const;

    Style style_;
    std::vector<std::string> items_;
    int index_ = -1;
    std::string text_;
};

// A spin control stepping a number within a range, shown in its buddy text box when it has
// one.
class UpDown : public Control {
  public:
    int min() const { return min_; }
    int max() const { return max_; }
    int increment() const { return increment_; }
    int value() const { return value_; }
    // The value is brought into the new range.
    void setRange(int min, int max);
    void setIncrement(int step) { increment_ = step > 0 ? step : 1; }
    // A value outside the range is refused (false); a new one runs Change and is written into
    // the buddy.
    bool setValue(int value);
    // The user pressed the arrows: the buddy's number (as typed there) steps by the increment
    // and stops at the ends of the range.
    void up() { step(+1); }
    void down() { step(-1); }

    TextBox* buddy = nullptr;
    std::function<void()> onChange;

  private:
    void step(int direction);
    int min_ = 0, max_ = 10, increment_ = 1, value_ = 0;
};

// A time of day in a picker. Its text follows a custom format: h/hh hours on the 12-hour clock,
// H/HH on the 24-hour clock, m/mm minutes, s/ss seconds, t/tt the morning or afternoon
// designator (first letter or whole); the doubled letters pad to two digits.
class DTPicker : public Control {
  public:
    int hour() const { return hour_; }
    int minute() const { return minute_; }
    int second() const { return second_; }
    // Values outside 0-23, 0-59 are refused (false); a change runs Change.
    bool setHour(int hour);
    bool setMinute(int minute);
    bool setSecond(int second);

    const std::string& customFormat() const { return format_; }
    void setCustomFormat(std::string format) {
        assign(format_, std::move(format), Property::Caption);
    }
    std::string text() const;

    std::string amDesignator = "AM";
    std::string pmDesignator = "PM";
    std::function<void()> onChange;

  private:
    bool setPart(int& part, int value, int limit);
    int hour_ = 0, minute_ = 0, second_ = 0;
    std::string format_ = "hh:mm tt";
};

} // namespace calvorin::toolkit
