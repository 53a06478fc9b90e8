// zt738-replay run as a user runs it: on the editor with a session that
// draws, picks, recolours, moves and saves; on a program that never quits;
// on a script that cannot be read; and on programs that end by themselves.
#include <png.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "scratch_dir.h"
#include "tool_run.h"

namespace fs = std::filesystem;

namespace {

struct Rgb {
  int r, g, b;
  bool operator==(const Rgb&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Rgb& c) {
  return out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

constexpr Rgb WHITE{255, 255, 255};
constexpr Rgb BLACK{0, 0, 0};
constexpr Rgb BLUE{0, 0, 255};
constexpr Rgb ORANGE{255, 102, 0};
constexpr Rgb MAGENTA{255, 0, 255};

// A PNG read back through libpng, addressed in the package's logical
// coordinates: the origin at the centre of the picture, y upward.
class Picture {
 public:
  explicit Picture(const std::string& path) {
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return;
    image.format = PNG_FORMAT_RGB;
    pixels_.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels_.data(), 0, nullptr)) {
      pixels_.clear();
      return;
    }
    width_ = static_cast<int>(image.width);
    height_ = static_cast<int>(image.height);
  }
  bool valid() const { return width_ > 0; }
  Rgb at(int x, int y) const {
    const int column = width_ / 2 + x;
    const int row = height_ / 2 - y;
    const size_t i = (static_cast<size_t>(row) * width_ + column) * 3;
    return {pixels_[i], pixels_[i + 1], pixels_[i + 2]};
  }

