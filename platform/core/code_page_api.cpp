// The code page calls: GetACP and MultiByteToWideChar (UTF-8 only).
#include <string>

#include "code_page.h"

using namespace zt::platform;

UINT GetACP(void) { return CP_UTF8; }

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int count, WCHAR* out,
                        int capacity) {
  (void)flags;  // the only code page has no precomposed or invalid-character choices
  if ((codePage != CP_ACP && codePage != CP_UTF8) || !text || count == 0 || capacity < 0 ||
      (capacity > 0 && !out)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  // A count of -1 takes the text up to and with its terminator.
  const std::string_view view(
      text, count < 0 ? std::char_traits<char>::length(text) + 1 : static_cast<size_t>(count));
  const size_t needed = widenUtf8(view, nullptr, 0);
  if (capacity == 0) return static_cast<int>(needed);
  if (needed > static_cast<size_t>(capacity)) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  return static_cast<int>(widenUtf8(view, out, static_cast<size_t>(capacity)));
}
