// Presenting: the layer's frame (COLORREF pixels) converted into the SDL
// window surface's format, each pixel a scale x scale block (nearest
// neighbour), and the changed rectangle updated on the screen. The driver
// keeps the frame, so that a window surface that SDL replaced (a resize) or
// a window the desktop showed again is presented whole. Only 32-bit window
// surfaces are drawn into. Depends on SDL2.
#include <algorithm>

#include "sdl_driver.h"

namespace zt::platform::sdl {

SDL_Rect copyScaled(const Surface& frame, const RECT& changed, SDL_Surface* target, int scale) {
  int left = std::max<int>(changed.left, 0);
  int top = std::max<int>(changed.top, 0);
  int right = std::min<int>({changed.right, frame.width, target->w / scale});
  int bottom = std::min<int>({changed.bottom, frame.height, target->h / scale});
  if (right <= left || bottom <= top) return SDL_Rect{0, 0, 0, 0};
  const SDL_PixelFormat* fmt = target->format;
  if (SDL_MUSTLOCK(target)) SDL_LockSurface(target);
  auto* pixels = static_cast<Uint8*>(target->pixels);
  for (int y = top; y < bottom; ++y) {
    const COLORREF* src = frame.row(y);
    auto* dst = reinterpret_cast<Uint32*>(pixels + y * scale * target->pitch);
    for (int x = left; x < right; ++x) {
      COLORREF c = src[x];
      Uint32 value = (static_cast<Uint32>(GetRValue(c)) << fmt->Rshift) |
                     (static_cast<Uint32>(GetGValue(c)) << fmt->Gshift) |
                     (static_cast<Uint32>(GetBValue(c)) << fmt->Bshift) | fmt->Amask;
      std::fill(dst + x * scale, dst + (x + 1) * scale, value);
    }
    // The row's other scale - 1 copies.
    for (int copy = 1; copy < scale; ++copy) {
      auto* again = reinterpret_cast<Uint32*>(pixels + (y * scale + copy) * target->pitch);
      std::copy(dst + left * scale, dst + right * scale, again + left * scale);
    }
  }
  if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
  return SDL_Rect{left * scale, top * scale, (right - left) * scale, (bottom - top) * scale};
}

void present(HWND hwnd, const Surface& frame, const RECT& changed) {
  ScreenWindow* w = byHandle(hwnd);
  if (!w) return;
  w->shown = frame;
  // The surface is fetched each time: a resize replaces it.
  SDL_Surface* target = SDL_GetWindowSurface(w->window);
  if (!target || target->format->BytesPerPixel != 4) return;
  RECT whole{0, 0, frame.width, frame.height};
  bool fresh = target != w->drawnInto;
  w->drawnInto = target;
  SDL_Rect r = copyScaled(frame, fresh ? whole : changed, target, state().scale);
  if (r.w > 0 && r.h > 0) SDL_UpdateWindowSurfaceRects(w->window, &r, 1);
}

void refresh(HWND hwnd) {
  ScreenWindow* w = byHandle(hwnd);
  if (!w || w->shown.width == 0) return;
  SDL_Surface* target = SDL_GetWindowSurface(w->window);
  if (!target || target->format->BytesPerPixel != 4) return;
  w->drawnInto = target;
  copyScaled(w->shown, RECT{0, 0, w->shown.width, w->shown.height}, target, state().scale);
  SDL_UpdateWindowSurface(w->window);
}

}  // namespace zt::platform::sdl
