// zt738-replay: runs a program on the ZT738 package headless on a recorded
// script, in a fresh temporary folder, and keeps what it drew (a PNG) and
// what its console holds.
//
// The program finds a copy of SCRIPT as "ZT738.SCR" in its working folder
// and is told through environment variables (graphics/src/replay_hooks.h) to
// play it back at once, to write its client area and console lines into a
// second, private folder when playback ends, and then to quit.
#include <string.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "options.h"
#include "png_output.h"
#include "run_program.h"
#include "temp_folder.h"

namespace fs = std::filesystem;

namespace {

// Our own failures: a bad command line, no temporary folder, an output that
// could not be written.
constexpr int STATUS_TOOL_FAILED = 125;
constexpr int STATUS_TIMED_OUT = 124;

void say(const std::string& line) { std::fprintf(stderr, "zt738-replay: %s\n", line.c_str()); }

// A script that cannot be read is not copied: the program then reports the
// missing script on its console, as it would without the tool.
void copyScript(const std::string& script, const fs::path& to) {
  std::error_code ec;
  if (!fs::is_regular_file(script, ec)) {
    say("cannot read the script " + script + "; the program starts without one");
    return;
  }
  std::ifstream in(script, std::ios::binary);
  std::ofstream out(to, std::ios::binary);
  if (in) out << in.rdbuf();
  if (!in || !out) say("cannot read the script " + script + "; the program starts without one");
}

bool writeAnswers(const std::vector<std::string>& answers, const fs::path& to) {
  std::ofstream out(to, std::ios::binary);
  for (const std::string& a : answers) out << a << '\n';
  return static_cast<bool>(out);
}

// The status the tool ends with, after a line saying how the program ended.
int reportEnding(const ProgramEnding& ending, const std::string& program, double timeout) {
  switch (ending.how) {
    case ProgramEnding::Exited:
      say(program + " exited with status " + std::to_string(ending.value));
      return ending.value;
    case ProgramEnding::Killed:
      say(program + " was killed by signal " + std::to_string(ending.value) + " (" +
          strsignal(ending.value) + "); status " + std::to_string(128 + ending.value));
      return 128 + ending.value;
    case ProgramEnding::TimedOut: {
      char seconds[32];
      std::snprintf(seconds, sizeof seconds, "%g", timeout);
      say(program + " did not end within " + seconds + " seconds and was stopped; status 124");
      return STATUS_TIMED_OUT;
    }
    case ProgramEnding::Interrupted:
      say(std::string("stopped ") + program + " on " + strsignal(ending.value) + "; status " +
          std::to_string(128 + ending.value));
      return 128 + ending.value;
    case ProgramEnding::NotStarted:
      break;
  }
  say("cannot start " + program);
  return STATUS_TOOL_FAILED;
}

// Whether the program wrote an output; when not, says so.
bool written(const fs::path& output, const std::string& what, const std::string& target) {
  std::error_code ec;
  if (fs::exists(output, ec)) return true;
  say("the program wrote no " + what + ", so " + target + " was not written");
  return false;
}

// Each output asked for: false when it is missing or cannot be written.
bool deliverPicture(const fs::path& pixels, const std::string& png) {
  if (!written(pixels, "picture", png)) return false;
  RgbImage image;
  std::string error;
  if (!readPpm(pixels.string(), image, error) || !writePng(png, image, error)) {
    say(error);
    return false;
  }
  return true;
}

bool deliverConsole(const fs::path& lines, const std::string& console) {
  if (!written(lines, "console lines", console)) return false;
  std::error_code ec;
  if (!fs::copy_file(lines, console, fs::copy_options::overwrite_existing, ec)) {
    say("cannot write " + console + ": " + ec.message());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const ParsedOptions parsed = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (parsed.help) {
    std::fputs(USAGE, stdout);
    return 0;
  }
  if (!parsed.error.empty()) {
    say(parsed.error);
    std::fputs(USAGE, stderr);
    return STATUS_TOOL_FAILED;
  }
  const Options& options = parsed.options;

  TempFolder work;     // the program's working folder
  TempFolder control;  // what the package hands back, and the answers
  std::string error;
  if (!work.create("zt738-replay", error) || !control.create("zt738-replay-control", error)) {
    say(error);
    return STATUS_TOOL_FAILED;
  }
  copyScript(options.script, work.file("ZT738.SCR"));

  Environment environment = {
      {"ZT738_VIDEO", "headless"},
      {"ZT738_REPLAY", "1"},
      {"ZT738_REPLAY_PIXELS", control.file("picture.ppm").string()},
      {"ZT738_REPLAY_CONSOLE", control.file("console.txt").string()},
  };
  if (!options.answers.empty()) {
    if (!writeAnswers(options.answers, control.file("answers.txt"))) {
      say("cannot write the answers into " + control.path().string());
      return STATUS_TOOL_FAILED;
    }
    environment.emplace_back("ZT738_REPLAY_ANSWERS", control.file("answers.txt").string());
  }

  // The program runs in the temporary folder: a path to it must not depend on
  // the tool's own working folder.
  std::vector<std::string> command = options.command;
  std::error_code ec;
  if (command[0].find('/') != std::string::npos) command[0] = fs::absolute(command[0], ec).string();

  const ProgramEnding ending =
      runProgram(command, work.path().string(), environment, options.timeoutSeconds);
  int status = reportEnding(ending, options.command[0], options.timeoutSeconds);

  // A program stopped at the time limit may have finished its replay and
  // then failed to quit: what it wrote is delivered all the same.
  bool delivered = true;
  if (!options.png.empty()) delivered &= deliverPicture(control.file("picture.ppm"), options.png);
  if (!options.console.empty())
    delivered &= deliverConsole(control.file("console.txt"), options.console);
  if (!delivered && status == 0) status = STATUS_TOOL_FAILED;

  if (options.keep) {
    work.keep();
    say("kept the program's folder " + work.path().string());
  }
  return status;
}
