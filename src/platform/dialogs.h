#pragma once
#include <string>

namespace calvorin::platform {

// Buttons and icon of a message box, with the values Windows gives them.
enum MessageBoxStyle : unsigned {
    MbOk = 0x0,
    MbOkCancel = 0x1,
    MbYesNo = 0x4,
    MbIconError = 0x10,
    MbIconQuestion = 0x20,
    MbIconWarning = 0x30,
    MbIconInformation = 0x40,
};

// The button the user chose, with the values Windows gives them.
enum MessageBoxResult : int { IdOk = 1, IdCancel = 2, IdYes = 6, IdNo = 7 };

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Shows a modal message box owned by the program's main window; returns the chosen button.
    virtual int messageBox(const std::string& text, const std::string& caption,
                           unsigned style = MbOk) = 0;
};

} // namespace calvorin::platform
