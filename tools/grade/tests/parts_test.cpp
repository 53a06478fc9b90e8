// The grader's parts on their own: its command line, the log, picture and
// folder comparisons, the reports' encodings, and where answers come from.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "folder_compare.h"
#include "grading.h"
#include "log_compare.h"
#include "options.h"
#include "picture_compare.h"
#include "report_html.h"
#include "report_json.h"

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

TEST(GradeOptions, EveryOptionAndTheProgramAfterTheDashes) {
  const ParsedGradeOptions p = parseGradeOptions({"--reference",
                                                  "ref",
                                                  "--scripts=s",
                                                  "--jobs",
                                                  "3",
                                                  "--tolerance",
                                                  "7",
                                                  "--report",
                                                  "r",
                                                  "--gradescope",
                                                  "g.json",
                                                  "--font",
                                                  "f.ttf",
                                                  "--timeout",
                                                  "2.5",
                                                  "--cpu-seconds",
                                                  "4",
                                                  "--memory",
                                                  "0",
                                                  "--file-size",
                                                  "5",
                                                  "--processes",
                                                  "9",
                                                  "--",
                                                  "prog",
                                                  "--jobs",
                                                  "x"});
  ASSERT_EQ(p.error, "");
  const GradeOptions& o = p.options;
  EXPECT_EQ(o.reference, "ref");
  EXPECT_EQ(o.scripts, "s");
  EXPECT_EQ(o.jobs, 3);
  EXPECT_EQ(o.tolerance, 7);
  EXPECT_EQ(o.report, "r");
  EXPECT_EQ(o.gradescope, "g.json");
  EXPECT_EQ(o.font, "f.ttf");
  EXPECT_DOUBLE_EQ(o.limits.wallSeconds, 2.5);
  EXPECT_EQ(o.limits.cpuSeconds, 4);
  EXPECT_EQ(o.limits.memoryMegabytes, 0);
  EXPECT_EQ(o.limits.fileMegabytes, 5);
  EXPECT_EQ(o.limits.processes, 9);
  EXPECT_EQ(o.command, (Lines{"prog", "--jobs", "x"}));

  const ParsedGradeOptions d = parseGradeOptions({"--reference", "a", "--scripts", "b", "--", "c"});
  ASSERT_EQ(d.error, "");
  EXPECT_EQ(d.options.jobs, 0);  // the number of cores
  EXPECT_EQ(d.options.tolerance, 0);
  EXPECT_EQ(d.options.report, ".");
  EXPECT_EQ(d.options.limits.memoryMegabytes, RunLimits{}.memoryMegabytes);
}

TEST(GradeOptions, BadCommandLinesAreRefusedWithAReason) {
  const std::vector<std::pair<Lines, std::string>> cases = {
      {{"--scripts", "s", "--", "p"}, "--reference PROGRAM is missing"},
      {{"--reference", "r", "--", "p"}, "--scripts DIR is missing"},
      {{"--reference", "r", "--scripts", "s", "p"},
       "-- and the graded program's command must follow the options"},
      {{"--reference", "r", "--scripts", "s", "--"}, "the graded program is missing after --"},
      {{"--reference"}, "--reference needs a value"},
      {{"--reference="}, "--reference needs a value"},
      {{"--jobs", "0"}, "--jobs: a number of processes from 1 to 1024"},
      {{"--jobs", "2x"}, "--jobs: a number of processes from 1 to 1024"},
      {{"--tolerance", "-1"}, "--tolerance: a number of pixels, 0 or more"},
      {{"--processes", "0"}, "--processes: a number of processes from 1 to 100000"},
      {{"--timeout", "-3"}, "--timeout: a number of seconds from 0 (no limit) to 1000000"},
      {{"--help=no"}, "--help takes no value"},
      {{"--colour", "red"}, "unknown option --colour"},
  };
  for (const auto& [arguments, error] : cases) EXPECT_EQ(parseGradeOptions(arguments).error, error);
  EXPECT_TRUE(parseGradeOptions({"--jobs", "2", "-h"}).help);
}

