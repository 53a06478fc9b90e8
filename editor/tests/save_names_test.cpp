// Saving under every name the file system takes, refusing the others without
// touching anything, and keeping the old file when the disk is full.
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/file_commands.h"
#include "recording_display.h"
#include "scratch_dir.h"

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

namespace {

namespace fs = std::filesystem;

// Every entry of a folder with its bytes ("<folder>" for a folder).
std::map<std::string, std::string> snapshot(const fs::path& folder) {
  std::map<std::string, std::string> entries;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string leaf = entry.path().filename().string();
    entries[leaf] = entry.is_directory() ? "<folder>" : readBytes(entry.path().string());
  }
  return entries;
}

class SaveNames : public ::testing::Test {
 protected:
  void SetUp() override {
    resetRecording();
    bool pending = false;
    drawing.add(-100, 50, 20, -30, pending, 0, 3);
    drawing.add(40, 40, 140, 100, pending, 1, 13);
  }
  // The drawing's records as loaded back from name.
  std::string loadedBack(const std::string& name) {
    std::unique_ptr<ShapeList> loaded;
    bool pending = false;
    Display display;
    if (!loadDrawing(name, loaded, pending, display)) return "<not loaded>";
    std::ostringstream out;
    loaded->saveAll(out);
    return out.str();
  }

  const std::string bytes =
      "SQUARE -100 50 20 -30 3 " + kLineEnd + "CIRCLE 40 40 140 100 13 " + kLineEnd;
  const std::string records = "SQUARE -100 50 20 -30 3 \nCIRCLE 40 40 140 100 13 \n";
  ShapeList drawing;
  ScratchDir dir;
};

TEST_F(SaveNames, EveryNameTheFileSystemTakesSavesAndLoadsBack) {
  // Beside the name's old temporary names, which belong to the user.
  writeBytes(dir.file(std::string(251, 'n') + ".tmp"), "mine");
  writeBytes(dir.file("drawing.tmp"), "mine too");
  const std::vector<std::string> leaves = {
      std::string(255, 'n'),  // the longest name a folder holds
      "drawing",              // drawing.tmp is taken
      "with spaces .drw",
      ".hidden",
      "..two dots",
      "caf\xc3\xa9",  // UTF-8
      "\xe9t\xe9",    // one byte each (Latin-1, or the Windows code page)
  };
  for (const std::string& leaf : leaves) {
    const std::string name = dir.file(leaf);
    SCOPED_TRACE(name);
    EXPECT_TRUE(saveDrawing(name, drawing));
    EXPECT_EQ(readBytes(name), bytes);
    EXPECT_EQ(loadedBack(name), records);
  }
  EXPECT_EQ(readBytes(dir.file(std::string(251, 'n') + ".tmp")), "mine");
  EXPECT_EQ(readBytes(dir.file("drawing.tmp")), "mine too");
  EXPECT_EQ(snapshot(dir.path()).size(), leaves.size() + 2) << "a temporary file was left";
  EXPECT_TRUE(recording().console.empty());
}

TEST_F(SaveNames, NamesTheFileSystemRefusesFailAndTouchNothing) {
  fs::create_directory(dir.file("folder"));
  writeBytes(dir.file("folder/inside"), "kept");
  writeBytes(dir.file("old"), "old bytes");
  std::vector<std::string> refused = {
      dir.file("folder"),               // a folder
      dir.file("folder") + "/",         // a folder's name ending in a separator
      dir.file(std::string(256, 'n')),  // longer than a folder holds
      dir.file("missing/drawing"),      // in a folder that does not exist
      dir.file("old/drawing"),          // under a file
      "",
  };
#ifdef _WIN32
  // Reserved device names: relative, and in a folder.
  fs::current_path(dir.path());
  for (const char* device : {"CON", "NUL", "nul", "AUX"}) refused.push_back(device);
  refused.push_back(dir.file("NUL"));
#endif
  const auto before = snapshot(dir.path());
  std::vector<std::string> lines;
  for (const std::string& name : refused) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(saveDrawing(name, drawing));
    lines.push_back("Cannot save drawing file " + name + "\n");
    EXPECT_EQ(snapshot(dir.path()), before);
    EXPECT_EQ(snapshot(dir.file("folder")).size(), 1u);
  }
#ifdef _WIN32
  fs::current_path(fs::temp_directory_path());
#endif
  EXPECT_EQ(recording().console, lines);
}

TEST_F(SaveNames, ALinkStaysALinkAndItsFileGetsTheDrawing) {
  writeBytes(dir.file("real"), "old");
  std::error_code ec;
  fs::create_symlink("real", dir.file("link"), ec);
  if (ec) GTEST_SKIP() << "this system makes no symbolic links here: " << ec.message();
  ASSERT_TRUE(saveDrawing(dir.file("link"), drawing));
  EXPECT_TRUE(fs::is_symlink(dir.file("link")));
  EXPECT_EQ(readBytes(dir.file("real")), bytes);
  // A link that leads nowhere is not replaced by a file.
  fs::create_symlink("nowhere", dir.file("dangling"), ec);
  EXPECT_FALSE(saveDrawing(dir.file("dangling"), drawing));
  EXPECT_TRUE(fs::is_symlink(dir.file("dangling")));
  EXPECT_EQ(snapshot(dir.path()).size(), 3u);
}

#ifndef _WIN32
// A child process with a file-size limit: writes past it fail as on a full
// disk (SIGXFSZ ignored), and the limit ends with the child. Exits with 0
// when the save failed and said so.
[[noreturn]] void saveInChildWithFileSizeLimit(const std::string& name, const ShapeList& drawing) {
  std::signal(SIGXFSZ, SIG_IGN);
  const rlimit limit = {4096, 4096};
  setrlimit(RLIMIT_FSIZE, &limit);
  const bool saved = saveDrawing(name, drawing);
  const std::vector<std::string> said = {"Cannot save drawing file " + name + "\n"};
  std::_Exit(!saved && recording().console == said ? 0 : 1);
}

// Permission bits and file-size limits are POSIX's; Windows has neither.
TEST_F(SaveNames, TheNewFileKeepsTheOldOnesPermissions) {
  writeBytes(dir.file("private"), "old");
  fs::permissions(dir.file("private"), fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(saveDrawing(dir.file("private"), drawing));
  EXPECT_EQ(fs::status(dir.file("private")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(SaveNames, AFullDiskKeepsTheOldFileAndLeavesNoTemporaryFile) {
  writeBytes(dir.file("drawing"), "old bytes of the drawing");
  bool pending = false;
  for (int i = 0; i < 1000; ++i) drawing.add(i, -i, i + 40, i - 30, pending, i % 2, i % 24);
  const auto before = snapshot(dir.path());
  EXPECT_EXIT(saveInChildWithFileSizeLimit(dir.file("drawing"), drawing),
              ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(snapshot(dir.path()), before);
}
#endif

}  // namespace
