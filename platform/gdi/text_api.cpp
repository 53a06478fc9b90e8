// Fonts and text: CreateFontA, metrics, extents and TextOutA. Text is UTF-8.
#include <algorithm>
#include <cstring>

#include "code_page.h"
#include "font_cache.h"
#include "raster.h"

using namespace zt::platform;
using namespace zt::platform::gdi;

namespace {

SizedFace* faceOf(HDC handle) {
  DeviceContext* dc = registry().findDc(handle);
  const Font* font = dc ? findAs<Font>(dc->font) : nullptr;
  return font ? faceFor(*font) : nullptr;
}

uint8_t blendChannel(uint32_t over, uint32_t under, uint32_t alpha) {
  return static_cast<uint8_t>((over * alpha + under * (255 - alpha) + 127) / 255);
}

COLORREF blend(COLORREF over, COLORREF under, uint8_t alpha) {
  return RGB(blendChannel(GetRValue(over), GetRValue(under), alpha),
             blendChannel(GetGValue(over), GetGValue(under), alpha),
             blendChannel(GetBValue(over), GetBValue(under), alpha));
}

void drawGlyph(Surface& surface, const Glyph& glyph, int penX, int baseline, COLORREF colour) {
  const int x0 = penX + glyph.left;
  const int y0 = baseline - glyph.top;
  for (int gy = std::max(0, -y0); gy < glyph.rows && y0 + gy < surface.height; ++gy) {
    COLORREF* row = surface.row(y0 + gy);
    const uint8_t* coverage = glyph.coverage.data() + static_cast<size_t>(gy) * glyph.width;
    for (int gx = std::max(0, -x0); gx < glyph.width && x0 + gx < surface.width; ++gx) {
      const uint8_t alpha = coverage[gx];
      if (alpha == 0) continue;
      COLORREF& pixel = row[x0 + gx];
      pixel = alpha == 255 ? colour : blend(colour, pixel, alpha);
    }
  }
}

bool extent(HDC dc, LPCSTR text, int count, LPSIZE size) {
  if (!size || count < 0 || (count > 0 && !text)) return false;
  SizedFace* face = faceOf(dc);
  if (!face) return false;
  size->cx = textWidth(*face, text, count);
  // An empty run has no height either (as Wine reports it).
  size->cy = count > 0 ? face->metrics().height() : 0;
  return true;
}

}  // namespace

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                  DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCSTR faceName) {
  // Width, angles, decorations and precision hints are accepted and not used.
  (void)width, (void)escapement, (void)orientation, (void)underline, (void)strikeOut;
  (void)charSet, (void)outPrecision, (void)clipPrecision, (void)quality;
  Font font;
  font.height = height;
  font.weight = weight <= 0 ? FW_NORMAL : weight;
  font.italic = italic != 0;
  if (faceName) font.faceName.assign(faceName, strnlen(faceName, LF_FACESIZE - 1));
  if (font.faceName.empty())
    font.faceName = (pitchAndFamily & 3) == FIXED_PITCH ? "DejaVu Sans Mono" : "DejaVu Sans";
  return static_cast<HFONT>(registry().add(Object{std::move(font)}));
}

BOOL GetTextExtentPointA(HDC dc, LPCSTR text, int count, LPSIZE size) {
  return extent(dc, text, count, size) ? TRUE : FALSE;
}

BOOL GetTextExtentPoint32A(HDC dc, LPCSTR text, int count, LPSIZE size) {
  return extent(dc, text, count, size) ? TRUE : FALSE;
}

