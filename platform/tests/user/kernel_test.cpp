// Odds and ends of the system: movable global memory, files and their names.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
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

// ---- the code page: UTF-8 in every build (the Windows programs declare it
// in their manifests)

TEST(CodePage, TheAnsiCodePageIsUtf8) {
  EXPECT_EQ(GetACP(), static_cast<UINT>(CP_UTF8));
  WCHAR units[8] = {};
  // "你好" is two UTF-16 units and the terminator, not six bytes widened.
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "\xE4\xBD\xA0\xE5\xA5\xBD", -1, units, 8), 3);
  EXPECT_EQ(units[0], 0x4F60);
  EXPECT_EQ(units[1], 0x597D);
  EXPECT_EQ(units[2], 0);
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "\xF0\x9F\x98\x80", 4, nullptr, 0), 2);
  // Too small a buffer is refused, not filled in part.
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "abc", 3, units, 2), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
}

TEST(CodePage, AFileKeepsItsUtf8NameOnTheDisk) {
  const char* name =
      "Gr\xC3\xB6\xC3\x9F"
      "e 2 \xC3\xA4.txt";  // Größe 2 ä.txt
  HANDLE file =
      CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);
  const auto path = std::filesystem::path(reinterpret_cast<const char8_t*>(name));
  EXPECT_TRUE(std::filesystem::exists(path));
  EXPECT_NE(GetFileAttributesA(name), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(DeleteFileA(name));
  EXPECT_FALSE(std::filesystem::exists(path));
}

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

TEST(MoveFile, WriteThroughReplacesToo) {
  const char* from = "zt_move_through_from.txt";
  const char* to = "zt_move_through_to.txt";
  writeFile(from, "new");
  writeFile(to, "old");
  EXPECT_TRUE(MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
  EXPECT_EQ(readFile(to), "new");
  std::remove(to);
}

TEST(Files, CreateNewWritesFlushesAndRefusesATakenName) {
  const char* name = "zt_create_new.txt";
  std::remove(name);
  HANDLE file =
      CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetFileType(file), static_cast<DWORD>(FILE_TYPE_DISK));
  DWORD written = 0;
  EXPECT_TRUE(WriteFile(file, "line one\n", 9, &written, nullptr));
  EXPECT_EQ(written, 9u);
  EXPECT_TRUE(FlushFileBuffers(file));
  EXPECT_TRUE(CloseHandle(file));
  EXPECT_EQ(readFile(name), "line one\n");

  HANDLE again =
      CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  EXPECT_EQ(again, INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_EXISTS));
  EXPECT_EQ(readFile(name), "line one\n");
  EXPECT_TRUE(DeleteFileA(name));
  EXPECT_FALSE(DeleteFileA(name));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST(Files, SetEndOfFileCutsWhereTheWritesEnded) {
  const char* name = "zt_end_of_file.txt";
  writeFile(name, "old and longer");
  HANDLE file = CreateFileA(name, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  EXPECT_TRUE(WriteFile(file, "new", 3, &written, nullptr));
  EXPECT_EQ(readFile(name), "new and longer");  // nothing is cut by the write alone
  EXPECT_TRUE(SetEndOfFile(file));
  EXPECT_TRUE(SetEndOfFile(file));  // twice: still there
  EXPECT_TRUE(WriteFile(file, "!", 1, &written, nullptr));
  EXPECT_TRUE(CloseHandle(file));
  EXPECT_EQ(readFile(name), "new!");
  std::remove(name);
}

TEST(Files, FinalPathEndsInTheFilesNameAndAsksForRoom) {
  const char* name = "zt_final_path.txt";
  writeFile(name, "x");
  HANDLE file = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  char tiny[4] = {};
  const DWORD needed = GetFinalPathNameByHandleA(file, tiny, sizeof tiny, FILE_NAME_NORMALIZED);
  char path[4096] = {};
  const DWORD length = GetFinalPathNameByHandleA(file, path, sizeof path, FILE_NAME_NORMALIZED);
  // Win32 counts the zero in the room it asks for; Wine's ANSI call asks one less.
  EXPECT_GT(needed, static_cast<DWORD>(sizeof tiny));
  EXPECT_GE(needed, length);
  EXPECT_EQ(std::strlen(path), length);
  const std::string final(path);
  EXPECT_EQ(final.substr(final.size() - std::strlen(name)), name) << final;
  CloseHandle(file);
  std::remove(name);
}

TEST(Files, AttributesTellFoldersFromFilesAndMissingNames) {
  const char* folder = "zt_attributes_folder";
  const char* file = "zt_attributes_file.txt";
  std::filesystem::create_directory(folder);
  writeFile(file, "x");
  struct Case {
    const char* name;
    bool exists;
    bool directory;
  };
  for (const Case& c : {Case{folder, true, true}, Case{file, true, false},
                        Case{"zt_attributes_missing", false, false}}) {
    SCOPED_TRACE(c.name);
    const DWORD attributes = GetFileAttributesA(c.name);
    EXPECT_EQ(attributes != INVALID_FILE_ATTRIBUTES, c.exists);
    if (c.exists) {
      EXPECT_EQ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0, c.directory);
    }
  }
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  // A folder is no file: it neither opens as one nor is deleted as one.
  EXPECT_EQ(CreateFileA(folder, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                        FILE_ATTRIBUTE_NORMAL, nullptr),
            INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_FALSE(DeleteFileA(folder));
  EXPECT_NE(GetFileAttributesA(folder), INVALID_FILE_ATTRIBUTES);
  std::filesystem::remove(folder);
  std::remove(file);
}
