// SIGINT, SIGTERM and SIGHUP as a quit of the program (see quit_signals.cpp).
#pragma once

namespace zt::platform {

// Installs the handlers for every signal whose action is still the default;
// once per process (driver() calls it when it chooses the driver).
void installQuitSignals();

}  // namespace zt::platform
