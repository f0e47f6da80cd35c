#include "app/program_folder.h"

#include "platform/win32/text.h"

#include <windows.h>

namespace calvorin::app {

std::string programFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2); // a long path was cut short
    }
    const auto cut = path.find_last_of(L"\\/");
    return platform::win32::narrow(cut == std::wstring::npos ? std::wstring()
                                                             : path.substr(0, cut));
}

} // namespace calvorin::app
