#pragma once
#include "platform/status.h"
#include "platform/win32/text.h"

namespace calvorin::platform::win32 {

// The calling thread's last error as a Status.
Status lastError();
// A Win32 error code or an HRESULT as a Status; 0 (and S_OK) is success.
Status fromCode(unsigned long code);
Status fromResult(long hr);

} // namespace calvorin::platform::win32
