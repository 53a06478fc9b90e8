// SDL key codes as Win32 virtual-key codes.
#include "sdl_keys.h"

namespace zt::platform::sdl {
namespace {

struct KeyPair {
  SDL_Keycode sdl;
  UINT vk;
};

constexpr KeyPair kKeys[] = {
    {SDLK_RETURN, VK_RETURN},     {SDLK_KP_ENTER, VK_RETURN},  {SDLK_ESCAPE, VK_ESCAPE},
    {SDLK_TAB, VK_TAB},           {SDLK_BACKSPACE, VK_BACK},   {SDLK_SPACE, VK_SPACE},
    {SDLK_LEFT, VK_LEFT},         {SDLK_RIGHT, VK_RIGHT},      {SDLK_UP, VK_UP},
    {SDLK_DOWN, VK_DOWN},         {SDLK_HOME, VK_HOME},        {SDLK_END, VK_END},
    {SDLK_DELETE, VK_DELETE},     {SDLK_LCTRL, VK_CONTROL},    {SDLK_RCTRL, VK_CONTROL},
    {SDLK_LSHIFT, VK_SHIFT},      {SDLK_RSHIFT, VK_SHIFT},     {SDLK_LALT, VK_MENU},
    {SDLK_RALT, VK_MENU},         {SDLK_CAPSLOCK, VK_CAPITAL}, {SDLK_SEMICOLON, VK_OEM_1},
    {SDLK_EQUALS, VK_OEM_PLUS},   {SDLK_COMMA, VK_OEM_COMMA},  {SDLK_MINUS, VK_OEM_MINUS},
    {SDLK_PERIOD, VK_OEM_PERIOD}, {SDLK_SLASH, VK_OEM_2},      {SDLK_BACKQUOTE, VK_OEM_3},
    {SDLK_LEFTBRACKET, VK_OEM_4}, {SDLK_BACKSLASH, VK_OEM_5},  {SDLK_RIGHTBRACKET, VK_OEM_6},
    {SDLK_QUOTE, VK_OEM_7},
};

struct PlacePair {
  SDL_Scancode place;
  UINT vk;
};

// The punctuation keys of a US keyboard by their place.
constexpr PlacePair kPlaces[] = {
    {SDL_SCANCODE_MINUS, VK_OEM_MINUS},   {SDL_SCANCODE_EQUALS, VK_OEM_PLUS},
    {SDL_SCANCODE_LEFTBRACKET, VK_OEM_4}, {SDL_SCANCODE_RIGHTBRACKET, VK_OEM_6},
    {SDL_SCANCODE_BACKSLASH, VK_OEM_5},   {SDL_SCANCODE_SEMICOLON, VK_OEM_1},
    {SDL_SCANCODE_APOSTROPHE, VK_OEM_7},  {SDL_SCANCODE_GRAVE, VK_OEM_3},
    {SDL_SCANCODE_COMMA, VK_OEM_COMMA},   {SDL_SCANCODE_PERIOD, VK_OEM_PERIOD},
    {SDL_SCANCODE_SLASH, VK_OEM_2},
};

constexpr UINT kVkF1 = 0x70;  // VK_F1; F1 to F12 follow it

// The keys that SDL's key codes name alone.
UINT byKeyCode(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return static_cast<UINT>('A' + (key - SDLK_a));
  if (key >= SDLK_0 && key <= SDLK_9) return static_cast<UINT>('0' + (key - SDLK_0));
  if (key >= SDLK_F1 && key <= SDLK_F12) return kVkF1 + static_cast<UINT>(key - SDLK_F1);
  for (const KeyPair& k : kKeys) {
    if (k.sdl == key) return k.vk;
  }
  return 0;
}

}  // namespace

UINT virtualKey(SDL_Keycode key, SDL_Scancode place) {
  if (const UINT vk = byKeyCode(key)) return vk;
  // A character key of another alphabet: the key of a US keyboard there.
  if (place >= SDL_SCANCODE_A && place <= SDL_SCANCODE_Z)
    return static_cast<UINT>('A' + (place - SDL_SCANCODE_A));
  if (place >= SDL_SCANCODE_1 && place <= SDL_SCANCODE_9)
    return static_cast<UINT>('1' + (place - SDL_SCANCODE_1));
  if (place == SDL_SCANCODE_0) return '0';
  for (const PlacePair& p : kPlaces) {
    if (p.place == place) return p.vk;
  }
  return 0;
}

}  // namespace zt::platform::sdl
