#include "toolkit/controls.h"

namespace calvorin::toolkit {

bool CheckBox::setValue(int v) {
    if (v < Unchecked || v > Grayed) return false;
    if (v == value_) return true;
    value_ = v;
    notify(Property::Value);
    if (onClick) onClick();
    return true;
}

void OptionButton::setValue(bool v) {
    if (v == value_) return;
    value_ = v;
    if (v)
        for (OptionButton* other : group)
            if (other != this) other->clearSilently();
    notify(Property::Value);
    if (v && onClick) onClick();
}

bool TabStrip::setSelectedIndex(int index) {
    if (index < 0 || index >= static_cast<int>(tabs.size())) return false;
    if (index == selected_) return true;
    selected_ = index;
    notify(Property::Value);
    if (onClick) onClick();
    return true;
}

void ListBox::addItem(std::string text) {
    items_.push_back(std::move(text));
    rows_.push_back(false);
    notify(Property::Items);
}

void ListBox::clear() {
    if (items_.empty()) return;
    items_.clear();
    rows_.clear();
    notify(Property::Items);
}

void ListBox::setSelected(int row, bool selected) {
    const auto r = static_cast<std::size_t>(row);
    if (row < 0 || r >= rows_.size() || rows_[r] == selected) return;
    rows_[r] = selected;
    notify(Property::Selection);
    if (onClick) onClick();
}

void Shape::move(float left, float top, float width, float height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    notify(Property::Geometry);
}

bool MonthView::setValue(const platform::Date& d) {
    if (!platform::isValidDate(d)) return false;
    assign(value_, d, Property::Value);
    return true;
}

} // namespace calvorin::toolkit
