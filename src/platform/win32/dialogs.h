#pragma once
#include "platform/dialogs.h"

namespace calvorin::platform::win32 {

class Dialogs final : public platform::Dialogs {
  public:
    int messageBox(const std::string& text, const std::string& caption, unsigned style) override;
    Status openFileDialog(const OpenFileRequest& request, std::string& fileNames) override;
    void setBusyPointer(bool busy) override;
    // The program's main window (an HWND), which owns the boxes once it is shown.
    void setOwner(void* window) { owner_ = window; }

  private:
    void* owner_ = nullptr;
};

} // namespace calvorin::platform::win32
