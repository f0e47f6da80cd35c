#pragma once
#include "toolkit/control.h"

#include <functional>
#include <string>

namespace calvorin::toolkit {

// A bar filled in proportion to its value within its range. The peer shows the range with the
// value (both as Value).
class ProgressBar : public Control {
  public:
    int min() const { return min_; }
    int max() const { return max_; }
    int value() const { return value_; }
    // An empty or inverted range is refused (false); the value is brought into a new range.
    bool setRange(int min, int max);
    // A value outside the range is refused (false) and the bar stays as it was.
    bool setValue(int value);

  private:
    int min_ = 0, max_ = 100, value_ = 0;
};

// A straight line drawn on the form, from (x1, y1) to (x2, y2) in layout units (twips).
class Line : public Control {
  public:
    float x1() const { return x1_; }
    float y1() const { return y1_; }
    float x2() const { return x2_; }
    float y2() const { return y2_; }
    void move(float x1, float y1, float x2, float y2);

  private:
    float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
};

// An image from the program's resources, named by the resource it shows.
class Picture : public Control {
  public:
    const std::string& picture() const { return picture_; }
    void setPicture(std::string name) { assign(picture_, std::move(name), Property::Caption); }
    std::function<void()> onClick;
    void click() {
        if (onClick) onClick();
    }

  private:
    std::string picture_;
};

} // namespace calvorin::toolkit
