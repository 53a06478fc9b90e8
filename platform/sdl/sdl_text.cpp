// Code page and line-break conversions of the screen driver.
#include "sdl_text.h"

#include "code_page.h"

namespace zt::platform {

std::string toUtf8(const std::string& ansi) {
  std::string out;
  out.reserve(ansi.size());
  for (unsigned char c : ansi) {
    const unsigned code = widenByte(c);
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return out;
}

std::string fromUtf8(const char* utf8) {
  std::string out;
  if (!utf8) return out;
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8); *p;) {
    unsigned code = *p++;
    int more = code >= 0xF0 ? 3 : code >= 0xE0 ? 2 : code >= 0xC0 ? 1 : 0;
    if (more) code &= 0x3Fu >> more;
    for (; more > 0 && (*p & 0xC0) == 0x80; --more) code = (code << 6) | (*p++ & 0x3F);
    const bool broken = more > 0 || code > 0xFFFF;
    out += broken ? '?' : narrowCodeUnit(static_cast<WCHAR>(code));
  }
  return out;
}

std::string clipboardToDesktop(const std::string& ansi) {
  std::string lf;
  lf.reserve(ansi.size());
  for (size_t i = 0; i < ansi.size(); ++i) {
    if (ansi[i] == '\r' && i + 1 < ansi.size() && ansi[i + 1] == '\n') continue;
    lf += ansi[i];
  }
  return toUtf8(lf);
}

std::string clipboardFromDesktop(const char* utf8) {
  std::string out;
  for (char c : fromUtf8(utf8)) {
    if (c == '\n' && (out.empty() || out.back() != '\r')) out += '\r';
    out += c;
  }
  return out;
}

}  // namespace zt::platform
