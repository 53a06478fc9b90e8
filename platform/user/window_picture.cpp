// A window's client area as the headless driver last presented it, written
// as a PNG through libpng's simplified interface.
#include "window_picture.h"

#include <png.h>

#include <algorithm>
#include <vector>

#include "driver.h"
#include "window.h"

namespace zt::platform {

bool writeClientPicture(HWND hwnd, const RECT& part, const std::string& pngPath,
                        std::string& error) {
  presentChanges();
  const KeptFrame* frame = headlessFrame(hwnd);
  if (frame == nullptr) {
    error = "no frame of the window was presented by the headless driver";
    return false;
  }
  const Surface& pixels = frame->pixels;
  const int clientHeight = pixels.height - frame->stripHeight;
  const int left = std::max<int>(part.left, 0), right = std::min<int>(part.right, pixels.width);
  const int top = std::max<int>(part.top, 0), bottom = std::min<int>(part.bottom, clientHeight);
  if (right <= left || bottom <= top) {
    error = "the part of the client area to write is empty";
    return false;
  }
  const int width = right - left, height = bottom - top;
  std::vector<unsigned char> rgb(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
  unsigned char* out = rgb.data();
  for (int y = top; y < bottom; ++y) {
    const COLORREF* row = pixels.row(frame->stripHeight + y);
    for (int x = left; x < right; ++x) {
      *out++ = GetRValue(row[x]);
      *out++ = GetGValue(row[x]);
      *out++ = GetBValue(row[x]);
    }
  }
  png_image png = {};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(width);
  png.height = static_cast<png_uint_32>(height);
  png.format = PNG_FORMAT_RGB;
  if (png_image_write_to_file(&png, pngPath.c_str(), 0, rgb.data(), 0, nullptr) == 0) {
    error = "cannot write " + pngPath + ": " + png.message;
    png_image_free(&png);
    return false;
  }
  return true;
}

}  // namespace zt::platform
