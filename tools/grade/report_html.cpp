#include "report_html.h"

#include "png_file.h"

namespace {

const char* const STYLE = R"(
body { font-family: sans-serif; margin: 1.5em; color: #222; }
table.summary { border-collapse: collapse; }
table.summary td, table.summary th { border: 1px solid #bbb; padding: 0.3em 0.6em; text-align: left; }
.pass { color: #176d1e; font-weight: bold; }
.fail { color: #b00020; font-weight: bold; }
section { border-top: 2px solid #ddd; margin-top: 2em; padding-top: 0.5em; }
.pictures { display: flex; flex-wrap: wrap; gap: 1em; align-items: flex-start; }
figure { margin: 0; }
figure img { border: 1px solid #999; display: block; max-width: calc((100vw - 8em) / 3); height: auto; }
pre { background: #f4f4f4; padding: 0.5em; overflow-x: auto; }
.first { background: #ffd6e8; }
)";

// Text for HTML; bytes above 127 are the package's Windows-1252 text, shown
// as the Latin-1 characters of the same number.
std::string escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    const unsigned char u = static_cast<unsigned char>(c);
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        if (u >= 0x80) {
          out += "&#" + std::to_string(u) + ";";
        } else if (u < 0x20 && c != '\n') {
          out += "&#xFFFD;";
        } else {
          out += c;
        }
    }
  }
  return out;
}

std::string figure(const RgbImage& image, const std::string& caption) {
  std::string out = "<figure>";
  const std::string png = encodePng(image);
  if (png.empty()) {
    out += "<p>(no picture)</p>";
  } else {
    out += "<img src=\"data:image/png;base64," + base64(png) + "\" width=\"" +
           std::to_string(image.width) + "\" height=\"" + std::to_string(image.height) +
           "\" alt=\"" + escaped(caption) + "\">";
  }
  return out + "<figcaption>" + escaped(caption) + "</figcaption></figure>\n";
}

std::string logLines(const std::vector<std::string>& lines, size_t from, size_t first) {
  std::string out = "<pre>";
  for (size_t i = 0; i < lines.size(); ++i) {
    const size_t number = from + i;
    const std::string line = std::to_string(number) + "  " + escaped(lines[i]);
    out += number == first ? "<span class=\"first\">" + line + "</span>\n" : line + "\n";
  }
  return out + "</pre>\n";
}

std::string verdictCell(bool passed) {
  return passed ? "<span class=\"pass\">pass</span>" : "<span class=\"fail\">fail</span>";
}

std::string section(const ScriptResult& r, size_t index) {
  std::string out = "<section id=\"script-" + std::to_string(index) + "\">\n<h2>" +
                    escaped(r.name) + " " + verdictCell(r.passed) + "</h2>\n";
  if (!r.reasons.empty()) {
    out += "<ul>\n";
    for (const std::string& reason : r.reasons) out += "<li>" + escaped(reason) + "</li>\n";
    out += "</ul>\n";
  }
  out += "<p>Reference: " + escaped(r.referenceEnding) + ". Graded: " + escaped(r.gradedEnding) +
         ".</p>\n";
  out +=
      "<div class=\"pictures\">\n" + figure(r.reference, "reference") + figure(r.graded, "graded");
  if (r.picturesCompared)
    out += figure(r.difference, std::to_string(r.differingPixels) + " differing pixels");
  out += "</div>\n";
  if (!r.log.same) {
    out += "<h3>Drawing log: first difference at line " + std::to_string(r.log.firstLine) +
           "</h3>\n<div class=\"pictures\"><div><h4>reference (" +
           std::to_string(r.log.referenceLines) + " lines)</h4>" +
           logLines(r.log.reference, r.log.from, r.log.firstLine) + "</div><div><h4>graded (" +
           std::to_string(r.log.gradedLines) + " lines)</h4>" +
           logLines(r.log.graded, r.log.from, r.log.firstLine) + "</div></div>\n";
  } else {
    out += "<p>Drawing logs: the same, " + std::to_string(r.log.referenceLines) + " lines.</p>\n";
  }
  if (!r.passed && !r.gradedErrors.empty())
    out += "<h3>What the program wrote on its output (the end)</h3>\n<pre>" +
           escaped(r.gradedErrors) + "</pre>\n";
  return out + "</section>\n";
}

}  // namespace

std::string base64(const std::string& bytes) {
  static const char* const digits =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    const unsigned n = static_cast<unsigned char>(bytes[i]) << 16 |
                       static_cast<unsigned char>(bytes[i + 1]) << 8 |
                       static_cast<unsigned char>(bytes[i + 2]);
    for (const int shift : {18, 12, 6, 0}) out += digits[(n >> shift) & 63];
  }
  if (i < bytes.size()) {
    const bool two = i + 1 < bytes.size();
    const unsigned n = static_cast<unsigned char>(bytes[i]) << 16 |
                       (two ? static_cast<unsigned char>(bytes[i + 1]) << 8 : 0);
    out += digits[(n >> 18) & 63];
    out += digits[(n >> 12) & 63];
    out += two ? digits[(n >> 6) & 63] : '=';
    out += '=';
  }
  return out;
}

std::string reportHtml(const GradeOptions& options, const std::vector<ScriptResult>& results) {
  size_t passed = 0;
  for (const ScriptResult& r : results) passed += r.passed ? 1 : 0;
  std::string program;
  for (const std::string& word : options.command) program += (program.empty() ? "" : " ") + word;
  std::string out =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<title>zt738-grade report</title>\n<style>" +
      std::string(STYLE) + "</style>\n</head>\n<body>\n";
  out += "<h1>" + escaped(program) + ": " + std::to_string(passed) + " of " +
         std::to_string(results.size()) + " scripts pass</h1>\n";
  out += "<p>Reference: " + escaped(options.reference) +
         ". Pixels allowed to differ: " + std::to_string(options.tolerance) + ".</p>\n";
  out +=
      "<table class=\"summary\">\n<tr><th>script</th><th>verdict</th><th>differing pixels</th>"
      "<th>first differing log line</th><th>why</th></tr>\n";
  for (size_t i = 0; i < results.size(); ++i) {
    const ScriptResult& r = results[i];
    std::string why;
    for (const std::string& reason : r.reasons) why += (why.empty() ? "" : "; ") + reason;
    out += "<tr><td><a href=\"#script-" + std::to_string(i) + "\">" + escaped(r.name) +
           "</a></td><td>" + verdictCell(r.passed) + "</td><td>" +
           (r.picturesCompared ? std::to_string(r.differingPixels) : "-") + "</td><td>" +
           (r.log.same ? "-" : std::to_string(r.log.firstLine)) + "</td><td>" + escaped(why) +
           "</td></tr>\n";
  }
  out += "</table>\n";
  for (size_t i = 0; i < results.size(); ++i) out += section(results[i], i);
  return out + "</body>\n</html>\n";
}
