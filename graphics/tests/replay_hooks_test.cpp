// The package's side of zt738-replay: playback started as Playback Script
// starts it, the picture and console written when it ends, the quit, the
// answers typed into the real line-input dialog, and the settings taken from
// the environment.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#ifndef _WIN32
#include <png.h>
#endif

#include "replay_hooks.h"
#include "script_session.h"

namespace {

using ReplayHooks = ScriptSession;

std::string fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void setEnvironment(const char* name, const char* value) {
#ifdef _WIN32
  _putenv_s(name, value);  // an empty value removes the variable
#else
  if (*value != '\0') {
    setenv(name, value, 1);
  } else {
    unsetenv(name);
  }
#endif
}

bool quitPosted() {
  MSG message = {};
  return PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

ReplaySettings activeSettings() {
  ReplaySettings settings;
  settings.active = true;
  settings.picturePath = "picture.png";
  settings.consolePath = "console.txt";
  return settings;
}

#ifndef _WIN32
// The picture read back with libpng; the colour at a logical point of it.
struct Picture {
  explicit Picture(const std::string& path) {
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return;
    image.format = PNG_FORMAT_RGB;
    pixels.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) return;
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
  }
  COLORREF at(int x, int y) const {
    const size_t i = (static_cast<size_t>(height / 2 - y) * width + (width / 2 + x)) * 3;
    return RGB(pixels[i], pixels[i + 1], pixels[i + 2]);
  }
  int width = 0;
  int height = 0;
  std::vector<unsigned char> pixels;
};
#endif

TEST_F(ReplayHooks, PlaybackStartsAtOnceAndItsEndWritesThePictureAndConsoleThenQuits) {
  writeScript("ZT738_MOUSE(5, 6);\nZT738_KBD(65);\n");
  clearConsole();
  display().clear(COLOUR_WHITE);
  display().drawRectangle(-20, -20, 20, 20, COLOUR_BLUE, 0);

  ZT738_replay_begin(activeSettings());
  EXPECT_TRUE(isMouse(next(), 5, 6));
  EXPECT_TRUE(checked(CmdPlaybackScript));  // chosen as the menu item is
  EXPECT_TRUE(isKey(next(), 'A'));
  EXPECT_EQ(next().kind, EventQuit);

  EXPECT_EQ(fileBytes("console.txt"), "EOF encountered in script file ZT738.SCR\n");
#ifdef _WIN32
  EXPECT_FALSE(std::filesystem::exists("picture.png"));  // pictures come from the headless driver
#else
  const Picture picture("picture.png");
  RECT client = {};
  GetClientRect(graphics(), &client);
  ASSERT_EQ(picture.width, client.right - client.left);
  ASSERT_EQ(picture.height, client.bottom - client.top);
  for (const auto& [x, y, colour] :
       {std::tuple{0, 0, colourRgb[COLOUR_BLUE]}, std::tuple{19, -19, colourRgb[COLOUR_BLUE]},
        std::tuple{30, 30, colourRgb[COLOUR_WHITE]}}) {
    EXPECT_EQ(picture.at(x, y), colour)
        << "at (" << x << ", " << y << "): expected " << colour << ", actual " << picture.at(x, y);
  }
#endif

  // Once per run: a second end, or the end of the display, writes nothing.
  std::remove("console.txt");
  ZT738_replay_playback_ended();
  ZT738_replay_display_ended();
  EXPECT_FALSE(quitPosted());
  EXPECT_FALSE(std::filesystem::exists("console.txt"));
  ZT738_replay_begin(ReplaySettings{});
}

TEST_F(ReplayHooks, ProgramThatQuitsBeforeTheEndWritesWhenTheDisplayEnds) {
  clearConsole();
  ZT738_console_printf("one line without its end");
  ZT738_console_printf("two\n");
  ReplaySettings settings = activeSettings();
  settings.picturePath.clear();  // the picture is optional
  ZT738_replay_begin(settings);
  drainPosted();
  ZT738_replay_display_ended();
  EXPECT_EQ(fileBytes("console.txt"), "one line without its end\ntwo\n");
  EXPECT_FALSE(std::filesystem::exists("picture.png"));
  ZT738_replay_begin(ReplaySettings{});
}

TEST_F(ReplayHooks, LogHoldsEveryConsoleLineAndLoggingStartsWithPlaybackOnce) {
  writeScript("ZT738_MOUSE(5, 6);\n");
  clearConsole();
  ZT738_set_logging(0);
  ReplaySettings settings = activeSettings();
  settings.logPath = "log.txt";
  ZT738_replay_begin(settings);
  ZT738_console_printf("before playback\n");
  EXPECT_FALSE(logging);  // switched on when playback starts, not before
  EXPECT_TRUE(isMouse(next(), 5, 6));
  EXPECT_TRUE(logging);
  // More lines than the console keeps, one of them without its line end.
  for (int i = 0; i < CONSOLE_SLOTS + 5; ++i) ZT738_console_printf("line %d\n", i);
  ZT738_console_printf("no end");
  // A program that switches logging off keeps it off: it is switched on once.
  ZT738_set_logging(0);
  ZT738_replay_playback_started();
  EXPECT_FALSE(logging);
  EXPECT_EQ(next().kind, EventQuit);
  ZT738_replay_display_ended();

  std::string expected = "before playback\n";
  for (int i = 0; i < CONSOLE_SLOTS + 5; ++i) expected += "line " + std::to_string(i) + "\n";
  expected += "no end\nEOF encountered in script file ZT738.SCR\n";
  EXPECT_EQ(fileBytes("log.txt"), expected);
  ZT738_replay_begin(ReplaySettings{});
  ZT738_set_logging(0);
}

TEST_F(ReplayHooks, DialogsGetTheAnswersInOrderThenAnEmptyLine) {
  ReplaySettings settings = activeSettings();
  settings.answers = {"first.txt", "with space & 100%", "caf\xC3\xA9"};
  ZT738_replay_begin(settings);
  drainPosted();
  for (const char* expected : {"first.txt", "with space & 100%", "caf\xC3\xA9", ""}) {
    char result[GETS_CAPACITY] = "untouched";
    EXPECT_EQ(ZT738_gets("save as....", result), 1);
    EXPECT_STREQ(result, expected);
  }
  ZT738_replay_begin(ReplaySettings{});
}

TEST_F(ReplayHooks, WithoutReplayNothingHappens) {
  ReplaySettings settings = activeSettings();
  settings.active = false;
  ZT738_replay_begin(settings);
  drainPosted();
  EXPECT_FALSE(playingBack);
  ZT738_replay_playback_ended();
  ZT738_replay_display_ended();
  EXPECT_FALSE(quitPosted());
  EXPECT_FALSE(std::filesystem::exists("console.txt"));
  EXPECT_FALSE(std::filesystem::exists("picture.png"));
}

TEST_F(ReplayHooks, SettingsComeFromTheEnvironment) {
  std::ofstream("answers.txt", std::ios::binary) << "one\n\nlast without end";
  setEnvironment("ZT738_REPLAY", "1");
  setEnvironment("ZT738_REPLAY_PICTURE", "p.png");
  setEnvironment("ZT738_REPLAY_CONSOLE", "c.txt");
  setEnvironment("ZT738_REPLAY_LOG", "l.txt");
  setEnvironment("ZT738_REPLAY_ANSWERS", "answers.txt");
  ReplaySettings s = ZT738_replay_settings_from_environment();
  EXPECT_TRUE(s.active);
  EXPECT_EQ(s.picturePath, "p.png");
  EXPECT_EQ(s.consolePath, "c.txt");
  EXPECT_EQ(s.logPath, "l.txt");
  EXPECT_EQ(s.answers, (std::vector<std::string>{"one", "", "last without end"}));

  setEnvironment("ZT738_REPLAY_ANSWERS", "no-such-file.txt");
  EXPECT_TRUE(ZT738_replay_settings_from_environment().answers.empty());

  // Without ZT738_REPLAY the others are not even read.
  setEnvironment("ZT738_REPLAY", "");
  s = ZT738_replay_settings_from_environment();
  EXPECT_FALSE(s.active);
  EXPECT_EQ(s.picturePath, "");
  EXPECT_EQ(s.logPath, "");
  for (const char* name :
       {"ZT738_REPLAY_PICTURE", "ZT738_REPLAY_CONSOLE", "ZT738_REPLAY_LOG", "ZT738_REPLAY_ANSWERS"})
    setEnvironment(name, "");
}

}  // namespace
