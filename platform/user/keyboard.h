// The thread's key state as the message retrieval updates it.
#pragma once

#include "win32.h"

namespace zt::platform {

// Updates the key state for an input key message that has been taken from
// the queue (posted key messages leave the state alone, as on Win32).
void keyMessageTaken(const MSG& msg);

// Whether a key is held as of the newest input (not yet taken from the queue):
// what the MK_SHIFT and MK_CONTROL bits of a mouse message report.
bool keyHeldNow(UINT vk);

}  // namespace zt::platform
