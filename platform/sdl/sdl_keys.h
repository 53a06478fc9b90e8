// The keys the screen driver passes on, as Win32 virtual-key codes.
#pragma once

#include <SDL.h>

#include "win32.h"

namespace zt::platform::sdl {

// The virtual-key code of an SDL key: by the layout's key code (what the key
// is labelled: the A of AZERTY is VK 'A'), else, for a key that types a
// letter a US keyboard lacks (é, ß, й), by its place (its scan code, as
// Win32 numbers those keys). 0 for a key the layer does not know.
UINT virtualKey(SDL_Keycode key, SDL_Scancode place);

}  // namespace zt::platform::sdl
