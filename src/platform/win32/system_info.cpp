#include "platform/win32/system_info.h"
#include "platform/win32/last_error.h"

#include <windows.h>

namespace calvorin::platform::win32 {

Status SystemInfo::tempPath(std::string& path) {
    path.clear();
    wchar_t buffer[MAX_PATH + 2] = {};
    const DWORD n = GetTempPathW(MAX_PATH + 1, buffer);
    if (n == 0 || n > MAX_PATH + 1) return lastError();
    path = narrow(std::wstring_view(buffer, n));
    return Status::success();
}

} // namespace calvorin::platform::win32
