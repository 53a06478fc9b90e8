// The keys the screen driver passes on, as Win32 virtual-key codes.
#pragma once

#include <SDL.h>

#include "win32.h"

namespace zt::platform::sdl {

// The virtual-key code of an SDL key (US layout), or 0 for a key the layer
// does not know.
UINT virtualKey(SDL_Keycode key);

}  // namespace zt::platform::sdl
