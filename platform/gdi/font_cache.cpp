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
#include <unordered_map>

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

// Characters that draw as the missing-glyph box: the control codes.
bool control(char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }
// Glyphs kept per face; beyond this many the face forgets them and renders
// again (a page of CJK text does not grow a face without bound).
constexpr size_t maxGlyphs = 4096;
// Fallback choices kept; beyond this many they are found again.
constexpr size_t maxFallbacks = 4096;

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

// No other face to fall back to: a character the embedded face lacks draws
// as its missing-glyph box.
FaceFile matchCharacter(char32_t, bool, bool) { return {}; }
#else
// fontconfig's best match for pattern in the given weight and slant, or
// nullptr; takes pattern.
FcPattern* bestMatch(FcPattern* pattern, bool bold, bool italic) {
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  return match;
}

// Fontconfig starts on first use and hands its memory back at exit.
bool fontconfigReady() {
  static const bool ready = [] {
    if (!FcInit()) return false;
    std::atexit(FcFini);
    return true;
  }();
  return ready;
}

// Asks fontconfig for a face of the family; empty when it only offers a
// substitute of another family.
FaceFile matchFamily(const std::string& family, bool bold, bool italic) {
  FaceFile found;
  if (!fontconfigReady()) return found;
  FcPattern* pattern = FcPatternCreate();
  if (!pattern) return found;
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPattern* match = bestMatch(pattern, bold, italic);
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

// A face that has the character, as fontconfig's fallback chooses it; empty
// when no installed face has it.
FaceFile matchCharacter(char32_t c, bool bold, bool italic) {
  FaceFile found;
  if (!fontconfigReady()) return found;
  FcPattern* pattern = FcPatternCreate();
  FcCharSet* wanted = FcCharSetCreate();
  if (!pattern || !wanted || !FcCharSetAddChar(wanted, c)) {
    if (pattern) FcPatternDestroy(pattern);
    if (wanted) FcCharSetDestroy(wanted);
    return found;
  }
  FcPatternAddCharSet(pattern, FC_CHARSET, wanted);
  FcCharSetDestroy(wanted);
  FcPattern* match = bestMatch(pattern, bold, italic);
  if (!match) return found;
  FcCharSet* has = nullptr;
  FcChar8* file = nullptr;
  FcChar8* family = nullptr;
  int index = 0;
  if (FcPatternGetCharSet(match, FC_CHARSET, 0, &has) == FcResultMatch &&
      FcCharSetHasChar(has, c) && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    FcPatternGetString(match, FC_FAMILY, 0, &family);
    found = FaceFile{reinterpret_cast<const char*>(file), index,
                     family ? reinterpret_cast<const char*>(family) : ""};
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

class FreeTypeFace;
// The sized face that draws c in place of `from`, which lacks it; nullptr
// when no installed face has it. Defined with the cache below.
FreeTypeFace* fallbackFace(FreeTypeFace& from, char32_t c);

struct FaceRequest {
  int height = 0;
  bool bold = false;
  bool italic = false;
};

class FreeTypeFace final : public SizedFace {
 public:
  FreeTypeFace(FT_Face face, std::string family, std::string path)
      : face_(face), family_(std::move(family)), path_(std::move(path)) {}
  ~FreeTypeFace() override { FT_Done_Face(face_); }
  FreeTypeFace(const FreeTypeFace&) = delete;
  FreeTypeFace& operator=(const FreeTypeFace&) = delete;

  // Sizes the face for a font height as CreateFontA reads it.
  void setHeight(int height, bool bold, bool italic) {
    request_ = FaceRequest{height, bold, italic};
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

  const Glyph& glyph(char32_t c) override {
    const Entry& entry = load(c);
    if (!entry.large) return entry.glyph;
    render(c, scratch_);
    return scratch_;
  }

  int advance(char32_t c) override { return load(c).glyph.advance; }

  // Whether the face has a glyph of its own for c.
  bool has(char32_t c) const { return !control(c) && FT_Get_Char_Index(face_, c) != 0; }
  const FaceRequest& request() const { return request_; }
  const std::string& path() const { return path_; }

  uint64_t lastUse = 0;  // the cache's clock when the face was last handed out

 private:
  struct Entry {
    Glyph glyph;
    bool large = false;  // coverage not kept: rendered again when drawn
  };

  // Renders c from this face, or from the fallback face when this one lacks
  // it and another has it; else this face's missing-glyph box.
  void render(char32_t c, Glyph& out) {
    if (!control(c) && !has(c)) {
      if (FreeTypeFace* other = fallbackFace(*this, c); other && other != this) {
        out = other->ownGlyph(c);
        return;
      }
    }
    renderOwn(c, out);
  }

  const Glyph& ownGlyph(char32_t c) {
    renderOwn(c, scratch_);
    return scratch_;
  }

  void renderOwn(char32_t c, Glyph& out) {
    out = Glyph{};
    const FT_UInt index = control(c) ? 0 : FT_Get_Char_Index(face_, c);
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
  const Entry& load(char32_t c) {
    if (auto found = glyphs_.find(c); found != glyphs_.end()) return found->second;
    if (glyphs_.size() >= maxGlyphs) glyphs_.clear();
    Entry entry;
    render(c, entry.glyph);
    if (entry.glyph.coverage.size() > maxKeptCoverage) {
      entry.large = true;
      std::vector<uint8_t>().swap(entry.glyph.coverage);
    }
    return glyphs_.emplace(c, std::move(entry)).first->second;
  }

  FT_Face face_;
  std::string family_;
  std::string path_;  // the file, and the face's index in it, as the cache knows it
  FaceRequest request_;
  FaceMetrics metrics_;
  std::unordered_map<char32_t, Entry> glyphs_;
  Glyph scratch_;  // the last large glyph rendered
};

// Font requests as the cache tells them apart.
using FontKey = std::tuple<std::string, int, bool, bool>;

struct Cache {
  std::map<std::tuple<std::string, bool, bool>, FaceFile> files;
  std::map<std::tuple<char32_t, bool, bool>, FaceFile> fallbacks;  // by character
  std::map<FontKey, std::unique_ptr<FreeTypeFace>> faces;
  uint64_t clock = 0;
};

// Makes room for one more face: forgets the one used least recently, never
// `keep` (the face whose fallback is being opened).
void evictFace(Cache& c, const FreeTypeFace* keep) {
  if (c.faces.size() < maxFaces) return;
  auto oldest = c.faces.end();
  for (auto it = c.faces.begin(); it != c.faces.end(); ++it) {
    if (it->second.get() == keep) continue;
    if (oldest == c.faces.end() || it->second->lastUse < oldest->second->lastUse) oldest = it;
  }
  if (oldest != c.faces.end()) c.faces.erase(oldest);
}

Cache& cache() {
  static Cache instance;
  return instance;
}

// ZT738_FONT_FILE names one font file that draws all text, whatever face is
// asked for: the same pictures on every machine, whatever fontconfig prefers.
const FaceFile* oneFontFile() {
  static const FaceFile* file = []() -> const FaceFile* {
    const char* path = std::getenv("ZT738_FONT_FILE");
    if (path == nullptr || *path == '\0') return nullptr;
    static const FaceFile chosen{path, 0, fallbackFamily};
    return &chosen;
  }();
  return file;
}

const FaceFile& fileFor(const std::string& family, bool bold, bool italic) {
  if (const FaceFile* one = oneFontFile()) return *one;
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

// The face of a file at a request's size, opened once and cached by key.
FreeTypeFace* sizedFace(const FontKey& key, const FaceFile& file, const FaceRequest& request,
                        const FreeTypeFace* keep) {
  auto found = cache().faces.find(key);
  if (found != cache().faces.end()) {
    found->second->lastUse = ++cache().clock;
    return found->second.get();
  }
  FT_Face face = nullptr;
  if (file.path.empty() || !library() ||
      FT_New_Face(library(), file.path.c_str(), file.index, &face) != 0)
    return nullptr;
  auto sized = std::make_unique<FreeTypeFace>(face, file.family,
                                              file.path + "#" + std::to_string(file.index));
  sized->setHeight(request.height, request.bold, request.italic);
  sized->lastUse = ++cache().clock;
  FreeTypeFace* result = sized.get();
  evictFace(cache(), keep);
  cache().faces.emplace(key, std::move(sized));
  return result;
}

FreeTypeFace* fallbackFace(FreeTypeFace& from, char32_t c) {
  const FaceRequest& request = from.request();
  from.lastUse = ++cache().clock;
  if (cache().fallbacks.size() >= maxFallbacks) cache().fallbacks.clear();
  auto [it, inserted] = cache().fallbacks.try_emplace({c, request.bold, request.italic});
  if (inserted) it->second = matchCharacter(c, request.bold, request.italic);
  const FaceFile file = it->second;  // a copy: opening a face may clear the map
  if (file.path.empty()) return nullptr;
  const std::string path = file.path + "#" + std::to_string(file.index);
  if (path == from.path()) return nullptr;
  // Keyed by file, apart from the faces asked for by family name.
  const FontKey key{"\x01" + path, request.height, request.bold, request.italic};
  FreeTypeFace* face = sizedFace(key, file, request, &from);
  return face && face->has(c) ? face : nullptr;
}

}  // namespace

SizedFace* faceFor(const Font& font) {
  const bool bold = font.weight >= 600;
  // Heights beyond the em limits all draw alike; one cache entry serves them.
  const int height = std::clamp(font.height, -static_cast<int>(maxEm), 2 * static_cast<int>(maxEm));
  const FontKey key{font.faceName, height, bold, font.italic};
  if (auto found = cache().faces.find(key); found != cache().faces.end()) {
    found->second->lastUse = ++cache().clock;
    return found->second.get();
  }
  const FaceFile file = fileFor(font.faceName, bold, font.italic);
  return sizedFace(key, file, FaceRequest{height, bold, font.italic}, nullptr);
}

int textWidth(SizedFace& face, const char* text, int count) {
  const std::string_view view(text, count > 0 ? static_cast<size_t>(count) : 0);
  int width = 0;
  for (size_t at = 0, length = 0; at < view.size(); at += length)
    width += face.advance(decodeUtf8(view, at, length));
  return width;
}

}  // namespace zt::platform::gdi
