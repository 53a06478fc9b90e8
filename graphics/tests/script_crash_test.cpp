// A recording that a killed process or a full disk cannot silently lose.
// Native only: these tests fork, kill with SIGKILL and limit file sizes,
// which are POSIX's; the Windows build has none of them.
#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "script.h"
#include "script_session.h"

namespace {

using ScriptDurability = ScriptSession;

constexpr int RECORDED_CLICKS = 40;

std::vector<std::string> clickLines(int from, int to) {
  std::vector<std::string> lines;
  for (int i = from; i < to; ++i) {
    lines.push_back("ZT738_MOUSE(" + std::to_string(i) + ", " + std::to_string(-i) + ");");
  }
  return lines;
}

TEST_F(ScriptDurability, AKilledRecordingLeavesEveryEventInTheFile) {
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // Records, says so, and waits to be killed with the file still open.
    command(CmdRecordScript);
    for (int i = 0; i < RECORDED_CLICKS; ++i) {
      click(i, -i);
      next();
    }
    const char done = 'r';
    if (write(ready[1], &done, 1) != 1) std::_Exit(2);
    for (;;) pause();
  }
  close(ready[1]);
  char done = 0;
  ASSERT_EQ(read(ready[0], &done, 1), 1);
  close(ready[0]);
  kill(child, SIGKILL);
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(readScript(), textLines(clickLines(0, RECORDED_CLICKS)));
}

// In a child process, so that the file-size limit ends with it. Exits with
// 0 when a full disk was reported once per recording and the recording went
// on writing once there was room again.
[[noreturn]] void recordIntoAFullFile() {
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit = {};
  getrlimit(RLIMIT_FSIZE, &limit);
  const rlimit roomy = limit;
  limit.rlim_cur = 100;  // room for four or five lines
  setrlimit(RLIMIT_FSIZE, &limit);
  auto failures = [] {
    int count = 0;
    for (const std::string& line : consoleLines()) {
      count += line == "Cannot write script file ZT738.SCR\n";
    }
    return count;
  };
  auto record = [](int clicks) {
    for (int i = 0; i < clicks; ++i) {
      PostMessageA(findGraphicsWindow(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
      nextEvent();
    }
  };
  clearConsole();
  ZT738_toggle_recording();
  record(20);
  if (failures() != 1 || !recording) std::_Exit(1);
  // Room again: the next line is written.
  setrlimit(RLIMIT_FSIZE, &roomy);
  const auto sizeBefore = std::filesystem::file_size(SCRIPT_FILE_NAME);
  record(1);
  if (std::filesystem::file_size(SCRIPT_FILE_NAME) <= sizeBefore || failures() != 1) std::_Exit(2);
  ZT738_toggle_recording();
  // A new recording reports a full disk again.
  setrlimit(RLIMIT_FSIZE, &limit);
  ZT738_toggle_recording();
  record(20);
  std::_Exit(failures() == 2 ? 0 : 3);
}

TEST_F(ScriptDurability, AFullDiskIsReportedOncePerRecordingAndRecordingGoesOn) {
  EXPECT_EXIT(recordIntoAFullFile(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
#endif
