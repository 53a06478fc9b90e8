// The web driver (see web_driver.cpp).
#pragma once

#include "driver.h"

namespace zt::platform {

// The web driver's table: the page's desktop (desktop.js) shows the windows.
const Driver& webDriver();

}  // namespace zt::platform
