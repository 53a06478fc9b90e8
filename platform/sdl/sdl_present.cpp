// Presenting: the layer's frame (COLORREF pixels) converted into the SDL
// window surface's format, and the changed rectangle updated on the screen.
// Only 32-bit window surfaces are drawn into. Depends on SDL2.
#include <algorithm>

#include "sdl_driver.h"

namespace zt::platform::sdl {

void present(HWND hwnd, const Surface& frame, const RECT& changed) {
  ScreenWindow* w = byHandle(hwnd);
  if (!w) return;
  // The surface is fetched each time: a resize replaces it.
  SDL_Surface* target = SDL_GetWindowSurface(w->window);
  if (!target || target->format->BytesPerPixel != 4) return;
  SDL_Rect r;
  r.x = std::max<int>(changed.left, 0);
  r.y = std::max<int>(changed.top, 0);
  int right = std::min<int>({changed.right, frame.width, target->w});
  int bottom = std::min<int>({changed.bottom, frame.height, target->h});
  r.w = right - r.x;
  r.h = bottom - r.y;
  if (r.w <= 0 || r.h <= 0) return;
  const SDL_PixelFormat* fmt = target->format;
  if (SDL_MUSTLOCK(target)) SDL_LockSurface(target);
  for (int y = r.y; y < bottom; ++y) {
    const COLORREF* src = frame.row(y);
    auto* dst = reinterpret_cast<Uint32*>(static_cast<Uint8*>(target->pixels) + y * target->pitch);
    for (int x = r.x; x < right; ++x) {
      COLORREF c = src[x];
      dst[x] = (static_cast<Uint32>(GetRValue(c)) << fmt->Rshift) |
               (static_cast<Uint32>(GetGValue(c)) << fmt->Gshift) |
               (static_cast<Uint32>(GetBValue(c)) << fmt->Bshift) | fmt->Amask;
    }
  }
  if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
  SDL_UpdateWindowSurfaceRects(w->window, &r, 1);
}

void refresh(HWND hwnd) {
  if (ScreenWindow* w = byHandle(hwnd)) SDL_UpdateWindowSurface(w->window);
}

}  // namespace zt::platform::sdl
