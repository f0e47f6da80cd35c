#pragma once
#include "platform/dialogs.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace calvorin::platform::emulated {

// Records every message box and answers it as the test asked (OK or the first button by
// default). `onShow` runs while the box is "open", as events would on a real desktop.
class Dialogs final : public platform::Dialogs {
  public:
    struct Shown {
        std::string text;
        std::string caption;
        unsigned style = 0;
    };

    int messageBox(const std::string& text, const std::string& caption, unsigned style) override {
        shown.push_back({text, caption, style});
        if (onShow) onShow(shown.back());
        if (!answers.empty()) {
            const int a = answers.front();
            answers.pop_front();
            return a;
        }
        return (style & 0xF) == MbYesNo ? IdYes : IdOk;
    }

    std::vector<Shown> shown;
    std::deque<int> answers;
    std::function<void(const Shown&)> onShow;
};

} // namespace calvorin::platform::emulated