TEST(LogCompare, FirstDifferenceWithItsNeighbours) {
  const Lines reference = {"a", "b", "c", "d", "e", "f", "g"};
  LogDifference d = compareLogs(reference, reference);
  EXPECT_TRUE(d.same);

  d = compareLogs(reference, {"a", "b", "c", "d", "X", "f", "g"});
  EXPECT_FALSE(d.same);
  EXPECT_EQ(d.firstLine, 5u);
  EXPECT_EQ(d.from, 3u);
  EXPECT_EQ(d.reference, (Lines{"c", "d", "e", "f", "g"}));
  EXPECT_EQ(d.graded, (Lines{"c", "d", "X", "f", "g"}));

  // At the first line: no lines before it.
  d = compareLogs(reference, {"X"});
  EXPECT_EQ(d.firstLine, 1u);
  EXPECT_EQ(d.from, 1u);
  EXPECT_EQ(d.reference, (Lines{"a", "b", "c"}));
  EXPECT_EQ(d.graded, (Lines{"X"}));

  // One log cut short: the difference is the first line that one lacks.
  d = compareLogs(reference, {"a", "b", "c", "d", "e", "f"});
  EXPECT_FALSE(d.same);
  EXPECT_EQ(d.firstLine, 7u);
  EXPECT_EQ(d.graded, (Lines{"e", "f"}));
  EXPECT_EQ(d.referenceLines, 7u);
  EXPECT_EQ(d.gradedLines, 6u);

  EXPECT_TRUE(compareLogs({}, {}).same);
  EXPECT_EQ(splitLines("one\n\nthree"), (Lines{"one", "", "three"}));
  EXPECT_EQ(splitLines("one\n"), (Lines{"one"}));
}

RgbImage filled(int width, int height, unsigned char value) {
  return {width, height,
          std::vector<unsigned char>(static_cast<size_t>(width) * height * 3, value)};
}

TEST(PictureCompare, OnePixelDiffersAndIsMarkedOverTheFadedReference) {
  const RgbImage reference = filled(4, 3, 0);
  RgbImage graded = reference;
  graded.pixels[(1 * 4 + 2) * 3 + 1] = 1;  // green of (2, 1), by one
  const PictureDifference d = comparePictures(reference, graded);
  EXPECT_EQ(d.differing, 1);
  ASSERT_EQ(d.image.width, 4);
  ASSERT_EQ(d.image.height, 3);
  const auto at = [&](int x, int y, int c) { return d.image.pixels[(y * 4 + x) * 3 + c]; };
  EXPECT_EQ(at(2, 1, 0), 255);  // magenta
  EXPECT_EQ(at(2, 1, 1), 0);
  EXPECT_EQ(at(2, 1, 2), 255);
  EXPECT_EQ(at(0, 0, 0), 192);  // black faded three quarters to white
  EXPECT_EQ(at(3, 2, 2), 192);
  EXPECT_EQ(comparePictures(reference, reference).differing, 0);
}

TEST(PictureCompare, DifferentSizesDifferWhereEitherHasNoPixel) {
  const PictureDifference d = comparePictures(filled(4, 3, 9), filled(3, 4, 9));
  EXPECT_EQ(d.image.width, 4);
  EXPECT_EQ(d.image.height, 4);
  EXPECT_EQ(d.differing, 16 - 9);  // the 3 x 3 in common are the same
  EXPECT_EQ(comparePictures(RgbImage{}, filled(2, 2, 0)).differing, 4);
}

TEST(PictureCompare, PngRoundTrip) {
  RgbImage image = filled(3, 2, 0);
  image.pixels[4] = 200;
  const fs::path file = fs::temp_directory_path() / "zt738-grade-parts-test.png";
  const std::string bytes = encodePng(image);
  ASSERT_FALSE(bytes.empty());
  EXPECT_EQ(bytes.substr(1, 3), "PNG");
  { std::ofstream(file, std::ios::binary) << bytes; }
  RgbImage back;
  ASSERT_TRUE(readPng(file.string(), back));
  EXPECT_EQ(back.width, 3);
  EXPECT_EQ(back.pixels, image.pixels);
  fs::remove(file);
  EXPECT_FALSE(readPng(file.string(), back));
  EXPECT_EQ(back.width, 0);
  EXPECT_EQ(encodePng(RgbImage{}), "");
}

class Folders : public ::testing::Test {
 protected:
  Folders() {
    for (const fs::path& f : {a, b}) fs::create_directories(f / "sub");
  }
  ~Folders() override { fs::remove_all(base); }
  void write(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
  }
  const fs::path base = fs::temp_directory_path() / "zt738-grade-parts-folders";
  const fs::path a = base / "a", b = base / "b";
};

TEST_F(Folders, FilesAreComparedByNameAndBytes) {
  write(a / "same.txt", "x");
  write(b / "same.txt", "x");
  EXPECT_TRUE(compareFolders(a, b).empty());

  write(a / "sub" / "saved.txt", "1 squares\n");
  write(b / "sub" / "saved.txt", "2 squares\n");  // same size, other bytes
  write(a / "gone.txt", "");
  write(b / "extra.txt", "");
  const std::vector<FileDifference> d = compareFolders(a, b);
  ASSERT_EQ(d.size(), 3u);
  EXPECT_EQ(d[0].name, "extra.txt");
  EXPECT_EQ(d[0].what, "not expected");
  EXPECT_EQ(d[1].name, "gone.txt");
  EXPECT_EQ(d[1].what, "missing");
  EXPECT_EQ(d[2].name, "sub/saved.txt");
  EXPECT_EQ(d[2].what, "differs");
}

