// Recording onto a disk that fills up in the middle of a line and later has
// room again: the script holds whole lines only, and each outage is said.
#include <string>
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

}  // namespace
