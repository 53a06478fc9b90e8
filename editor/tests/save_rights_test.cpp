// Saving where the user may not write: a read-only file, or someone else's,
// is refused and kept as it was; a writable file in a folder that the user
// may not write is saved in place; a folder flush that fails after the new
// file took the old one's place is still a save.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/file_commands.h"
#include "recording_display.h"
#include "scratch_dir.h"

#ifndef _WIN32
#include <cerrno>
#include <grp.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;

#ifndef _WIN32
constexpr uid_t kNobody = 65534;
bool failFolderFlush = false;
int failedFolderFlushes = 0;
#endif

class SaveRights : public ::testing::Test {
 protected:
  void SetUp() override {
    resetRecording();
    bool pending = false;
    drawing.add(-100, 50, 20, -30, pending, 0, 3);
  }
  // Every entry of the folder, temporary files included.
  std::vector<std::string> entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.path()))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  const std::string bytes = "SQUARE -100 50 20 -30 3 " + kLineEnd;
  const std::string old = "CIRCLE 1 2 3 4 5 " + kLineEnd + "CIRCLE 6 7 8 9 10 " + kLineEnd;
  ShapeList drawing;
  ScratchDir dir;
};

// Collects failed checks of a child process on its error output.
struct ChildChecks {
  bool ok = true;
  void expect(bool holds, const std::string& what) {
    if (holds) return;
    std::fprintf(stderr, "failed: %s\n", what.c_str());
    ok = false;
  }
};

#ifndef _WIN32
// Runs check in a child process as the ordinary user nobody when this test
// runs as root (who may write anything, so permissions would prove
// nothing); the child's exit status 0 says that check held.
[[noreturn]] void runAsOrdinaryUser(const std::function<bool()>& check) {
  if (geteuid() == 0 &&
      (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
    std::fprintf(stderr, "cannot become nobody\n");
    std::_Exit(2);
  }
  std::_Exit(check() ? 0 : 1);
}

void giveToNobody(const std::string& path) {
  if (geteuid() == 0) {
    ASSERT_EQ(chown(path.c_str(), kNobody, kNobody), 0);
  }
}

TEST_F(SaveRights, AFileTheUserMayNotWriteIsRefusedAndKept) {
  const std::string mine = dir.file("read-only");
  writeBytes(mine, old);
  chmod(mine.c_str(), 0444);
  giveToNobody(dir.path().string());
  giveToNobody(mine);
  std::string theirs;
  if (geteuid() == 0) {
    theirs = dir.file("root's");  // root's own file, 0644, in nobody's folder
    writeBytes(theirs, old);
  } else {
    std::printf("skipped someone else's file: only root can make one\n");
  }
  const auto before = entries();
  EXPECT_EXIT(runAsOrdinaryUser([&] {
                ChildChecks c;
                std::vector<std::string> said;
                for (const std::string& name : {mine, theirs}) {
                  if (name.empty()) continue;
                  c.expect(!saveDrawing(name, drawing), name + " was saved");
                  c.expect(readBytes(name) == old, name + " changed");
                  said.push_back("Cannot save drawing file " + name + "\n");
                }
                c.expect(recording().console == said, "the console lines");
                c.expect(entries() == before, "the folder's entries");
                return c.ok;
              }),
              ::testing::ExitedWithCode(0), "");
  EXPECT_EQ((fs::status(mine).permissions() & fs::perms::all),
            fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
}

TEST_F(SaveRights, AWritableFileInAFolderTheUserMayNotWriteIsSavedInPlace) {
  const std::string name = dir.file("drawing");
  writeBytes(name, old + old);  // longer than the new drawing: the rest goes
  giveToNobody(name);
  giveToNobody(dir.path().string());
  chmod(dir.path().c_str(), 0555);
  struct stat before = {};
  stat(name.c_str(), &before);
  EXPECT_EXIT(runAsOrdinaryUser([&] {
                ChildChecks c;
                c.expect(saveDrawing(name, drawing), "the save failed");
                c.expect(readBytes(name) == bytes, "the bytes");
                c.expect(recording().console.empty(), "a console line");
                // A read-only file there is still refused.
                chmod(name.c_str(), 0444);
                c.expect(!saveDrawing(name, drawing), "saved a read-only file");
                return c.ok;
              }),
              ::testing::ExitedWithCode(0), "");
  chmod(dir.path().c_str(), 0755);
  struct stat after = {};
  stat(name.c_str(), &after);
  EXPECT_EQ(after.st_ino, before.st_ino) << "the file was replaced, not written in place";
  EXPECT_EQ(readBytes(name), bytes);
  EXPECT_EQ(entries(), std::vector<std::string>{"drawing"});
}

TEST_F(SaveRights, AFolderFlushThatFailsAfterTheRenameIsStillASave) {
  const std::string name = dir.file("drawing");
  writeBytes(name, old);
  failFolderFlush = true;
  const bool saved = saveDrawing(name, drawing);
  failFolderFlush = false;
  ASSERT_GT(failedFolderFlushes, 0) << "the folder's flush was not made to fail";
  EXPECT_TRUE(saved);
  EXPECT_EQ(readBytes(name), bytes);
  EXPECT_TRUE(recording().console.empty());
  EXPECT_EQ(entries(), std::vector<std::string>{"drawing"});
}
#else
TEST_F(SaveRights, AReadOnlyFileIsRefusedAndKept) {
  const std::string name = dir.file("read-only");
  writeBytes(name, old);
  fs::permissions(name, fs::perms::all & ~fs::perms::owner_write & ~fs::perms::group_write &
                            ~fs::perms::others_write);
  EXPECT_FALSE(saveDrawing(name, drawing));
  EXPECT_EQ(readBytes(name), old);
  EXPECT_EQ(recording().console,
            std::vector<std::string>{"Cannot save drawing file " + name + "\n"});
  EXPECT_EQ(entries(), std::vector<std::string>{"read-only"});
  fs::permissions(name, fs::perms::owner_write, fs::perm_options::add);
}

TEST_F(SaveRights, FoldersAndFlushesArePosixOnly) {
  GTEST_SKIP() << "Win32 folders have no write bit a test can clear, nor a flush it can fail";
}
#endif

}  // namespace

#ifndef _WIN32
// The layer flushes folders with fsync: this one fails on a folder while
// failFolderFlush is set, and is the system's own otherwise.
extern "C" int fsync(int descriptor) {
  struct stat info;
  if (failFolderFlush && fstat(descriptor, &info) == 0 && S_ISDIR(info.st_mode)) {
    ++failedFolderFlushes;
    errno = EIO;
    return -1;
  }
  return static_cast<int>(syscall(SYS_fsync, descriptor));
}
#endif
