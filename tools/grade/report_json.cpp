#include "report_json.h"

#include <cstdio>

namespace {

std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (u < 0x20 || u == 0x7F) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", u);
      out += escape;
    } else if (u >= 0x80) {
      // The package's text is Windows-1252 and may not be UTF-8: such bytes
      // are written as the Latin-1 characters of the same number.
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", u);
      out += escape;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", value);
  return text;
}

std::string list(const std::vector<std::string>& items, const std::string& indent) {
  if (items.empty()) return "[]";
  std::string out = "[\n";
  for (size_t i = 0; i < items.size(); ++i)
    out += indent + "  " + quoted(items[i]) + (i + 1 < items.size() ? ",\n" : "\n");
  return out + indent + "]";
}

std::string scriptJson(const ScriptResult& r) {
  const std::string in = "      ";
  std::string out = "    {\n";
  out += in + "\"name\": " + quoted(r.name) + ",\n";
  out += in + "\"verdict\": " + quoted(r.passed ? "pass" : "fail") + ",\n";
  out += in + "\"reasons\": " + list(r.reasons, in) + ",\n";
  out += in + "\"differing_pixels\": " +
         (r.picturesCompared ? std::to_string(r.differingPixels) : "null") + ",\n";
  out += in + "\"first_differing_log_line\": " +
         (r.log.same ? "null" : std::to_string(r.log.firstLine)) + ",\n";
  if (!r.log.same) {
    out += in + "\"log_difference\": {\n";
    out += in + "  \"from_line\": " + std::to_string(r.log.from) + ",\n";
    out += in + "  \"reference\": " + list(r.log.reference, in + "  ") + ",\n";
    out += in + "  \"graded\": " + list(r.log.graded, in + "  ") + "\n";
    out += in + "},\n";
  }
  std::vector<std::string> files;
  for (const FileDifference& f : r.files) files.push_back(f.name + ": " + f.what);
  out += in + "\"files\": " + list(files, in) + ",\n";
  out += in + "\"reference_ending\": " + quoted(r.referenceEnding) + ",\n";
  out += in + "\"ending\": " + quoted(r.gradedEnding) + ",\n";
  out += in + "\"seconds\": {\"reference\": " + number(r.referenceSeconds) +
         ", \"graded\": " + number(r.gradedSeconds) + "}\n";
  return out + "    }";
}

}  // namespace

std::string plainVerdict(const ScriptResult& r) {
  std::string out = r.name + ": " + (r.passed ? "pass" : "fail") + "\n";
  for (const std::string& reason : r.reasons) out += "  " + reason + "\n";
  if (!r.log.same) {
    out += "  reference log from line " + std::to_string(r.log.from) + ":\n";
    for (const std::string& line : r.log.reference) out += "    " + line + "\n";
    out += "  its log from line " + std::to_string(r.log.from) + ":\n";
    for (const std::string& line : r.log.graded) out += "    " + line + "\n";
  }
  return out;
}

std::string reportJson(const GradeOptions& options, const std::vector<ScriptResult>& results) {
  size_t passed = 0;
  for (const ScriptResult& r : results) passed += r.passed ? 1 : 0;
  std::string out = "{\n";
  out += "  \"reference\": " + quoted(options.reference) + ",\n";
  out += "  \"program\": " + list(options.command, "  ") + ",\n";
  out += "  \"tolerance\": " + std::to_string(options.tolerance) + ",\n";
  out += "  \"passed\": " + std::to_string(passed) + ",\n";
  out += "  \"scripts_graded\": " + std::to_string(results.size()) + ",\n";
  out += "  \"scripts\": [\n";
  for (size_t i = 0; i < results.size(); ++i)
    out += scriptJson(results[i]) + (i + 1 < results.size() ? ",\n" : "\n");
  return out + "  ]\n}\n";
}

std::string gradescopeJson(const std::vector<ScriptResult>& results) {
  size_t passed = 0;
  std::string tests;
  for (size_t i = 0; i < results.size(); ++i) {
    const ScriptResult& r = results[i];
    passed += r.passed ? 1 : 0;
    tests += "    {\"name\": " + quoted(r.name) + ", \"score\": " + (r.passed ? "1" : "0") +
             ", \"max_score\": 1, \"output\": " + quoted(plainVerdict(r)) + "}" +
             (i + 1 < results.size() ? ",\n" : "\n");
  }
  return "{\n  \"score\": " + std::to_string(passed) + ",\n  \"tests\": [\n" + tests + "  ]\n}\n";
}
