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

    // What the user picks in the next open-file dialog: full paths in one folder, in the order
    // the dialog lists them; none is a cancel. A dialog nobody answers is cancelled.
    struct Choice {
        std::vector<std::string> paths;
    };
    Status openFileDialog(const OpenFileRequest& request, std::string& fileNames) override;
    std::deque<Choice> choices;
    std::vector<OpenFileRequest> fileDialogs; // every open-file dialog shown

    void setBusyPointer(bool on) override {
        busy = on;
        if (on) ++busySpells;
    }
    bool busy = false;
    int busySpells = 0;
};

} // namespace calvorin::platform::emulated
