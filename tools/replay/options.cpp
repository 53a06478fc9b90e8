#include "options.h"

#include <getopt.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>

const char* const USAGE =
    "usage: zt738-replay [--png FILE] [--console FILE] [--log FILE] [--font FILE]\n"
    "                    [--timeout SECONDS] [--keep] [--answer TEXT]... SCRIPT -- PROGRAM "
    "[ARGS...]\n";

namespace {

enum OptionId { Png = 1, Console, Log, Font, Timeout, Keep, Answer, Help = 'h' };

const option LONG_OPTIONS[] = {
    {"png", required_argument, nullptr, Png},
    {"console", required_argument, nullptr, Console},
    {"log", required_argument, nullptr, Log},
    {"font", required_argument, nullptr, Font},
    {"timeout", required_argument, nullptr, Timeout},
    {"keep", no_argument, nullptr, Keep},
    {"answer", required_argument, nullptr, Answer},
    {"help", no_argument, nullptr, Help},
    {nullptr, 0, nullptr, 0},
};

// The option as the user wrote it, without a value after "=".
std::string writtenName(const std::string& argument) {
  return argument.substr(0, argument.find('='));
}

}  // namespace

bool parseSeconds(const std::string& text, double& seconds) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  const double value = std::strtod(text.c_str(), &end);
  if (errno != 0 || *end != '\0' || !std::isfinite(value)) return false;
  if (value < 0 || value > MAX_TIMEOUT_SECONDS) return false;
  seconds = value;
  return true;
}

// An answer is typed into a one-line field: printable characters only.
std::string answerProblem(const std::string& answer) {
  if (answer.size() > MAX_ANSWER_LENGTH) return "--answer: at most 255 characters";
  for (const char c : answer) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) return "--answer: only printable characters, on one line";
  }
  return "";
}

ParsedOptions parseOptions(const std::vector<std::string>& arguments) {
  ParsedOptions parsed;
  Options& o = parsed.options;
  auto fail = [&parsed](const std::string& message) {
    parsed.error = message;
    return parsed;
  };

  std::vector<std::string> words{"zt738-replay"};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  const int argc = static_cast<int>(words.size());

  // "+": stop at the script; ":": a missing value is told apart.
  optind = 0;  // a fresh scan, also when called again
  opterr = 0;
  for (;;) {
    const int id = getopt_long(argc, argv.data(), "+:h", LONG_OPTIONS, nullptr);
    if (id == -1) break;
    const std::string value = optarg != nullptr ? optarg : "";
    const std::string written = writtenName(words[static_cast<size_t>(optind) - 1]);
    switch (id) {
      case Help:
        parsed.help = true;
        return parsed;
      case Png:
      case Console:
      case Log:
      case Font:
        if (value.empty())
          return fail(std::string("--") + LONG_OPTIONS[id - 1].name + " needs a file name");
        (id == Png ? o.png : id == Console ? o.console : id == Log ? o.log : o.font) = value;
        break;
      case Timeout:
        if (!parseSeconds(value, o.timeoutSeconds))
          return fail("--timeout: a number of seconds from 0 (no limit) to 1000000");
        break;
      case Keep:
        o.keep = true;
        break;
      case Answer: {
        const std::string problem = answerProblem(value);
        if (!problem.empty()) return fail(problem);
        o.answers.push_back(value);
        break;
      }
      case ':':
        return fail(written + " needs a value");
      default:  // '?'
        if (optopt == Keep || optopt == Help) return fail(written + " takes no value");
        return fail("unknown option " + writtenName(words[static_cast<size_t>(optind) - 1]));
    }
  }

  size_t i = static_cast<size_t>(optind) - 1;  // index into arguments
  if (i > 0 && arguments[i - 1] == "--") return fail("the script is missing before --");
  if (i >= arguments.size()) return fail("the script is missing");
  o.script = arguments[i++];
  if (i >= arguments.size() || arguments[i] != "--")
    return fail("-- and the program's command must follow the script");
  ++i;
  if (i >= arguments.size()) return fail("the program is missing after --");
  o.command.assign(arguments.begin() + static_cast<std::ptrdiff_t>(i), arguments.end());
  return parsed;
}
