// Recording onto a disk that fills up in the middle of a line and later has
// room again: the script holds whole lines only, and each outage is said.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "script_session.h"

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

#ifndef _WIN32
// A file-size limit makes writes past it fail as on a full disk (SIGXFSZ
// ignored); lifting it is the disk getting room again.
class FullDisk {
 public:
  FullDisk() {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
  }
  ~FullDisk() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }
  void fillAt(rlim_t bytes) {
    const rlimit limit = {bytes, saved_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  void makeRoom() { setrlimit(RLIMIT_FSIZE, &saved_); }

 private:
  rlimit saved_ = {};
  void (*previous_)(int) = SIG_DFL;
};
#endif

using ScriptFullDisk = ScriptSession;

TEST_F(ScriptFullDisk, LinesAreWholeOrAbsentAndEachOutageIsSaid) {
#ifdef _WIN32
  GTEST_SKIP() << "Win32 has no file-size limit, and filling a disk needs a mount";
#else
  FullDisk disk;
  const std::string first = textLines({"ZT738_MOUSE(-120, 45);"});
  command(CmdRecordScript);
  click(-120, 45);
  EXPECT_TRUE(isMouse(next(), -120, 45));
  ASSERT_EQ(readScript(), first);

  // Room for 5 bytes of the next line only: "ZT738_MOUSE" would be cut to
  // "ZT738", and the key line after it glued on when room came back.
  disk.fillAt(first.size() + 5);
  consoleMarker();
  click(738, 97);
  EXPECT_TRUE(isMouse(next(), 738, 97));
  EXPECT_EQ(lastConsoleLine(), "Cannot write script file ZT738.SCR\n");
  consoleMarker();
  type('b');  // the second loss of the same outage is not said again
  EXPECT_TRUE(isKey(next(), 'b'));
  EXPECT_EQ(lastConsoleLine(), markerLine());
  EXPECT_EQ(readScript(), first);

  disk.makeRoom();
  type('a');
  EXPECT_TRUE(isKey(next(), 'a'));
  const std::string second = first + textLines({"ZT738_KBD(97);"});
  EXPECT_EQ(readScript(), second);

  // Full again, now one byte short of a whole line: lost and said again.
  disk.fillAt(second.size() + textLines({"ZT738_KBD(99);"}).size() - 1);
  consoleMarker();
  type('c');
  EXPECT_TRUE(isKey(next(), 'c'));
  EXPECT_EQ(lastConsoleLine(), "Cannot write script file ZT738.SCR\n");
  EXPECT_EQ(readScript(), second);
  disk.makeRoom();
  click(5, 6);
  EXPECT_TRUE(isMouse(next(), 5, 6));
  command(CmdRecordScript);
  EXPECT_EQ(readScript(), second + textLines({"ZT738_MOUSE(5, 6);"}));

  // And it plays back as written: a click, the key a, a click, the end.
  command(CmdPlaybackScript);
  EXPECT_TRUE(isMouse(nextWithSentinel(), -120, 45));
  EXPECT_TRUE(isKey(nextWithSentinel(), 'a'));
  EXPECT_TRUE(isMouse(nextWithSentinel(), 5, 6));
  EXPECT_TRUE(isSentinel(nextWithSentinel()));
#endif
}

// The same on a real disk of a few KiB (a tmpfs that CTest mounts when it
// runs as root, named by ZT738_TINY_DISK), in every build, Wine included.
class TinyDisk : public ScriptSession {
 protected:
  void SetUp() override {
    ScriptSession::SetUp();
    const char* mounted = std::getenv("ZT738_TINY_DISK");
    if (mounted == nullptr || *mounted == '\0')
      GTEST_SKIP() << "no tiny disk: CTest mounts one only as root";
#ifdef _WIN32
    root_ = std::filesystem::path(std::string("Z:") + mounted);  // Wine's drive for "/"
#else
    root_ = mounted;
#endif
    // Written by CTest into the disk once it is mounted.
    if (!std::filesystem::exists(root_ / "tiny-disk")) {
      GTEST_SKIP() << root_.string() << " is not a tiny disk: CTest mounts one only as root";
    }
    std::error_code ec;
    here_ = root_ / "session";
    std::filesystem::remove_all(here_, ec);
    std::filesystem::create_directory(here_);
    std::filesystem::current_path(here_);
  }
  void TearDown() override {
    ScriptSession::TearDown();  // closes the script and leaves the folder
    std::error_code ignored;
    if (!here_.empty()) std::filesystem::remove_all(here_, ignored);
  }
  // Takes every free block of the disk; returns the filler's name.
  std::string fill(const char* name) {
    std::FILE* filler = std::fopen(name, "wb");
    const std::string block(4096, 'f');
    while (filler != nullptr &&
           std::fwrite(block.data(), 1, block.size(), filler) == block.size() &&
           std::fflush(filler) == 0) {
    }
    if (filler != nullptr) std::fclose(filler);
    return name;
  }
  // Records clicks (n, 1) from n = first on until one is lost (the console
  // says so); returns the first lost n.
  int recordUntilLost(int first) {
    consoleMarker();
    for (int n = first; n < first + 1000; ++n) {
      click(n, 1);
      EXPECT_TRUE(isMouse(next(), n, 1));
      if (lastConsoleLine() != markerLine()) return n;
      lines.push_back("ZT738_MOUSE(" + std::to_string(n) + ", 1);");
    }
    ADD_FAILURE() << "the disk never filled";
    return first;
  }
  std::filesystem::path root_, here_;
  std::vector<std::string> lines;
};

TEST_F(TinyDisk, LinesAreWholeOrAbsentAndEachOutageIsSaid) {
  command(CmdRecordScript);
  click(0, 1);
  EXPECT_TRUE(isMouse(next(), 0, 1));
  lines.push_back("ZT738_MOUSE(0, 1);");
  const std::string filler = fill("filler");
  const int lost = recordUntilLost(1);
  EXPECT_EQ(lastConsoleLine(), "Cannot write script file ZT738.SCR\n");
  EXPECT_EQ(readScript(), textLines(lines));
  std::remove(filler.c_str());

  // Room again: the next line follows the last whole one.
  click(lost + 1, 1);
  EXPECT_TRUE(isMouse(next(), lost + 1, 1));
  lines.push_back("ZT738_MOUSE(" + std::to_string(lost + 1) + ", 1);");
  EXPECT_EQ(readScript(), textLines(lines));

  // Full again: said again.
  const std::string again = fill("filler2");
  recordUntilLost(lost + 2);
  EXPECT_EQ(lastConsoleLine(), "Cannot write script file ZT738.SCR\n");
  std::remove(again.c_str());
  command(CmdRecordScript);
  EXPECT_EQ(readScript(), textLines(lines));
}

}  // namespace
