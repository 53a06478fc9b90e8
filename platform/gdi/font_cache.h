// Faces found with fontconfig, opened with FreeType at one pixel size each,
// and their rendered glyphs. A character that the face lacks is drawn from
// a face that has it, as fontconfig chooses (once per character); where no
// installed face has it, the face's own missing-glyph box is drawn. All of
// this is cached, since the package makes and
// deletes a font for every text it draws; the cache is bounded (the faces
// used least recently go first, and large glyphs are rendered again each
// time), so that any number of heights and face names fits in it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gdi_objects.h"

namespace zt::platform::gdi {

struct FaceMetrics {
  int ascent = 0;
  int descent = 0;
  int internalLeading = 0;
  int externalLeading = 0;
  int aveCharWidth = 0;
  int maxCharWidth = 0;
  bool fixedPitch = false;
  int height() const { return ascent + descent; }
};

// A rendered glyph: 8-bit coverage, placed relative to the pen position on
// the baseline.
struct Glyph {
  int advance = 0;
  int left = 0;  // from the pen position to the first column
  int top = 0;   // from the baseline up to the first row
  int width = 0;
  int rows = 0;
  std::vector<uint8_t> coverage;
};

class SizedFace {
 public:
  virtual ~SizedFace() = default;
  virtual const FaceMetrics& metrics() const = 0;
  virtual const std::string& family() const = 0;
  // The glyph of a character, from this face or its fallback; control
  // characters come out as the font's missing-glyph box. Valid until the
  // next call.
  virtual const Glyph& glyph(char32_t c) = 0;
  // The glyph's advance alone.
  virtual int advance(char32_t c) = 0;
};

// The face that draws a font, or nullptr when no usable face is installed.
// Valid until the next call.
SizedFace* faceFor(const Font& font);

// Width in pixels of a run of ANSI text (UTF-8).
int textWidth(SizedFace& face, const char* text, int count);

}  // namespace zt::platform::gdi
