#include "options.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

const char* const USAGE =
    "usage: zt738-replay [--png FILE] [--console FILE] [--timeout SECONDS] [--keep]\n"
    "                    [--answer TEXT]... SCRIPT -- PROGRAM [ARGS...]\n";

namespace {

bool parseTimeout(const std::string& text, double& seconds) {
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

}  // namespace

ParsedOptions parseOptions(const std::vector<std::string>& arguments) {
  ParsedOptions parsed;
  Options& o = parsed.options;
  size_t i = 0;
  auto fail = [&parsed](const std::string& message) {
    parsed.error = message;
    return parsed;
  };
  for (; i < arguments.size(); ++i) {
    std::string name = arguments[i];
    if (name == "--") return fail("the script is missing before --");
    if (name == "--help" || name == "-h") {
      parsed.help = true;
      return parsed;
    }
    if (name == "--keep") {
      o.keep = true;
      continue;
    }
    if (name.rfind("--", 0) != 0) break;  // the script

    std::string value;
    const size_t equals = name.find('=');
    if (equals != std::string::npos) {
      value = name.substr(equals + 1);
      name.resize(equals);
    } else if (name == "--png" || name == "--console" || name == "--timeout" ||
               name == "--answer") {
      if (i + 1 >= arguments.size()) return fail(name + " needs a value");
      value = arguments[++i];
    } else {
      return fail("unknown option " + name);
    }

    if (name == "--png" || name == "--console") {
      if (value.empty()) return fail(name + " needs a file name");
      (name == "--png" ? o.png : o.console) = value;
    } else if (name == "--timeout") {
      if (!parseTimeout(value, o.timeoutSeconds))
        return fail("--timeout: a number of seconds from 0 (no limit) to 1000000");
    } else if (name == "--answer") {
      const std::string problem = answerProblem(value);
      if (!problem.empty()) return fail(problem);
      o.answers.push_back(value);
    } else {
      return fail("unknown option " + name);
    }
  }

  if (i >= arguments.size()) return fail("the script is missing");
  o.script = arguments[i++];
  if (i >= arguments.size() || arguments[i] != "--")
    return fail("-- and the program's command must follow the script");
  ++i;
  if (i >= arguments.size()) return fail("the program is missing after --");
  o.command.assign(arguments.begin() + static_cast<std::ptrdiff_t>(i), arguments.end());
  return parsed;
}
