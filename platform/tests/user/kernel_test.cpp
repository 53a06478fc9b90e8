// Odds and ends of the system: movable global memory and renaming files.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "win32.h"

namespace {

std::string readFile(const char* name) {
  std::ifstream in(name);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void writeFile(const char* name, const char* text) { std::ofstream(name) << text; }

}  // namespace

TEST(GlobalMemory, MovableBlockIsReachedThroughLock) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 16);
  ASSERT_NE(memory, nullptr);
  auto* bytes = static_cast<char*>(GlobalLock(memory));
  ASSERT_NE(bytes, nullptr);
  std::strcpy(bytes, "console line");
  EXPECT_FALSE(GlobalUnlock(memory));  // no lock left
  bytes = static_cast<char*>(GlobalLock(memory));
  EXPECT_STREQ(bytes, "console line");
  GlobalUnlock(memory);
  EXPECT_EQ(GlobalFree(memory), nullptr);
}

TEST(GlobalMemory, ZeroInitialisedAndNestedLocks) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 8);
  ASSERT_NE(memory, nullptr);
  auto* bytes = static_cast<unsigned char*>(GlobalLock(memory));
  ASSERT_NE(bytes, nullptr);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(bytes[i], 0);
  GlobalLock(memory);
  EXPECT_TRUE(GlobalUnlock(memory));  // still locked once
  EXPECT_FALSE(GlobalUnlock(memory));
  EXPECT_EQ(GlobalFree(memory), nullptr);
}

TEST(GlobalMemory, FixedBlockHandleIsItsAddress) {
  HGLOBAL memory = GlobalAlloc(GMEM_FIXED, 4);
  ASSERT_NE(memory, nullptr);
  EXPECT_EQ(GlobalLock(memory), memory);
  EXPECT_EQ(GlobalFree(memory), nullptr);
}

TEST(GlobalMemory, StaleHandleIsRefused) {
#ifdef _WIN32
  GTEST_SKIP() << "Win32 may touch the freed block's header; only the layer promises to refuse it";
#endif
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 4);
  ASSERT_EQ(GlobalFree(memory), nullptr);
  EXPECT_EQ(GlobalLock(memory), nullptr);
  EXPECT_EQ(GlobalFree(memory), memory);
}

TEST(MoveFile, ReplacesOnlyWhenAsked) {
  const char* from = "zt_move_from.txt";
  const char* to = "zt_move_to.txt";
  writeFile(from, "new");
  writeFile(to, "old");
  EXPECT_FALSE(MoveFileExA(from, to, 0));
  EXPECT_EQ(readFile(to), "old");
  EXPECT_TRUE(MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING));
  EXPECT_EQ(readFile(to), "new");
  EXPECT_FALSE(MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING));  // nothing left to move
  std::remove(to);
}
