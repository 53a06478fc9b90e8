// UTF-8 and UTF-16 conversions.
#include "code_page.h"

#include <string>

namespace zt::platform {
namespace {

constexpr char32_t kMaxCharacter = 0x10FFFF;
constexpr char32_t kFirstSurrogate = 0xD800, kLastSurrogate = 0xDFFF;
constexpr char32_t kLowSurrogate = 0xDC00;

bool continuation(unsigned char b) { return (b & 0xC0) == 0x80; }
bool surrogate(char32_t c) { return c >= kFirstSurrogate && c <= kLastSurrogate; }

}  // namespace

char32_t decodeUtf8(std::string_view text, size_t at, size_t& length) {
  length = 1;
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) return lead;
  const size_t more = lead >= 0xF0 && lead < 0xF8 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : 0;
  if (more == 0 || lead >= 0xF8 || at + more >= text.size()) return kReplacementCharacter;
  char32_t c = lead & (0x3Fu >> more);
  for (size_t i = 1; i <= more; ++i) {
    const auto b = static_cast<unsigned char>(text[at + i]);
    if (!continuation(b)) return kReplacementCharacter;
    c = (c << 6) | (b & 0x3F);
  }
  const char32_t smallest = more == 1 ? 0x80 : more == 2 ? 0x800 : 0x10000;
  if (c < smallest || c > kMaxCharacter || surrogate(c)) return kReplacementCharacter;
  length = more + 1;
  return c;
}

size_t nextCharacter(std::string_view text, size_t at) {
  if (at >= text.size()) return text.size();
  size_t length;
  decodeUtf8(text, at, length);
  return at + length;
}

// The lead byte nearest before `at` (at most three bytes back) whose
// sequence reaches past it, or `at` itself when there is none.
size_t startCovering(std::string_view text, size_t at) {
  for (size_t lead = at; lead + 3 >= at && lead > 0;) {
    --lead;
    if (!continuation(static_cast<unsigned char>(text[lead])))
      return nextCharacter(text, lead) > at ? lead : at;
  }
  return at;
}

size_t previousCharacter(std::string_view text, size_t at) {
  if (at == 0) return 0;
  if (at > text.size()) return text.size();
  const size_t lead = startCovering(text, at - 1);
  return lead;
}

bool characterStart(std::string_view text, size_t at) {
  if (at >= text.size()) return at == text.size();
  return startCovering(text, at) == at;
}

size_t wholeCharacters(std::string_view text, size_t room) {
  if (text.size() <= room) return text.size();
  while (room > 0 && !characterStart(text, room)) --room;
  return room;
}

void appendUtf8(std::string& out, char32_t c) {
  if (c > kMaxCharacter || surrogate(c)) c = kReplacementCharacter;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string narrowUtf16(const WCHAR* units, size_t count) {
  std::string out;
  for (size_t i = 0; i < count; ++i) {
    char32_t c = units[i];
    const bool high = c >= kFirstSurrogate && c < kLowSurrogate;
    if (high && i + 1 < count && units[i + 1] >= kLowSurrogate && units[i + 1] <= kLastSurrogate) {
      c = 0x10000 + ((c - kFirstSurrogate) << 10) + (units[i + 1] - kLowSurrogate);
      ++i;
    }
    appendUtf8(out, c);  // a lone surrogate becomes U+FFFD there
  }
  return out;
}

size_t widenUtf8(std::string_view text, WCHAR* out, size_t capacity) {
  size_t written = 0;
  for (size_t at = 0, length = 0; at < text.size(); at += length) {
    const char32_t c = decodeUtf8(text, at, length);
    const size_t need = c >= 0x10000 ? 2 : 1;
    if (out && written + need > capacity) break;
    if (out && need == 2) {
      out[written] = static_cast<WCHAR>(kFirstSurrogate + ((c - 0x10000) >> 10));
      out[written + 1] = static_cast<WCHAR>(kLowSurrogate + ((c - 0x10000) & 0x3FF));
    } else if (out) {
      out[written] = static_cast<WCHAR>(c);
    }
    written += need;
  }
  return written;
}

}  // namespace zt::platform
