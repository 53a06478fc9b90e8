// Dialog template reader. Strings are runs of 16-bit units ending in a zero
// unit; 0xFFFF in place of a string introduces a 16-bit ordinal instead.
// Items start on 4-byte boundaries of the address, as Win32 aligns them.
#include "dialog_template.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "code_page.h"

namespace zt::platform {

namespace {

// Sequential reader of little-endian 16- and 32-bit fields.
class Cursor {
 public:
  explicit Cursor(const unsigned char* p) : p_(p) {}
  WORD word() {
    WORD w;
    std::memcpy(&w, p_, sizeof w);
    p_ += sizeof w;
    return w;
  }
  DWORD dword() {
    DWORD d;
    std::memcpy(&d, p_, sizeof d);
    p_ += sizeof d;
    return d;
  }
  short shortValue() { return static_cast<short>(word()); }
  // A zero-terminated UTF-16 string, narrowed.
  std::string string() {
    std::vector<WCHAR> units;
    for (WORD w = word(); w != 0; w = word()) units.push_back(w);
    return narrowUtf16(units.data(), units.size());
  }
  // A string or an ordinal; sets `ordinal` (0 for a string or for nothing).
  std::string stringOrOrdinal(WORD& ordinal) {
    ordinal = 0;
    WORD first;
    std::memcpy(&first, p_, sizeof first);
    if (first == 0xFFFF) {
      p_ += 2;
      ordinal = word();
      return {};
    }
    return string();
  }
  void skip(size_t bytes) { p_ += bytes; }
  void alignDword() {
    const auto address = reinterpret_cast<uintptr_t>(p_);
    p_ += (4 - address % 4) % 4;
  }
  const unsigned char* position() const { return p_; }

 private:
  const unsigned char* p_;
};

bool equalsIgnoringCase(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size() && b[i] != 0; ++i) {
    const auto lower = [](char c) {
      return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
    };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return i == a.size() && b[i] == 0;
}

bool classFromAtom(WORD atom, ControlClass& out) {
  switch (atom) {
    case 0x0080:
      out = ControlClass::Button;
      return true;
    case 0x0081:
      out = ControlClass::Edit;
      return true;
    case 0x0082:
      out = ControlClass::Static;
      return true;
    default:
      return false;
  }
}

bool classFromName(const std::string& name, ControlClass& out) {
  if (equalsIgnoringCase(name, "button")) return classFromAtom(0x0080, out);
  if (equalsIgnoringCase(name, "edit")) return classFromAtom(0x0081, out);
  if (equalsIgnoringCase(name, "static")) return classFromAtom(0x0082, out);
  return false;
}

bool parseItem(Cursor& in, DialogItemTemplate& item) {
  in.alignDword();
  item.style = in.dword();
  item.exStyle = in.dword();
  item.x = in.shortValue();
  item.y = in.shortValue();
  item.cx = in.shortValue();
  item.cy = in.shortValue();
  item.id = in.word();
  WORD atom = 0;
  const std::string className = in.stringOrOrdinal(atom);
  const bool known = atom != 0 ? classFromAtom(atom, item.controlClass)
                               : classFromName(className, item.controlClass);
  if (!known) return false;
  WORD textOrdinal = 0;
  item.text = in.stringOrOrdinal(textOrdinal);
  const WORD dataSize = in.word();
  if (dataSize != 0) {
    item.creationData = in.position() - sizeof(WORD);
    in.skip(dataSize / 2 * 2);
  }
  return true;
}

}  // namespace

int mulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  long long product = static_cast<long long>(a) * b;
  long long divisor = c;
  if (divisor < 0) {
    divisor = -divisor;
    product = -product;
  }
  const long long half = divisor / 2;
  const long long q = product >= 0 ? (product + half) / divisor : -((-product + half) / divisor);
  if (q > INT32_MAX || q < INT32_MIN) return -1;
  return static_cast<int>(q);
}

bool parseDialogTemplate(const void* data, DialogTemplate& out) {
  if (data == nullptr) return false;
  Cursor in(static_cast<const unsigned char*>(data));
  out = DialogTemplate{};
  out.style = in.dword();
  // The extended form starts with the version 1 and the signature 0xFFFF.
  if ((out.style & 0xFFFF) == 1 && (out.style >> 16) == 0xFFFF) return false;
  out.exStyle = in.dword();
  const WORD count = in.word();
  out.x = in.shortValue();
  out.y = in.shortValue();
  out.cx = in.shortValue();
  out.cy = in.shortValue();
  WORD ordinal = 0;
  if (!in.stringOrOrdinal(ordinal).empty() || ordinal != 0) return false;  // a menu
  if (!in.stringOrOrdinal(ordinal).empty() || ordinal != 0) return false;  // a window class
  out.title = in.string();
  if (out.style & DS_SETFONT) {
    out.hasFont = true;
    out.pointSize = in.word();
    out.faceName = in.string();
  }
  out.items.resize(count);
  for (DialogItemTemplate& item : out.items) {
    if (!parseItem(in, item)) return false;
  }
  return true;
}

}  // namespace zt::platform
