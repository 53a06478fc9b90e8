// ANSI text of the layer is Windows-1252. Every byte widens to one UTF-16
// code unit: 0x80 to 0x9F to the code page's letters and signs, the five
// bytes it leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) to their own C1
// control code points, every other byte to itself. So widening and narrowing
// round-trip every byte; a unit that the code page lacks narrows to '?'.
#pragma once

#include "win32.h"

namespace zt::platform {

WCHAR widenByte(unsigned char byte);
char narrowCodeUnit(WCHAR unit);

}  // namespace zt::platform