TEST_F(Folders, ScriptsAreFoundInNameOrderWithTheirAnswers) {
  write(a / "b.SCR", "");
  write(a / "a.scr", "");
  write(a / "c.txt", "");
  write(a / "b.answers", "one\n\nthree\n");
  std::vector<fs::path> scripts;
  std::string error;
  ASSERT_TRUE(findScripts(a.string(), scripts, error)) << error;
  ASSERT_EQ(scripts.size(), 2u);
  EXPECT_EQ(scripts[0].filename(), "a.scr");
  EXPECT_EQ(scripts[1].filename(), "b.SCR");
  EXPECT_EQ(answersFor(scripts[1]), (Lines{"one", "", "three"}));
  EXPECT_TRUE(answersFor(scripts[0]).empty());

  scripts.clear();
  EXPECT_FALSE(findScripts(b.string(), scripts, error));
  EXPECT_EQ(error, "no *.SCR script in " + b.string());
  EXPECT_FALSE(findScripts((base / "none").string(), scripts, error));
}

TEST(Reports, Base64OfEveryLengthModuloThree) {
  EXPECT_EQ(base64(""), "");
  EXPECT_EQ(base64("f"), "Zg==");
  EXPECT_EQ(base64("fo"), "Zm8=");
  EXPECT_EQ(base64("foo"), "Zm9v");
  EXPECT_EQ(base64("foob"), "Zm9vYg==");
  EXPECT_EQ(base64(std::string("\xff\xfe\x00", 3)), "//4A");
}

ScriptResult failing() {
  ScriptResult r;
  r.name = "a \"quoted\" <b>.SCR";
  r.reasons = {"the drawing log differs from line 2"};
  r.log = compareLogs({"one", "two"}, {"one", "tw\xF6"});
  r.picturesCompared = true;
  r.differingPixels = 3;
  r.reference = filled(2, 2, 0);
  r.graded = filled(2, 2, 0);
  r.difference = filled(2, 2, 0);
  return r;
}

TEST(Reports, JsonEscapesAndCarriesTheVerdicts) {
  GradeOptions options;
  options.reference = "ref";
  options.command = {"prog"};
  ScriptResult good;
  good.name = "b.SCR";
  good.passed = true;
  const std::string json = reportJson(options, {failing(), good});
  EXPECT_NE(json.find("\"name\": \"a \\\"quoted\\\" <b>.SCR\""), std::string::npos) << json;
  EXPECT_NE(json.find("\"first_differing_log_line\": 2"), std::string::npos) << json;
  EXPECT_NE(json.find("\"tw\\u00f6\""), std::string::npos) << json;
  EXPECT_NE(json.find("\"differing_pixels\": 3"), std::string::npos) << json;
  EXPECT_NE(json.find("\"differing_pixels\": null"), std::string::npos) << json;
  EXPECT_NE(json.find("\"passed\": 1"), std::string::npos) << json;

  const std::string scope = gradescopeJson({failing(), good});
  EXPECT_NE(scope.find("\"score\": 1,"), std::string::npos) << scope;
  EXPECT_NE(scope.find("\"max_score\": 1, \"output\": \"a \\\"quoted\\\""), std::string::npos)
      << scope;
}

TEST(Reports, HtmlIsOneFileWithItsPicturesInside) {
  GradeOptions options;
  options.reference = "ref";
  options.command = {"prog", "<arg>"};
  const std::string html = reportHtml(options, {failing()});
  EXPECT_NE(html.find("prog &lt;arg&gt;: 0 of 1 scripts pass"), std::string::npos);
  EXPECT_NE(html.find("a &quot;quoted&quot; &lt;b&gt;.SCR"), std::string::npos);
  size_t images = 0;
  for (size_t at = html.find("<img src=\"data:image/png;base64,iVBOR"); at != std::string::npos;
       at = html.find("<img src=\"data:image/png;base64,iVBOR", at + 1))
    ++images;
  EXPECT_EQ(images, 3u);
  EXPECT_EQ(html.find("src=\"http"), std::string::npos);
  EXPECT_NE(html.find("<span class=\"first\">2  tw&#246;</span>"), std::string::npos) << html;

  // A failing program's own output is shown, escaped; a passing one's is not.
  ScriptResult r = failing();
  r.gradedErrors = "terminate called after throwing <bad_alloc>";
  EXPECT_NE(reportHtml(options, {r}).find("terminate called after throwing &lt;bad_alloc&gt;"),
            std::string::npos);
  r.passed = true;
  EXPECT_EQ(reportHtml(options, {r}).find("terminate called"), std::string::npos);
}

}  // namespace
