// Saving a drawing while the package records a script: the script file that
// the recorder holds open is refused under every name that reaches it, so
// the recording goes on into the file that the user will play back.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "app/file_commands.h"
#include "scratch_dir.h"
#include "script_session.h"

namespace {

namespace fs = std::filesystem;

class RecordAndSave : public ScriptSession {
 protected:
  void SetUp() override {
    ScriptSession::SetUp();
    bool pending = false;
    drawing.add(-100, 50, 20, -30, pending, 0, 3);
  }
  // Saves name while recording: refused, said, and the recording's line
  // lands in the script after it.
  void expectRefused(const std::string& name, int x) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(saveDrawing(name, drawing));
    EXPECT_EQ(lastConsoleLine(), "Cannot save drawing file " + name + "\n");
    click(x, 1);
    EXPECT_TRUE(isMouse(next(), x, 1));
    lines.push_back("ZT738_MOUSE(" + std::to_string(x) + ", 1);");
    EXPECT_EQ(readScript(), textLines(lines));
  }
  ShapeList drawing;
  std::vector<std::string> lines;
};

TEST_F(RecordAndSave, TheOpenScriptIsRefusedUnderEveryNameThatReachesIt) {
  command(CmdRecordScript);
  // Before the first event nothing is open: the name is free, and the
  // recording's first line will empty it, as a recording always does.
  EXPECT_TRUE(saveDrawing("ZT738.SCR", drawing));
  click(0, 1);
  EXPECT_TRUE(isMouse(next(), 0, 1));
  lines.push_back("ZT738_MOUSE(0, 1);");

  expectRefused("ZT738.SCR", 1);
  expectRefused("./ZT738.SCR", 2);
  expectRefused((fs::current_path() / "ZT738.SCR").string(), 3);
#ifdef _WIN32
  expectRefused("zt738.scr", 4);
#endif
  std::error_code ec;
  fs::create_hard_link("ZT738.SCR", "hard", ec);
  if (ec) {
    std::printf("skipped the hard link: %s\n", ec.message().c_str());
  } else {
    expectRefused("hard", 5);
  }
  fs::create_symlink("ZT738.SCR", "soft", ec);
  if (ec) {
    std::printf("skipped the symbolic link: %s\n", ec.message().c_str());
  } else {
    expectRefused("soft", 6);
  }
  // Another file is saved as ever.
  EXPECT_TRUE(saveDrawing("other", drawing));
  EXPECT_EQ(readBytes("other"), "SQUARE -100 50 20 -30 3 " + kLineEnd);

  // Once the recording ends, the name is the user's again.
  command(CmdRecordScript);
  EXPECT_EQ(readScript(), textLines(lines));
  EXPECT_TRUE(saveDrawing("ZT738.SCR", drawing));
  EXPECT_EQ(readScript(), "SQUARE -100 50 20 -30 3 " + kLineEnd);
}

}  // namespace
