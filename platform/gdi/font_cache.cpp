#include "font_cache.h"

#ifndef __EMSCRIPTEN__
#include <fontconfig/fontconfig.h>
#endif
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>
#include <strings.h>
#include <tuple>

#include "code_page.h"

namespace zt::platform::gdi {

namespace {

constexpr const char* fallbackFamily = "DejaVu Sans";
// Cell height of a font created with height 0, as for the system font.
constexpr int defaultCellHeight = 16;
// Em sizes are kept within this range, so that a silly height cannot ask
// FreeType for enormous bitmaps.
constexpr double minEm = 1.0;
constexpr double maxEm = 1024.0;
// Glyphs of more coverage bytes than this (about 128 x 128 pixels) are not
// kept; sized faces beyond this many, and face names beyond that many, are
// forgotten, least recently used first.
constexpr size_t maxKeptCoverage = 16 * 1024;
constexpr size_t maxFaces = 64;
constexpr size_t maxFaceNames = 256;

// The character of one byte of ANSI text; 0 for control characters and the
// bytes that Windows-1252 leaves undefined.
uint32_t codePoint(unsigned char c) {
  if (c < 0x20 || c == 0x7F) return 0;
  const WCHAR unit = widenByte(c);
  const bool controlCode = unit >= 0x80 && unit < 0xA0;
  return controlCode ? 0 : unit;
}

struct FaceFile {
  std::string path;
  int index = 0;
  std::string family;
};

#ifdef __EMSCRIPTEN__
// A web page has no fontconfig: its one face is the file embedded in it
// (the web build's link options), and every family falls back to it.
constexpr const char* embeddedFace = "/fonts/DejaVuSans.ttf";

FaceFile matchFamily(const std::string& family, bool, bool) {
  if (strcasecmp(family.c_str(), fallbackFamily) != 0) return {};
  return FaceFile{embeddedFace, 0, family};
}
#else
// Asks fontconfig for a face of the family; empty when it only offers a
// substitute of another family.
// Fontconfig starts on first use and hands its memory back at exit.
bool fontconfigReady() {
  static const bool ready = [] {
    if (!FcInit()) return false;
    std::atexit(FcFini);
    return true;
  }();
  return ready;
}

FaceFile matchFamily(const std::string& family, bool bold, bool italic) {
  FaceFile found;
  if (!fontconfigReady()) return found;
  FcPattern* pattern = FcPatternCreate();
  if (!pattern) return found;
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (!match) return found;
  FcChar8* name = nullptr;
  for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
    if (strcasecmp(reinterpret_cast<const char*>(name), family.c_str()) != 0) continue;
    FcChar8* file = nullptr;
    int index = 0;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
      FcPatternGetInteger(match, FC_INDEX, 0, &index);
      found = FaceFile{reinterpret_cast<const char*>(file), index, family};
    }
    break;
  }
  FcPatternDestroy(match);
  return found;
}
#endif

FT_Library library() {
  static FT_Library instance = [] {
    FT_Library lib = nullptr;
    if (FT_Init_FreeType(&lib) != 0) lib = nullptr;
    return lib;
  }();
  return instance;
}

class FreeTypeFace final : public SizedFace {
 public:
  FreeTypeFace(FT_Face face, std::string family) : face_(face), family_(std::move(family)) {}
  ~FreeTypeFace() override { FT_Done_Face(face_); }
  FreeTypeFace(const FreeTypeFace&) = delete;
  FreeTypeFace& operator=(const FreeTypeFace&) = delete;

  // Sizes the face for a font height as CreateFontA reads it.
  void setHeight(int height) {
    const TT_OS2* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    const TT_HoriHeader* hhea = static_cast<TT_HoriHeader*>(FT_Get_Sfnt_Table(face_, FT_SFNT_HHEA));
    const double upem = face_->units_per_EM > 0 ? face_->units_per_EM : 2048;
    double up = os2 && os2->usWinAscent ? os2->usWinAscent : face_->ascender;
    double down = os2 && os2->usWinAscent ? os2->usWinDescent : -face_->descender;
    if (up + down <= 0) up = upem, down = 0;
    const int cell = height == 0 ? defaultCellHeight : std::abs(height);
    double em = height < 0 ? cell : cell * upem / (up + down);
    em = std::clamp(em, minEm, maxEm);
    FT_Set_Char_Size(face_, 0, static_cast<FT_F26Dot6>(std::lround(em * 64)), 72, 72);
    const double scale = em / upem;
    metrics_.ascent = static_cast<int>(std::lround(up * scale));
    metrics_.descent = static_cast<int>(std::lround(down * scale));
    // A cell height is honoured exactly.
    if (height > 0 && em > minEm && em < maxEm) metrics_.descent = height - metrics_.ascent;
    metrics_.internalLeading = std::max(0, metrics_.height() - static_cast<int>(std::lround(em)));
    if (hhea) {
      const double gap = hhea->Line_Gap - ((up + down) - (hhea->Ascender - hhea->Descender));
      metrics_.externalLeading = std::max(0, static_cast<int>(std::lround(gap * scale)));
    }
    const double average =
        os2 && os2->xAvgCharWidth > 0 ? os2->xAvgCharWidth : face_->max_advance_width / 2.0;
    metrics_.aveCharWidth = std::max(1, static_cast<int>(std::lround(average * scale)));
    metrics_.maxCharWidth = std::max(
        metrics_.aveCharWidth, static_cast<int>(std::lround(face_->max_advance_width * scale)));
    metrics_.fixedPitch = FT_IS_FIXED_WIDTH(face_);
  }

