// The Windows-1252 table: every byte round-trips, and the boundaries of the
// 0x80 to 0x9F block and of what the code page lacks.
#include <gtest/gtest.h>

#include "code_page.h"

using namespace zt::platform;

namespace {

TEST(CodePage, Windows1252RoundTripsEveryByte) {
  for (int byte = 0; byte < 256; ++byte) {
    const WCHAR unit = widenByte(static_cast<unsigned char>(byte));
    EXPECT_EQ(static_cast<unsigned char>(narrowCodeUnit(unit)), byte) << "byte " << byte;
  }
}

TEST(CodePage, WidensAndNarrowsAtTheBlockEdges) {
  const struct {
    unsigned char byte;
    WCHAR unit;
  } cases[] = {
      {0x7F, 0x007F}, {0x80, 0x20AC},  // the euro sign
      {0x81, 0x0081},                  // undefined: its own C1 code point
      {0x8A, 0x0160}, {0x9D, 0x009D}, {0x9F, 0x0178},
      {0xA0, 0x00A0}, {0xE9, 0x00E9}, {0xFF, 0x00FF},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(widenByte(c.byte), c.unit) << "byte " << int(c.byte);
    EXPECT_EQ(static_cast<unsigned char>(narrowCodeUnit(c.unit)), c.byte) << "unit " << c.unit;
  }
  // Units that the code page lacks, including the C1 codes it reuses.
  for (WCHAR unit : {WCHAR{0x0080}, WCHAR{0x0100}, WCHAR{0x4E2D}, WCHAR{0xFFFF}})
    EXPECT_EQ(narrowCodeUnit(unit), '?') << "unit " << unit;
}

}  // namespace
