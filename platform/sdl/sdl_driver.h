// The screen driver on SDL2 (see driver.h).
#pragma once

#include <string>

#include "driver.h"

namespace zt::platform {

// Opens the display and returns the driver's table, or nullptr with the
// reason when no display can be opened.
const Driver* openScreenDriver(std::string& whyNot);

}  // namespace zt::platform
