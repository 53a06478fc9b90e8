// zt738-grade: grades a program on the ZT738 package against a reference.
// Both run headless on every script of a folder, under limits; their drawing
// logs, pictures, written files and endings are compared, and the results
// are written as report.html, report.json and, on request, Gradescope's
// results.json. Exits 0 only when every script passes. Linux only.
#include <pthread.h>
#include <signal.h>
#include <string.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <thread>

#include "../replay/options.h"
#include "grading.h"
#include "limited_run.h"
#include "options.h"
#include "report_html.h"
#include "report_json.h"

namespace fs = std::filesystem;

namespace {

constexpr int STATUS_FAILED_SCRIPTS = 1;
constexpr int STATUS_TOOL_FAILED = 2;

void say(const std::string& line) { std::fprintf(stderr, "zt738-grade: %s\n", line.c_str()); }

bool writeFile(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  out.close();
  if (!out) say("cannot write " + path.string());
  return static_cast<bool>(out);
}

sigset_t endingSignals() {
  sigset_t set;
  sigemptyset(&set);
  for (const int s : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&set, s);
  return set;
}

// A signal that ends the grader first stops every run (their process groups
// would outlive it otherwise); the grader then ends with 128 + the signal.
int caught = 0;
void watchSignals() {
  const sigset_t set = endingSignals();
  int signal = 0;
  if (sigwait(&set, &signal) != 0) return;
  caught = signal;
  stopAllRuns();
}

}  // namespace

int main(int argc, char** argv) {
  ParsedGradeOptions parsed = parseGradeOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (parsed.help) {
    std::fputs(GRADE_USAGE, stdout);
    return 0;
  }
  if (!parsed.error.empty()) {
    say(parsed.error);
    std::fputs(GRADE_USAGE, stderr);
    return STATUS_TOOL_FAILED;
  }
  GradeOptions& options = parsed.options;
  std::error_code ec;
  if (options.font.empty()) options.font = DEFAULT_FONT_FILE;
  if (!fs::is_regular_file(options.font, ec)) {
    say("cannot read the font " + options.font + "; choose one with --font");
    return STATUS_TOOL_FAILED;
  }
  options.font = fs::absolute(options.font, ec).string();
  std::vector<fs::path> scripts;
  std::string error;
  if (!findScripts(options.scripts, scripts, error)) {
    say(error);
    return STATUS_TOOL_FAILED;
  }
  fs::create_directories(options.report, ec);
  if (!fs::is_directory(options.report, ec)) {
    say("cannot create the report folder " + options.report);
    return STATUS_TOOL_FAILED;
  }

  const sigset_t set = endingSignals();
  pthread_sigmask(SIG_BLOCK, &set, nullptr);  // every thread made from here on, too
  std::thread(watchSignals).detach();

  const std::vector<ScriptResult> results = gradeAll(options, scripts);
  if (caught != 0) {
    say(std::string("stopped on ") + strsignal(caught));
    return 128 + caught;
  }

  bool written =
      writeFile(fs::path(options.report) / "report.html", reportHtml(options, results)) &&
      writeFile(fs::path(options.report) / "report.json", reportJson(options, results));
  if (!options.gradescope.empty())
    written &= writeFile(options.gradescope, gradescopeJson(results));
  size_t passed = 0;
  for (const ScriptResult& r : results) {
    passed += r.passed ? 1 : 0;
    std::fputs(plainVerdict(r).c_str(), stdout);
  }
  std::printf("%zu of %zu scripts pass; report in %s\n", passed, results.size(),
              (fs::path(options.report) / "report.html").c_str());
  if (!written) return STATUS_TOOL_FAILED;
  return passed == results.size() ? 0 : STATUS_FAILED_SCRIPTS;
}
