#pragma once
#include "platform/date_time.h"
#include "toolkit/control.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace calvorin::toolkit {

class Label : public Captioned {
  public:
    std::function<void()> onClick;
    void click() {
        if (onClick) onClick();
    }
    // The text colour as Windows packs it (red in the low byte), black until set.
    std::uint32_t foreColor() const { return foreColor_; }
    void setForeColor(std::uint32_t rgb) { assign(foreColor_, rgb, Property::ForeColor); }

  private:
    std::uint32_t foreColor_ = 0;
};

class CommandButton : public Captioned {
  public:
    std::function<void()> onClick;
    // The user pressed the button.
    void click() {
        if (enabled() && onClick) onClick();
    }
};

// Its frame is a page or group of other controls; bringing it to the front shows it above its
// stacked siblings.
class Frame : public Captioned {
  public:
    void zOrder() {
        ++front_;
        notify(Property::Front);
    }
    // How often the frame was brought to the front; the last one brought is on top.
    std::uint64_t frontCount() const { return front_; }

  private:
    std::uint64_t front_ = 0;
};

enum CheckState : int { Unchecked = 0, Checked = 1, Grayed = 2 };

class CheckBox : public Captioned {
  public:
    int value() const { return value_; }
    // Setting a new state runs the Click handler, as a user click would; the same state again
    // runs nothing. States other than 0, 1 and 2 are refused (false).
    bool setValue(int v);
    // The user clicked the box: a ticked box clears, any other ticks.
    void click() {
        if (enabled()) setValue(value_ == Checked ? Unchecked : Checked);
    }
    std::function<void()> onClick;

  private:
    int value_ = Unchecked;
};

class OptionButton : public Captioned {
  public:
    bool value() const { return value_; }
    // Selecting an option runs its Click and clears the others of its group, which run nothing.
    void setValue(bool v);
    void click() {
        if (enabled()) setValue(true);
    }
    std::function<void()> onClick;
    // The options that exclude each other; set by the owner (a control array does it).
    std::vector<OptionButton*> group;

  private:
    void clearSilently() { assign(value_, false, Property::Value); }
    bool value_ = false;
};

class TabStrip : public Control {
  public:
    std::vector<std::string> tabs;
    int selectedIndex() const { return selected_; }
    // Changing the current tab runs Click; out-of-range indexes are refused.
    bool setSelectedIndex(int index);
    std::function<void()> onClick;

  private:
    int selected_ = 0;
};

class ListBox : public Control {
  public:
    int listCount() const { return static_cast<int>(items_.size()); }
    const std::string& list(int row) const { return items_.at(static_cast<std::size_t>(row)); }
    void addItem(std::string text);
    void clear();
    bool selected(int row) const { return rows_.at(static_cast<std::size_t>(row)); }
    // Changing a row's selection runs Click, as the user's click on that row would.
    void setSelected(int row, bool selected);
    std::function<void()> onClick;

  private:
    std::vector<std::string> items_;
    std::vector<bool> rows_;
};

// A rectangle drawn on the form; sizes are in the form's layout units (twips).
class Shape : public Control {
  public:
    float left() const { return left_; }
    float top() const { return top_; }
    float width() const { return width_; }
    float height() const { return height_; }
    void setWidth(float w) { assign(width_, w, Property::Geometry); }
    void move(float left, float top, float width, float height);

  private:
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

// A month calendar with one selected date.
class MonthView : public Control {
  public:
    const platform::Date& value() const { return value_; }
    int day() const { return value_.day; }
    int month() const { return value_.month; }
    int year() const { return value_.year; }
    // Invalid dates are refused (false) and leave the calendar as it was.
    bool setValue(const platform::Date& d);

  private:
    platform::Date value_{2000, 1, 1};
};

} // namespace calvorin::toolkit
