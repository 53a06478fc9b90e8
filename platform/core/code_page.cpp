#include "code_page.h"

namespace zt::platform {
namespace {

constexpr unsigned char kFirstHigh = 0x80;
constexpr int kHighCount = 32;
// Code points of the bytes 0x80 to 0x9F.
constexpr WCHAR kHighBytes[kHighCount] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool isHighByte(unsigned v) { return v >= kFirstHigh && v < kFirstHigh + kHighCount; }

}  // namespace

WCHAR widenByte(unsigned char byte) {
  return isHighByte(byte) ? kHighBytes[byte - kFirstHigh] : byte;
}

char narrowCodeUnit(WCHAR unit) {
  if (unit <= 0xFF && !isHighByte(unit)) return static_cast<char>(unit);
  for (int i = 0; i < kHighCount; ++i) {
    if (kHighBytes[i] == unit) return static_cast<char>(kFirstHigh + i);
  }
  return '?';
}

}  // namespace zt::platform
