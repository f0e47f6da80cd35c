#pragma once
#include "platform/status.h"

#include <cstddef>
#include <cstdint>
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

// Open-file dialog options, with the values Windows gives them.
enum OpenFileFlags : unsigned {
    OfnHideReadOnly = 0x4,
    OfnAllowMultiSelect = 0x200,
    OfnPathMustExist = 0x800,
    OfnFileMustExist = 0x1000,
    OfnExplorer = 0x80000,
    OfnNoDereferenceLinks = 0x100000, // a chosen shortcut is itself the file, not its target
};

// What the open-file dialog asks for.
struct OpenFileRequest {
    std::string filter;   // "description|pattern|description|pattern ..."
    std::string fileName; // the name the dialog starts with
    // Room for the chosen names in characters, their terminating NULs included.
    std::size_t maxFileChars = 2048;
    unsigned flags = 0;
};

// The open-file dialog's failure when the chosen names do not fit (FNERR_BUFFERTOOSMALL).
inline constexpr std::int64_t kFileNamesTooLong = 0x3003;

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Shows a modal message box owned by the program's main window; returns the chosen button.
    virtual int messageBox(const std::string& text, const std::string& caption,
                           unsigned style = MbOk) = 0;
    // Lets the user choose files to open. One file gives its full path; several (with
    // OfnAllowMultiSelect | OfnExplorer) give the folder, then each name, NUL between them.
    // A cancel gives success and no text; names that do not fit give kFileNamesTooLong.
    virtual Status openFileDialog(const OpenFileRequest& request, std::string& fileNames) = 0;
    // Shows the busy (hourglass) pointer over the program's windows, or the normal one again.
    virtual void setBusyPointer(bool busy) = 0;
};

} // namespace calvorin::platform
