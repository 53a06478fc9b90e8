// A memory DC with a white bitmap for drawing tests, and ways to read what
// was drawn. On Win32 the bitmap is made compatible with the screen, since a
// bitmap compatible with a fresh memory DC there is monochrome.
#pragma once

#include <string>

#include "win32.h"

namespace gdi_test {

class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    if (screen) ReleaseDC(nullptr, screen);
    previous_ = SelectObject(dc_, bitmap_);
    clear(RGB(255, 255, 255));
  }
  ~Canvas() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC dc() const { return dc_; }
  int width() const { return width_; }
  int height() const { return height_; }

  void clear(COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    RECT all{0, 0, width_, height_};
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
  }
  COLORREF at(int x, int y) const { return GetPixel(dc_, x, y); }

  // The picture as text, one character per pixel, rows one after another:
  // '.' white, 'P' the pen colour, 'B' the brush colour, '?' anything else.
  std::string mask(COLORREF pen, COLORREF brush) const {
    std::string text;
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        const COLORREF c = at(x, y);
        text += c == RGB(255, 255, 255) ? '.' : c == pen ? 'P' : c == brush ? 'B' : '?';
      }
      text += '\n';
    }
    return text;
  }

 private:
  int width_;
  int height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
};

// Splits rows written one after another into lines, for readable failures.
inline std::string rows(const char* packed, int width) {
  std::string text;
  for (std::string all = packed; !all.empty(); all.erase(0, static_cast<size_t>(width)))
    text += all.substr(0, static_cast<size_t>(width)) + '\n';
  return text;
}

}  // namespace gdi_test
