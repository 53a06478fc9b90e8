// Fuzzes text output: CreateFontA with any height from -1000 to 1000, weight
// and face, then GetTextExtentPointA, GetTextExtentPoint32A and TextOutA with
// any bytes, count and position, on a memory DC of any small size.
#include <string>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  const GuiCounts before = guiCounts();
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, in.range(0, 200), in.range(0, 100));
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);

  const int height = in.range(-1000, 1000);
  const int weight = in.range(-1, 1000);
  const DWORD italic = in.byte() % 2;
  const DWORD pitch = in.byte();
  // The face: up to 40 bytes (longer than LF_FACESIZE), or no face at all.
  const size_t faceLength = in.byte() % 42;
  std::string face(reinterpret_cast<const char*>(in.here()), std::min(faceLength, in.left()));
  in.skip(faceLength);
  HFONT font = CreateFontA(height, 0, 0, 0, weight, italic, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, pitch,
                           faceLength == 41 ? nullptr : face.c_str());
  require(font != nullptr, "CreateFontA makes a font for any height and face");
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, in.byte() % 2 ? OPAQUE : TRANSPARENT);

  while (!in.empty()) {
    const int x = in.coordinate();
    const int y = in.coordinate();
    const size_t length = std::min<size_t>(in.byte(), in.left());
    const char* text = reinterpret_cast<const char*>(in.here());
    in.skip(length);
    // Any count up to the bytes there are; -1 now and then.
    const int count = length > 0 && text[0] == '\x7f' ? -1 : static_cast<int>(length);

    SIZE extent = {-1, -1};
    SIZE extent32 = {-1, -1};
    const BOOL measured = GetTextExtentPointA(dc, text, count, &extent);
    const BOOL measured32 = GetTextExtentPoint32A(dc, text, count, &extent32);
    require(measured == (count >= 0) && measured32 == measured, "extents succeed for count >= 0");
    if (measured) {
      require(extent.cx == extent32.cx && extent.cy == extent32.cy, "both extents agree");
      require(extent.cx >= 0 && extent.cy >= 0, "an extent is never negative");
      require(count > 0 || (extent.cx == 0 && extent.cy == 0), "an empty run has no extent");
    }
    require(TextOutA(dc, x, y, text, count) == (count >= 0), "TextOutA succeeds for count >= 0");
  }

  SelectObject(dc, oldFont);
  SelectObject(dc, oldBitmap);
  DeleteObject(font);
  DeleteObject(bitmap);
  DeleteDC(dc);
  require(guiCounts() == before, "every font, bitmap and DC is gone");
  return 0;
}
