// zt738-replay: runs a program on the ZT738 package headless on a recorded
// script, in a fresh temporary folder, and keeps what it drew (a PNG), what
// its console holds and, on request, every console line of the run.
//
// The program finds a copy of SCRIPT as "ZT738.SCR" in its working folder
// and is told through environment variables (graphics/src/replay_hooks.h) to
// play it back at once, to draw text with one font file, to write its client
// area (a PNG, from the headless driver's last frame) and console lines into
// a second, private folder when playback ends, and then to quit.
#include <string.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "options.h"
#include "replay_setup.h"
#include "run_program.h"
#include "temp_folder.h"

namespace fs = std::filesystem;

namespace {

// Our own failures: a bad command line, no temporary folder, an output that
// could not be written.
constexpr int STATUS_TOOL_FAILED = 125;
constexpr int STATUS_TIMED_OUT = 124;

void say(const std::string& line) { std::fprintf(stderr, "zt738-replay: %s\n", line.c_str()); }

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

// Copies an output that the program wrote; false, after a line, when it is
// missing or cannot be copied.
bool deliver(const fs::path& written, const std::string& what, const std::string& target) {
  std::error_code ec;
  if (!fs::exists(written, ec)) {
    say("the program wrote no " + what + ", so " + target + " was not written");
    return false;
  }
  if (!fs::copy_file(written, target, fs::copy_options::overwrite_existing, ec)) {
    say("cannot write " + target + ": " + ec.message());
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
  std::error_code ec;
  if (!fs::is_regular_file(options.font, ec)) {
    say("cannot read the font " + options.font + "; choose one with --font");
    return STATUS_TOOL_FAILED;
  }
  ReplayInputs inputs;
  inputs.script = options.script;
  inputs.answers = options.answers;
  inputs.font = fs::absolute(options.font, ec).string();
  inputs.picture = !options.png.empty();
  inputs.console = !options.console.empty();
  inputs.log = !options.log.empty();
  Environment environment;
  std::string warning;
  if (!prepareReplay(inputs, work, control, environment, warning, error)) {
    say(error);
    return STATUS_TOOL_FAILED;
  }
  if (!warning.empty()) say(warning);

  // The program runs in the temporary folder: a path to it must not depend on
  // the tool's own working folder.
  const std::vector<std::string> command = absoluteCommand(options.command);
  const ProgramEnding ending =
      runProgram(command, work.path().string(), environment, options.timeoutSeconds);
  int status = reportEnding(ending, options.command[0], options.timeoutSeconds);

  // A program stopped at the time limit may have finished its replay and
  // then failed to quit: what it wrote is delivered all the same.
  bool delivered = true;
  if (!options.png.empty())
    delivered &= deliver(control.file(PICTURE_FILE), "picture", options.png);
  if (!options.console.empty())
    delivered &= deliver(control.file(CONSOLE_FILE), "console lines", options.console);
  if (!options.log.empty()) delivered &= deliver(control.file(LOG_FILE), "log", options.log);
  if (!delivered && status == 0) status = STATUS_TOOL_FAILED;

  if (options.keep) {
    work.keep();
    say("kept the program's folder " + work.path().string());
  }
  return status;
}
