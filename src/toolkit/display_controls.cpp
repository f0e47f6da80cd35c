#include "toolkit/display_controls.h"

#include <algorithm>

namespace calvorin::toolkit {

bool ProgressBar::setRange(int min, int max) {
    if (max <= min) return false;
    min_ = min;
    max_ = max;
    value_ = std::clamp(value_, min_, max_);
    notify(Property::Value);
    return true;
}

bool ProgressBar::setValue(int value) {
    if (value < min_ || value > max_) return false;
    assign(value_, value, Property::Value);
    return true;
}

void Line::move(float x1, float y1, float x2, float y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    notify(Property::Geometry);
}

} // namespace calvorin::toolkit
