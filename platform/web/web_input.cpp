// The web driver's browser-free logic (see web_input.h).
#include "web_input.h"

#include <algorithm>
#include <iterator>

namespace zt::platform::web {
namespace {

struct NamedKey {
  std::string_view code;
  UINT vk;
};

constexpr NamedKey kKeys[] = {
    {"Enter", VK_RETURN},      {"NumpadEnter", VK_RETURN},  {"Escape", VK_ESCAPE},
    {"Tab", VK_TAB},           {"Backspace", VK_BACK},      {"Space", VK_SPACE},
    {"ArrowLeft", VK_LEFT},    {"ArrowRight", VK_RIGHT},    {"ArrowUp", VK_UP},
    {"ArrowDown", VK_DOWN},    {"Home", VK_HOME},           {"End", VK_END},
    {"PageUp", VK_PRIOR},      {"PageDown", VK_NEXT},       {"Insert", VK_INSERT},
    {"Delete", VK_DELETE},     {"ControlLeft", VK_CONTROL}, {"ControlRight", VK_CONTROL},
    {"ShiftLeft", VK_SHIFT},   {"ShiftRight", VK_SHIFT},    {"AltLeft", VK_MENU},
    {"AltRight", VK_MENU},     {"CapsLock", VK_CAPITAL},    {"Semicolon", VK_OEM_1},
    {"Equal", VK_OEM_PLUS},    {"Comma", VK_OEM_COMMA},     {"Minus", VK_OEM_MINUS},
    {"Period", VK_OEM_PERIOD}, {"Slash", VK_OEM_2},         {"Backquote", VK_OEM_3},
    {"BracketLeft", VK_OEM_4}, {"Backslash", VK_OEM_5},     {"BracketRight", VK_OEM_6},
    {"Quote", VK_OEM_7},
};

constexpr int kFunctionKeys = 12;  // F1 to F12

// The number after prefix in code ("Digit7" -> 7), or -1.
int numberAfter(std::string_view code, std::string_view prefix) {
  if (code.size() <= prefix.size() || code.substr(0, prefix.size()) != prefix) return -1;
  int n = 0;
  for (char c : code.substr(prefix.size())) {
    if (c < '0' || c > '9' || n > 100) return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

// The length of the UTF-8 sequence that starts with lead, or 0 if lead
// cannot start one.
size_t sequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

}  // namespace

UINT virtualKeyOfCode(std::string_view code) {
  if (code.size() == 4 && code.substr(0, 3) == "Key" && code[3] >= 'A' && code[3] <= 'Z') {
    return static_cast<UINT>(code[3]);
  }
  if (int digit = numberAfter(code, "Digit"); digit >= 0 && digit <= 9) {
    return static_cast<UINT>('0' + digit);
  }
  if (int f = numberAfter(code, "F"); f >= 1 && f <= kFunctionKeys) {
    return VK_F1 + static_cast<UINT>(f - 1);
  }
  auto it = std::find_if(std::begin(kKeys), std::end(kKeys),
                         [&](const NamedKey& k) { return k.code == code; });
  return it == std::end(kKeys) ? 0 : it->vk;
}

std::string typedText(std::string_view key, bool ctrl, bool alt, bool altGraph) {
  if ((ctrl || alt) && !altGraph) return {};
  if (key.empty()) return {};
  const size_t length = sequenceLength(static_cast<unsigned char>(key[0]));
  if (length == 0 || length != key.size()) return {};  // a key name, or broken
  for (size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(key[i]) & 0xC0) != 0x80) return {};
  }
  const auto first = static_cast<unsigned char>(key[0]);
  if (length == 1 && (first < 0x20 || first == 0x7F)) return {};
  return std::string(key);
}

DWORD buttonFlag(int button, bool down) {
  DWORD flag = button == 0   ? MOUSEEVENTF_LEFTDOWN
               : button == 1 ? MOUSEEVENTF_MIDDLEDOWN
               : button == 2 ? MOUSEEVENTF_RIGHTDOWN
                             : 0;
  return down ? flag : flag * 2;  // each UP flag is twice its DOWN flag
}

RECT clipToFrame(const RECT& changed, int width, int height) {
  RECT r;
  r.left = std::max<LONG>(changed.left, 0);
  r.top = std::max<LONG>(changed.top, 0);
  r.right = std::min<LONG>(changed.right, width);
  r.bottom = std::min<LONG>(changed.bottom, height);
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  return r;
}

void packRgba(const Surface& frame, const RECT& r, std::vector<uint8_t>& out) {
  const int w = std::max<int>(r.right - r.left, 0);
  const int h = std::max<int>(r.bottom - r.top, 0);
  out.resize(static_cast<size_t>(w) * static_cast<size_t>(h) * 4);
  uint8_t* dst = out.data();
  for (int y = r.top; y < r.top + h; ++y) {
    const COLORREF* src = frame.row(y) + r.left;
    for (int x = 0; x < w; ++x) {
      *dst++ = GetRValue(src[x]);
      *dst++ = GetGValue(src[x]);
      *dst++ = GetBValue(src[x]);
      *dst++ = 0xFF;
    }
  }
}

}  // namespace zt::platform::web
