#include "script_session.h"

#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

#include "script.h"

void ScriptSession::SetUp() {
  display();
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  directory_ =
      std::filesystem::temp_directory_path() /
      ("zt738_script_" + std::string(info->name()) + "_" + std::to_string(std::random_device{}()));
  std::filesystem::remove_all(directory_);
  std::filesystem::create_directories(directory_);
  previous_ = std::filesystem::current_path();
  std::filesystem::current_path(directory_);
}

void ScriptSession::TearDown() {
  drainPosted();
  if (recording) ZT738_toggle_recording();
  if (playingBack) ZT738_toggle_playback();
  ZT738_close_script();
  playOneRequested = false;
  display().setAnimation(AnimationMode::Halt);
  std::filesystem::current_path(previous_);
  std::error_code ignored;
  std::filesystem::remove_all(directory_, ignored);
}

void ScriptSession::click(int x, int y) {
  RECT client = {};
  GetClientRect(graphics(), &client);
  const int cx = client.left + (client.right - client.left) / 2;
  const int cy = client.top + (client.bottom - client.top) / 2;
  PostMessageA(graphics(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(cx + x, cy - y));
}

void ScriptSession::type(char c) {
  PostMessageA(graphics(), WM_CHAR, static_cast<unsigned char>(c), 1);
}

void ScriptSession::command(int id) {
  PostMessageA(graphics(), WM_COMMAND, static_cast<WPARAM>(id), 0);
  drainPosted();
}

void ScriptSession::ctrlLetter(char letter) {
  PostMessageA(graphics(), WM_KEYDOWN, VK_CONTROL, 1);
  PostMessageA(graphics(), WM_KEYDOWN, static_cast<WPARAM>(letter), 1);
  drainPosted();  // also takes the character that the letter's key-down makes
  PostMessageA(graphics(), WM_KEYUP, VK_CONTROL, static_cast<LPARAM>(0xC0000001u));
  drainPosted();
}

void ScriptSession::drainPosted() {
  // Posted messages come before paint and timer messages, so the pump takes
  // them one per pass until one of those is next.
  MSG message = {};
  for (int i = 0; i < 64 && PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE); ++i) {
    if (message.message == WM_TIMER || message.message == WM_PAINT || message.message == WM_QUIT) {
      return;
    }
    ZT738_pump();
  }
}

Event ScriptSession::nextWithSentinel() {
  click(SENTINEL_X, SENTINEL_Y);
  return next();
}

bool ScriptSession::isSentinel(const Event& event) {
  return event.kind == EventMouse && event.x == SENTINEL_X && event.y == SENTINEL_Y;
}

bool ScriptSession::checked(int id) {
  HMENU run = GetSubMenu(GetMenu(graphics()), 0);
  const UINT state = GetMenuState(run, static_cast<UINT>(id), MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0;
}

std::string ScriptSession::lastConsoleLine() {
  if (consoleFirst < 0) return "";
  return consoleHistory[(consoleNext + CONSOLE_SLOTS - 1) % CONSOLE_SLOTS];
}

const char* ScriptSession::markerLine() { return "-- script test marker --\n"; }

void ScriptSession::consoleMarker() { ZT738_console_printf("%s", markerLine()); }

void ScriptSession::writeScript(const std::string& bytes) {
  std::ofstream out(SCRIPT_FILE_NAME, std::ios::binary);
  out << bytes;
}

std::string ScriptSession::readScript() {
  std::ifstream in(SCRIPT_FILE_NAME, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string ScriptSession::textLines(const std::vector<std::string>& lines) {
#ifdef _WIN32
  const char* lineEnd = "\r\n";  // text mode writes CR LF on Windows
#else
  const char* lineEnd = "\n";
#endif
  std::string joined;
  for (const std::string& line : lines) joined += line + lineEnd;
  return joined;
}

namespace {

::testing::AssertionResult matches(const Event& event, const Event& wanted) {
  if (event.kind == wanted.kind && event.x == wanted.x && event.y == wanted.y &&
      event.key == wanted.key) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "got kind " << event.kind << " (" << event.x << ", " << event.y << ") key "
         << static_cast<int>(event.key) << ", wanted kind " << wanted.kind << " (" << wanted.x
         << ", " << wanted.y << ") key " << static_cast<int>(wanted.key);
}

}  // namespace

::testing::AssertionResult isMouse(const Event& event, int x, int y) {
  return matches(event, Event{EventMouse, x, y, 0});
}

::testing::AssertionResult isKey(const Event& event, char key) {
  return matches(event, Event{EventKey, 0, 0, key});
}

::testing::AssertionResult isPeriodic(const Event& event) {
  return matches(event, Event{EventPeriodic, 0, 0, 0});
}