 private:
  std::vector<unsigned char> pixels_;
  int width_ = 0;
  int height_ = 0;
};

struct Point {
  const char* what;
  int x, y;
  Rgb colour;
};

void expectPixels(const std::string& png, const std::vector<Point>& points) {
  const Picture picture(png);
  ASSERT_TRUE(picture.valid()) << png << " is not a readable PNG";
  for (const Point& p : points) {
    EXPECT_EQ(picture.at(p.x, p.y), p.colour)
        << p.what << " at (" << p.x << ", " << p.y << "): expected " << p.colour << ", actual "
        << picture.at(p.x, p.y);
  }
}

// The folder that --keep names on standard error.
fs::path keptFolder(const std::string& errors) {
  const std::string marker = "kept the program's folder ";
  const size_t at = errors.find(marker);
  if (at == std::string::npos) return {};
  const size_t start = at + marker.size();
  return errors.substr(start, errors.find('\n', start) - start);
}

// Palette rows of the editor, clicked at their centres.
const std::string SESSION =
    "ZT738_MOUSE(-275, -15);\n"  // orange
    "ZT738_MOUSE(-275, 225);\n"  // square tool
    "ZT738_MOUSE(-100, 50);\n"   // an orange square
    "ZT738_MOUSE(0, -50);\n"
    "ZT738_PERIODIC(3);\n"
    "ZT738_MOUSE(-275, 185);\n"  // circle tool
    "ZT738_MOUSE(50, 150);\n"    // an orange circle
    "ZT738_MOUSE(150, 50);\n"
    "ZT738_MOUSE(-275, 25);\n"  // pick the circle
    "ZT738_MOUSE(100, 100);\n"
    "ZT738_MOUSE(-275, -95);\n"  // recolour it magenta
    "ZT738_MOUSE(-275, 145);\n"  // move it, centred on (150, -150)
    "ZT738_MOUSE(150, -150);\n"
    "ZT738_KBD(120);\n"
    "ZT738_MOUSE(-275, -135);\n"   // save: the first answer
    "ZT738_MOUSE(-275, -175);\n"   // load: the second answer, a file that is not there
    "ZT738_MOUSE(-275, -135);\n";  // save: no answer left, an empty name

const std::vector<Point> SESSION_PIXELS = {
    {"square's left edge", -100, 0, ORANGE},     {"square's top edge", -50, 50, ORANGE},
    {"inside the square", -50, 0, WHITE},        {"moved circle's outline", 185, -115, MAGENTA},
    {"moved circle's centre", 150, -150, WHITE}, {"selection frame", 150, -100, BLUE},
    {"circle's old outline", 50, 100, WHITE},    {"palette's left edge", -295, 0, BLACK},
    {"empty corner", 250, 200, WHITE},
};

class ReplayTool : public ::testing::Test {
 protected:
  // The tool's temporary folders go into the scratch folder, so that a test
  // can see what is left behind.
  ToolRun replay(const std::vector<std::string>& arguments) {
    fs::create_directories(temp());
    return runTool(arguments, {{"TMPDIR", temp().string()}});
  }
  fs::path temp() const { return scratch.path() / "tmp"; }
  ScratchDir scratch;
};

TEST_F(ReplayTool, EditorSessionGivesDrawingPictureAndConsole) {
  writeBytes(scratch.file("session.scr"), SESSION);
  const ToolRun run = replay({"--png", scratch.file("a.png"), "--console", scratch.file("a.txt"),
                              "--keep", "--answer", "drawing.txt", "--answer", "missing.txt",
                              scratch.file("session.scr"), "--", REPLAY_EDITOR});
  EXPECT_EQ(run.status, 0) << run.errors;
  EXPECT_NE(run.errors.find("zt738_editor exited with status 0\n"), std::string::npos)
      << run.errors;
  EXPECT_NE(run.errors.find("no answer left for \"save as....\""), std::string::npos) << run.errors;

  const fs::path kept = keptFolder(run.errors);
  ASSERT_FALSE(kept.empty()) << run.errors;
  EXPECT_EQ(kept.parent_path(), temp());
  EXPECT_EQ(readBytes((kept / "drawing.txt").string()),
            "SQUARE -100 50 0 -50 13 \nCIRCLE 100 -100 200 -200 6 \n");
  EXPECT_EQ(readBytes((kept / "ZT738.SCR").string()), SESSION);

  EXPECT_EQ(readBytes(scratch.file("a.txt")),
            "Cannot open drawing file missing.txt\n"
            "Cannot save drawing file \n"
            "EOF encountered in script file ZT738.SCR\n");
  expectPixels(scratch.file("a.png"), SESSION_PIXELS);
}

TEST_F(ReplayTool, SameScriptGivesTheSamePngAndLeavesNothingBehind) {
  writeBytes(scratch.file("session.scr"), SESSION);
  for (const char* png : {"first.png", "second.png"}) {
    const ToolRun run = replay({"--png", scratch.file(png), "--answer", "drawing.txt",
                                scratch.file("session.scr"), "--", REPLAY_EDITOR});
    EXPECT_EQ(run.status, 0) << run.errors;
  }
  const std::string first = readBytes(scratch.file("first.png"));
  EXPECT_FALSE(first.empty());
  EXPECT_TRUE(first == readBytes(scratch.file("second.png"))) << "the two PNGs differ";
  EXPECT_TRUE(fs::is_empty(temp())) << "temporary folders were left in " << temp();
}

TEST_F(ReplayTool, ProgramThatNeverQuitsIsStoppedAtTheTimeLimit) {
  writeBytes(scratch.file("short.scr"), "ZT738_MOUSE(1, 2);\nZT738_PERIODIC(2);\n");
  const ToolRun run = replay({"--timeout", "1", "--png", scratch.file("n.png"),
                              scratch.file("short.scr"), "--", REPLAY_NEVER_QUITS});
  EXPECT_EQ(run.status, 124) << run.errors;
  EXPECT_NE(run.errors.find("did not end within 1 seconds and was stopped; status 124"),
            std::string::npos)
      << run.errors;
  // Its replay had finished before it ignored the quit: the picture is kept.
  expectPixels(
      scratch.file("n.png"),
      {{"square", 0, 0, BLUE}, {"square's corner", 49, -49, BLUE}, {"outside", 60, 60, WHITE}});
  EXPECT_TRUE(fs::is_empty(temp()));
}

TEST_F(ReplayTool, UnreadableScriptGivesTheConsoleMessageAndThePicture) {
  const ToolRun run =
      replay({"--png", scratch.file("u.png"), "--console", scratch.file("u.txt"), "--answer",
              "never asked", scratch.file("no-such.scr"), "--", REPLAY_EDITOR});
  EXPECT_EQ(run.status, 0) << run.errors;
  EXPECT_NE(run.errors.find("cannot read the script"), std::string::npos) << run.errors;
  EXPECT_NE(run.errors.find("1 of the answers were not used"), std::string::npos) << run.errors;
  EXPECT_EQ(readBytes(scratch.file("u.txt")), "Cannot open script file ZT738.SCR for reading\n");
  expectPixels(scratch.file("u.png"),
               {{"palette's left edge", -295, 0, BLACK}, {"empty drawing", 0, 0, WHITE}});
}

TEST_F(ReplayTool, ExamplesReplayOnShortScripts) {
  constexpr Rgb YELLOW{255, 255, 0};
  struct Case {
    const char* program;
    std::string script;
    std::vector<std::string> answers;
    std::string console;
    std::vector<Point> pixels;
  };
  const std::vector<Case> cases = {
      // A click puts the ball there, c turns it from blue to yellow, and two
      // frames move it by its speed (5, 3) twice.
      {REPLAY_BOUNCING_BALL,
       "ZT738_PERIODIC(10);\nZT738_MOUSE(100, 50);\nZT738_KBD(99);\nZT738_PERIODIC(2);\n",
       {},
       "EOF encountered in script file ZT738.SCR\n",
       {{"ball's centre", 110, 56, YELLOW},
        {"ball's right edge", 128, 56, YELLOW},
        {"where it was clicked to", 85, 50, WHITE}}},
      // Each click asks for a word; the keys choose the size.
      {REPLAY_WORD_BOARD,
       "ZT738_KBD(53);\nZT738_MOUSE(-200, 0);\nZT738_PERIODIC(3);\nZT738_KBD(50);\n"
       "ZT738_MOUSE(0, -100);\n",
       {"hello", "two words"},
       "\"hello\" at (-200,0), size 50\n\"two words\" at (0,-100), size 20\n"
       "EOF encountered in script file ZT738.SCR\n",
       {{"empty board", 200, 100, WHITE}}},
  };
  for (const Case& c : cases) {
    writeBytes(scratch.file("e.scr"), c.script);
    std::vector<std::string> arguments = {"--png", scratch.file("e.png"), "--console",
                                          scratch.file("e.txt")};
    for (const std::string& a : c.answers) arguments.insert(arguments.end(), {"--answer", a});
    arguments.insert(arguments.end(), {scratch.file("e.scr"), "--", c.program});
    const ToolRun run = replay(arguments);
    EXPECT_EQ(run.status, 0) << c.program << "\n" << run.errors;
    EXPECT_EQ(readBytes(scratch.file("e.txt")), c.console) << c.program;
    expectPixels(scratch.file("e.png"), c.pixels);
  }
}

// 10,000 clicks on the grading example's program, each drawing a square at a
// place of its own: the log holds the request of every one, in order, far
// more lines than the console keeps.
TEST_F(ReplayTool, LogHoldsEveryRequestOfALongScript) {
  constexpr int EVENTS = 10000;
  std::string script;
  std::vector<std::string> squares;
  for (int i = 0; i < EVENTS; ++i) {
    const int x = (i * 7) % 400 - 200, y = (i * 13) % 300 - 150;
    script += "ZT738_MOUSE(" + std::to_string(x) + ", " + std::to_string(y) + ");\n";
    squares.push_back((i % 2 == 0 ? "blue" : "red") +
                      std::string(" rectangle with bounding box (") + std::to_string(x - 20) + "," +
                      std::to_string(y + 20) + ") to (" + std::to_string(x + 20) + "," +
                      std::to_string(y - 20) + "), filled\nsquare " + std::to_string(i + 1) +
                      " at (" + std::to_string(x) + ", " + std::to_string(y) + ")\n");
    script += "ZT738_KBD(99);\n";  // c: the other colour
  }
  writeBytes(scratch.file("long.scr"), script);
  const ToolRun run = replay({"--log", scratch.file("log.txt"), "--console", scratch.file("c.txt"),
                              "--timeout", "0", scratch.file("long.scr"), "--", REPLAY_SQUARES});
  EXPECT_EQ(run.status, 0) << run.errors;
  const std::string log = readBytes(scratch.file("log.txt"));
  size_t at = 0;
  for (const std::string& square : squares) {
    at = log.find(square, at);
    ASSERT_NE(at, std::string::npos) << "missing or out of order: " << square;
  }
  const std::string end = "EOF encountered in script file ZT738.SCR\n";
  EXPECT_EQ(log.substr(log.size() - end.size()), end);
  // The console keeps its last lines only, and they end the log too.
  const std::string console = readBytes(scratch.file("c.txt"));
  EXPECT_LT(console.size(), log.size() / 100);
  EXPECT_EQ(log.substr(log.size() - console.size()), console);
}

TEST_F(ReplayTool, WithoutLogTheProgramLogsNothingAndTextDrawsWithTheChosenFont) {
  writeBytes(scratch.file("w.scr"), "ZT738_MOUSE(-200, 0);\n");
  std::vector<std::string> pictures;
  for (const char* font : {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                           "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf"}) {
    const std::string png = scratch.file(std::to_string(pictures.size()) + ".png");
    const ToolRun run =
        replay({"--png", png, "--console", scratch.file("w.txt"), "--font", font, "--answer",
                "hello", scratch.file("w.scr"), "--", REPLAY_WORD_BOARD});
    EXPECT_EQ(run.status, 0) << run.errors;
    pictures.push_back(readBytes(png));
    EXPECT_EQ(readBytes(scratch.file("w.txt")),
              "\"hello\" at (-200,0), size 30\nEOF encountered in script file ZT738.SCR\n");
  }
  EXPECT_FALSE(pictures[0].empty());
  EXPECT_NE(pictures[0], pictures[1]) << "the font made no difference";

  const ToolRun missing =
      replay({"--font", scratch.file("none.ttf"), scratch.file("w.scr"), "--", REPLAY_WORD_BOARD});
  EXPECT_EQ(missing.status, 125);
  EXPECT_NE(missing.errors.find("cannot read the font"), std::string::npos) << missing.errors;
}

TEST_F(ReplayTool, StatusIsTheProgramsOrSaysWhatFailed) {
  writeBytes(scratch.file("s.scr"), "ZT738_KBD(97);\n");
  const std::string script = scratch.file("s.scr");
  struct Case {
    std::vector<std::string> arguments;
    int status;
    std::string line;  // on standard error
  };
  const std::vector<Case> cases = {
      {{script, "--", "sh", "-c", "exit 7"}, 7, "sh exited with status 7"},
      {{script, "--", "sh", "-c", "kill -9 $$"}, 137, "sh was killed by signal 9"},
      {{script, "--", "./no-such-program"}, 127, "cannot run"},
      // Asked for a picture that a program not on the package never writes.
      {{"--png", scratch.file("x.png"), script, "--", "true"}, 125, "the program wrote no picture"},
      {{"--timeout", "soon", script, "--", "true"}, 125, "--timeout: a number of seconds"},
  };
  for (const Case& c : cases) {
    const ToolRun run = replay(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.line << "\n" << run.errors;
    EXPECT_NE(run.errors.find(c.line), std::string::npos) << run.errors;
  }
  EXPECT_FALSE(fs::exists(scratch.file("x.png")));
}

}  // namespace
