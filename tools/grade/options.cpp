#include "options.h"

#include <getopt.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "../replay/options.h"

const char* const GRADE_USAGE =
    "usage: zt738-grade --reference PROGRAM --scripts DIR [--jobs N] [--tolerance PIXELS]\n"
    "                   [--report DIR] [--gradescope FILE] [--font FILE] [--timeout SECONDS]\n"
    "                   [--cpu-seconds N] [--memory MEGABYTES] [--file-size MEGABYTES]\n"
    "                   [--processes N] -- PROGRAM [ARGS...]\n";

namespace {

enum OptionId {
  Reference = 1,
  Scripts,
  Jobs,
  Tolerance,
  Report,
  Gradescope,
  Font,
  Timeout,
  CpuSeconds,
  Memory,
  FileSize,
  Processes,
  Help = 'h'
};

const option LONG_OPTIONS[] = {
    {"reference", required_argument, nullptr, Reference},
    {"scripts", required_argument, nullptr, Scripts},
    {"jobs", required_argument, nullptr, Jobs},
    {"tolerance", required_argument, nullptr, Tolerance},
    {"report", required_argument, nullptr, Report},
    {"gradescope", required_argument, nullptr, Gradescope},
    {"font", required_argument, nullptr, Font},
    {"timeout", required_argument, nullptr, Timeout},
    {"cpu-seconds", required_argument, nullptr, CpuSeconds},
    {"memory", required_argument, nullptr, Memory},
    {"file-size", required_argument, nullptr, FileSize},
    {"processes", required_argument, nullptr, Processes},
    {"help", no_argument, nullptr, Help},
    {nullptr, 0, nullptr, 0},
};

// A whole number from low to high.
bool parseCount(const std::string& text, long low, long high, long& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  const long n = std::strtol(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || n < low || n > high) return false;
  value = n;
  return true;
}

std::string writtenName(const std::string& argument) {
  return argument.substr(0, argument.find('='));
}

}  // namespace

ParsedGradeOptions parseGradeOptions(const std::vector<std::string>& arguments) {
  ParsedGradeOptions parsed;
  GradeOptions& o = parsed.options;
  auto fail = [&parsed](const std::string& message) {
    parsed.error = message;
    return parsed;
  };
  std::vector<std::string> words{"zt738-grade"};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);

  optind = 0;
  opterr = 0;
  for (;;) {
    const int id =
        getopt_long(static_cast<int>(words.size()), argv.data(), "+:h", LONG_OPTIONS, nullptr);
    if (id == -1) break;
    const std::string value = optarg != nullptr ? optarg : "";
    const std::string written = writtenName(words[static_cast<size_t>(optind) - 1]);
    long n = 0;
    switch (id) {
      case Help:
        parsed.help = true;
        return parsed;
      case Reference:
      case Scripts:
      case Report:
      case Gradescope:
      case Font:
        if (value.empty()) return fail(written + " needs a value");
        (id == Reference ? o.reference
         : id == Scripts ? o.scripts
         : id == Report  ? o.report
         : id == Font    ? o.font
                         : o.gradescope) = value;
        break;
      case Jobs:
        if (!parseCount(value, 1, 1024, n))
          return fail("--jobs: a number of processes from 1 to 1024");
        o.jobs = static_cast<int>(n);
        break;
      case Tolerance:
        if (!parseCount(value, 0, LONG_MAX, o.tolerance))
          return fail("--tolerance: a number of pixels, 0 or more");
        break;
      case Timeout:
        if (!parseSeconds(value, o.limits.wallSeconds))
          return fail("--timeout: a number of seconds from 0 (no limit) to 1000000");
        break;
      case CpuSeconds:
        if (!parseCount(value, 1, 1000000, o.limits.cpuSeconds))
          return fail("--cpu-seconds: a number of seconds from 1 to 1000000");
        break;
      case Memory:
        if (!parseCount(value, 0, 1L << 30, o.limits.memoryMegabytes))
          return fail("--memory: a number of megabytes, 0 for no limit");
        break;
      case FileSize:
        if (!parseCount(value, 1, 1L << 30, o.limits.fileMegabytes))
          return fail("--file-size: a number of megabytes from 1");
        break;
      case Processes:
        if (!parseCount(value, 1, 100000, o.limits.processes))
          return fail("--processes: a number of processes from 1 to 100000");
        break;
      case ':':
        return fail(written + " needs a value");
      default:
        if (optopt == Help) return fail(written + " takes no value");
        return fail("unknown option " + written);
    }
  }
  size_t i = static_cast<size_t>(optind) - 1;
  if (o.reference.empty()) return fail("--reference PROGRAM is missing");
  if (o.scripts.empty()) return fail("--scripts DIR is missing");
  if (i == 0 || arguments[i - 1] != "--")
    return fail("-- and the graded program's command must follow the options");
  if (i >= arguments.size()) return fail("the graded program is missing after --");
  o.command.assign(arguments.begin() + static_cast<std::ptrdiff_t>(i), arguments.end());
  return parsed;
}
