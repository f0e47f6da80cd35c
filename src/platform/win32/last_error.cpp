#include "platform/win32/last_error.h"

#include <windows.h>

namespace calvorin::platform::win32 {

Status fromCode(unsigned long code) {
    if (code == 0) return Status::success();
    return Status::failure(static_cast<std::int64_t>(code), errorText(code));
}

Status lastError() { return fromCode(GetLastError()); }

Status fromResult(long hr) {
    if (SUCCEEDED(hr)) return Status::success();
    // HRESULTs carry their bits as the system shows them (0x80004001, not a negative number).
    return Status::failure(static_cast<std::int64_t>(static_cast<unsigned long>(hr)),
                           errorText(static_cast<unsigned long>(hr)));
}

} // namespace calvorin::platform::win32
