// The thread's last error, as GetLastError reports it, set from errno by the
// calls that wrap POSIX ones.
#pragma once

namespace zt::platform {

// Sets the last error to the Win32 code that stands for errno value error.
void setLastErrorFromErrno(int error);

}  // namespace zt::platform
