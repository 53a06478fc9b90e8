// Line-break conversions of the screen driver's clipboard; the text itself
// is UTF-8 on both sides.
#include "sdl_text.h"

#include "code_page.h"

namespace zt::platform {

std::string toUtf8(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t at = 0, length = 0; at < text.size(); at += length)
    appendUtf8(out, decodeUtf8(text, at, length));
  return out;
}

std::string clipboardToDesktop(const std::string& text) {
  std::string lf;
  lf.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    lf += text[i];
  }
  return toUtf8(lf);
}

std::string clipboardFromDesktop(const char* utf8) {
  std::string out;
  if (!utf8) return out;
  for (const char* p = utf8; *p; ++p) {
    if (*p == '\n' && (out.empty() || out.back() != '\r')) out += '\r';
    out += *p;
  }
  return out;
}

}  // namespace zt::platform
