// The open-file dialog and the busy pointer.
#include "platform/win32/dialogs.h"
#include "platform/win32/text.h"

#include <windows.h>
// After <windows.h>, which they build on.
#include <cderr.h>
#include <commdlg.h>

#include <vector>

namespace calvorin::platform::win32 {

Status Dialogs::openFileDialog(const OpenFileRequest& request, std::string& fileNames) {
    fileNames.clear();
    // "All Files|*.*" becomes the NUL-separated pairs the dialog reads, ended by two NULs.
    std::wstring filter = widen(request.filter);
    for (wchar_t& c : filter)
        if (c == L'|') c = L'\0';
    filter.append(2, L'\0');

    const std::size_t room = request.maxFileChars < 2 ? 2 : request.maxFileChars;
    std::vector<wchar_t> buffer(room, L'\0');
    const std::wstring start = widen(request.fileName);
    if (start.size() < room) std::copy(start.begin(), start.end(), buffer.begin());

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    HWND owner = static_cast<HWND>(owner_);
    ofn.hwndOwner = owner && IsWindowVisible(owner) ? owner : nullptr;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(room);
    ofn.Flags = request.flags;
    if (!GetOpenFileNameW(&ofn)) {
        const DWORD code = CommDlgExtendedError();
        if (code == 0) return Status::success(); // cancelled
        if (code == FNERR_BUFFERTOOSMALL)
            return Status::failure(kFileNamesTooLong, "The file name buffer is too small.");
        return Status::failure(static_cast<std::int64_t>(code),
                               "The open-file dialog failed (error " + std::to_string(code) + ").");
    }
    // Several names: the folder, a NUL before the first name, two NULs at the end. One name:
    // its full path and one NUL, perhaps followed by what the buffer held before.
    const bool several = ofn.nFileOffset > 0 && buffer[ofn.nFileOffset - 1] == L'\0';
    std::size_t end = 0;
    while (end < room && buffer[end] != L'\0')
        ++end;
    if (several)
        while (end + 1 < room && buffer[end + 1] != L'\0')
            for (++end; end < room && buffer[end] != L'\0';)
                ++end;
    fileNames = narrow(std::wstring_view(buffer.data(), end));
    return Status::success();
}

void Dialogs::setBusyPointer(bool busy) {
    // The work that follows handles no messages, so nothing resets the pointer before the
    // normal one returns.
    SetCursor(LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

} // namespace calvorin::platform::win32