  const FaceMetrics& metrics() const override { return metrics_; }
  const std::string& family() const override { return family_; }

  const Glyph& glyph(unsigned char c) override {
    load(c);
    if (!large_[c]) return glyphs_[c];
    render(c, scratch_);
    return scratch_;
  }

  int advance(unsigned char c) override {
    load(c);
    return glyphs_[c].advance;
  }

  uint64_t lastUse = 0;  // the cache's clock when the face was last handed out

 private:
  void render(unsigned char c, Glyph& out) {
    const uint32_t code = codePoint(c);
    const FT_UInt index = code ? FT_Get_Char_Index(face_, code) : 0;
    if (FT_Load_Glyph(face_, index, FT_LOAD_DEFAULT) != 0) return;
    FT_GlyphSlot slot = face_->glyph;
    out.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return;
    const FT_Bitmap& bitmap = slot->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) return;
    out.left = slot->bitmap_left;
    out.top = slot->bitmap_top;
    out.width = static_cast<int>(bitmap.width);
    out.rows = static_cast<int>(bitmap.rows);
    out.coverage.resize(static_cast<size_t>(out.width) * static_cast<size_t>(out.rows));
    for (int y = 0; y < out.rows; ++y) {
      const unsigned char* row = bitmap.buffer + static_cast<ptrdiff_t>(y) * bitmap.pitch;
      std::copy(row, row + out.width, out.coverage.begin() + static_cast<ptrdiff_t>(y) * out.width);
    }
  }

  // Keeps the glyph's placement and advance; its coverage only when small.
  void load(unsigned char c) {
    if (loaded_[c]) return;
    render(c, glyphs_[c]);
    loaded_[c] = true;
    if (glyphs_[c].coverage.size() > maxKeptCoverage) {
      large_[c] = true;
      std::vector<uint8_t>().swap(glyphs_[c].coverage);
    }
  }

  FT_Face face_;
  std::string family_;
  FaceMetrics metrics_;
  Glyph glyphs_[256];
  bool loaded_[256] = {};
  bool large_[256] = {};
  Glyph scratch_;  // the last large glyph rendered
};

// Font requests as the cache tells them apart.
using FontKey = std::tuple<std::string, int, bool, bool>;

struct Cache {
  std::map<std::tuple<std::string, bool, bool>, FaceFile> files;
  std::map<FontKey, std::unique_ptr<FreeTypeFace>> faces;
  uint64_t clock = 0;
};

// Makes room for one more face: forgets the one used least recently.
void evictFace(Cache& c) {
  if (c.faces.size() < maxFaces) return;
  auto oldest = std::min_element(c.faces.begin(), c.faces.end(), [](auto& a, auto& b) {
    return a.second->lastUse < b.second->lastUse;
  });
  c.faces.erase(oldest);
}

Cache& cache() {
  static Cache instance;
  return instance;
}

const FaceFile& fileFor(const std::string& family, bool bold, bool italic) {
  std::string key = family;
  std::transform(key.begin(), key.end(), key.begin(),
                 [](unsigned char c) { return std::tolower(c); });
  if (cache().files.size() >= maxFaceNames) cache().files.clear();  // found again when asked
  auto [it, inserted] = cache().files.try_emplace({key, bold, italic});
  if (inserted) {
    it->second = family.empty() ? FaceFile{} : matchFamily(family, bold, italic);
    if (it->second.path.empty()) it->second = matchFamily(fallbackFamily, bold, italic);
  }
  return it->second;
}

}  // namespace

SizedFace* faceFor(const Font& font) {
  const bool bold = font.weight >= 600;
  // Heights beyond the em limits all draw alike; one cache entry serves them.
  const int height = std::clamp(font.height, -static_cast<int>(maxEm), 2 * static_cast<int>(maxEm));
  FontKey key{font.faceName, height, bold, font.italic};
  auto found = cache().faces.find(key);
  if (found != cache().faces.end()) {
    found->second->lastUse = ++cache().clock;
    return found->second.get();
  }
  const FaceFile& file = fileFor(font.faceName, bold, font.italic);
  FT_Face face = nullptr;
  if (file.path.empty() || !library() ||
      FT_New_Face(library(), file.path.c_str(), file.index, &face) != 0)
    return nullptr;
  auto sized = std::make_unique<FreeTypeFace>(face, file.family);
  sized->setHeight(height);
  sized->lastUse = ++cache().clock;
  SizedFace* result = sized.get();
  evictFace(cache());
  cache().faces.emplace(std::move(key), std::move(sized));
  return result;
}

int textWidth(SizedFace& face, const char* text, int count) {
  int width = 0;
  for (int i = 0; i < count; ++i) width += face.advance(static_cast<unsigned char>(text[i]));
  return width;
}

}  // namespace zt::platform::gdi