BOOL GetTextMetricsA(HDC handle, LPTEXTMETRICA tm) {
  DeviceContext* dc = registry().findDc(handle);
  const Font* font = dc ? findAs<Font>(dc->font) : nullptr;
  SizedFace* face = font ? faceFor(*font) : nullptr;
  if (!tm || !face) return FALSE;
  const FaceMetrics& m = face->metrics();
  *tm = TEXTMETRICA{};
  tm->tmHeight = m.height();
  tm->tmAscent = m.ascent;
  tm->tmDescent = m.descent;
  tm->tmInternalLeading = m.internalLeading;
  tm->tmExternalLeading = m.externalLeading;
  tm->tmAveCharWidth = m.aveCharWidth;
  tm->tmMaxCharWidth = m.maxCharWidth;
  tm->tmWeight = font->weight;
  tm->tmDigitizedAspectX = 96;
  tm->tmDigitizedAspectY = 96;
  tm->tmFirstChar = 0x1E;
  tm->tmLastChar = 0xFF;
  tm->tmDefaultChar = 0x1F;
  tm->tmBreakChar = 0x20;
  tm->tmItalic = font->italic ? 255 : 0;
  // Bit 0 set means variable pitch; 0x06 vector and TrueType; then the family.
  // TMPF_FIXED_PITCH set means a variable pitch, as Win32 names it backwards.
  constexpr BYTE outline = TMPF_VECTOR | TMPF_TRUETYPE;
  tm->tmPitchAndFamily = m.fixedPitch ? outline | FF_MODERN : outline | TMPF_FIXED_PITCH | FF_SWISS;
  tm->tmCharSet = ANSI_CHARSET;
  return TRUE;
}

int GetTextFaceA(HDC dc, int size, LPSTR name) {
  SizedFace* face = faceOf(dc);
  if (!face) return 0;
  const std::string& family = face->family();
  if (!name) return static_cast<int>(family.size()) + 1;
  if (size <= 0) return 0;
  const size_t copied = std::min(family.size(), static_cast<size_t>(size - 1));
  std::memcpy(name, family.data(), copied);
  name[copied] = '\0';
  return static_cast<int>(copied);
}

BOOL TextOutA(HDC handle, int x, int y, LPCSTR text, int count) {
  DeviceContext* dc;
  Surface* surface;
  if (count < 0 || (count > 0 && !text) || !drawTarget(handle, dc, surface)) return FALSE;
  if (count == 0) return TRUE;
  const Font* font = findAs<Font>(dc->font);
  SizedFace* face = font ? faceFor(*font) : nullptr;
  if (!face) return FALSE;
  const FaceMetrics& m = face->metrics();
  if (dc->bkMode == OPAQUE) {
    const long long right = static_cast<long long>(x) + textWidth(*face, text, count);
    fillBox(
        *surface, x, y, static_cast<int>(std::min<long long>(right, 1LL << 30)),
        static_cast<int>(std::min<long long>(static_cast<long long>(y) + m.height(), 1LL << 30)),
        dc->bkColour & 0x00FFFFFF);
  }
  long long penX = x;
  const long long baseline = static_cast<long long>(y) + m.ascent;
  if (baseline < -(1LL << 30) || baseline > (1LL << 30)) return TRUE;
  const COLORREF colour = dc->textColour & 0x00FFFFFF;
  const std::string_view run(text, static_cast<size_t>(count));
  for (size_t at = 0, length = 0; at < run.size() && penX < surface->width; at += length) {
    const Glyph& glyph = face->glyph(decodeUtf8(run, at, length));
    if (penX + glyph.left + glyph.width > 0)
      drawGlyph(*surface, glyph, static_cast<int>(penX), static_cast<int>(baseline), colour);
    penX += glyph.advance;
  }
  return TRUE;
}

LONG GetDialogBaseUnits(void) {
  static const LONG units = [] {
    const Font* system = findAs<Font>(registry().stock(SYSTEM_FONT));
    SizedFace* face = system ? faceFor(*system) : nullptr;
    if (!face) return MAKELONG(7, 16);  // no fonts installed: the usual system font's units
    const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    const int width = (textWidth(*face, alphabet, 52) / 26 + 1) / 2;
    return MAKELONG(width, face->metrics().height());
  }();
  return units;
}
