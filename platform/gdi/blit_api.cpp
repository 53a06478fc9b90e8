// BitBlt and ScrollDC.
#include "blit.h"
#include "gdi_objects.h"
#include "rects.h"

using namespace zt::platform;
using namespace zt::platform::gdi;

BOOL BitBlt(HDC destHandle, int x, int y, int width, int height, HDC srcHandle, int srcX, int srcY,
            DWORD rop) {
  DeviceContext *destDc, *srcDc;
  Surface *dest, *src;
  if (rop != SRCCOPY || !drawTarget(destHandle, destDc, dest) || !drawTarget(srcHandle, srcDc, src))
    return FALSE;
  if (width > 0 && height > 0) copyBlock(*dest, x, y, *src, srcX, srcY, width, height);
  return TRUE;
}

BOOL ScrollDC(HDC handle, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update,
              LPRECT updateRect) {
  (void)update;  // regions are not kept: the update area is reported as a rectangle only
  DeviceContext* dc;
  Surface* surface;
  if (!drawTarget(handle, dc, surface)) return FALSE;
  const RECT whole{0, 0, surface->width, surface->height};
  const RECT limit = clip ? intersection(*clip, whole) : whole;
  // Pixels come from the scroll rectangle and land inside the clip rectangle.
  const RECT source = intersection(scroll ? *scroll : whole, clip ? *clip : whole);
  const RECT dest = intersection(offsetRect(source, dx, dy), limit);
  if (!isEmpty(dest)) {
    copyBlock(*surface, dest.left, dest.top, *surface, dest.left - dx, dest.top - dy,
              dest.right - dest.left, dest.bottom - dest.top);
  }
  if (updateRect) *updateRect = subtractBounds(intersection(source, limit), dest);
  return TRUE;
}
