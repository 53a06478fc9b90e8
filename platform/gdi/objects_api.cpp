// Creating, selecting and deleting pens, brushes, fonts and bitmaps.
#include <cstdlib>

#include "gdi_objects.h"

using namespace zt::platform::gdi;

HGDIOBJ GetStockObject(int index) { return registry().stock(index); }

HPEN CreatePen(int style, int width, COLORREF colour) {
  if (style == PS_NULL) return static_cast<HPEN>(registry().stock(NULL_PEN));
  // Styles other than PS_NULL are drawn solid; a negative width counts as its size.
  Pen pen{PS_SOLID, width == INT32_MIN ? 1 : std::abs(width), colour};
  return static_cast<HPEN>(registry().add(Object{pen}));
}

HBRUSH CreateSolidBrush(COLORREF colour) {
  return static_cast<HBRUSH>(registry().add(Object{Brush{false, colour & 0x00FFFFFF}}));
}

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
  (void)dc;  // every surface is 32-bit, whatever DC it is made for
  if (width < 0 || height < 0) return nullptr;
  // Guard against sizes whose pixel count would not fit in memory.
  constexpr long long maxPixels = 1LL << 26;
  if (static_cast<long long>(width) * height > maxPixels) return nullptr;
  Bitmap bitmap;
  if (width == 0 || height == 0)
    bitmap.surface.resize(1, 1, RGB(0, 0, 0));
  else
    bitmap.surface.resize(width, height, RGB(0, 0, 0));
  return static_cast<HBITMAP>(registry().add(Object{std::move(bitmap)}));
}

HGDIOBJ SelectObject(HDC dcHandle, HGDIOBJ handle) {
  DeviceContext* dc = registry().findDc(dcHandle);
  Object* object = registry().find(handle);
  if (!dc || !object || object->deletePending) return nullptr;
  const bool isBitmap = std::holds_alternative<Bitmap>(object->data);
  HGDIOBJ* slot = slotFor(*dc, *object);
  if (*slot == handle) return handle;
  if (isBitmap) {
    // Bitmaps go into memory DCs only, and into one DC at a time.
    if (dc->window || (object->selections > 0 && !object->stock)) return nullptr;
  }
  const HGDIOBJ previous = *slot;
  *slot = handle;
  ++object->selections;
  release(previous);
  return previous;
}

BOOL DeleteObject(HGDIOBJ handle) {
  if (registry().findDc(static_cast<HDC>(handle))) return DeleteDC(static_cast<HDC>(handle));
  Object* object = registry().find(handle);
  if (!object) return FALSE;
  if (object->stock) return TRUE;
  if (object->selections > 0) {
    object->deletePending = true;  // freed when the last DC lets go of it
    return TRUE;
  }
  registry().erase(handle);
  return TRUE;
}
