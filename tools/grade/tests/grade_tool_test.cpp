// zt738-grade run as a teacher runs it: the grading example graded against
// itself and against faulty copies, the editor against itself, programs that
// hang, crash or exceed a limit, the same grading twice, and Gradescope's
// results file.
#include <signal.h>
#include <sys/stat.h>

#include <dirent.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "grader_run.h"
#include "scratch_dir.h"

namespace fs = std::filesystem;

namespace {

// The entry of one script in report.json: from its name to its times.
std::string entry(const std::string& json, const std::string& script) {
  const size_t at = json.find("\"name\": \"" + script + "\"");
  if (at == std::string::npos) return "";
  return json.substr(at, json.find("\"seconds\"", at) - at);
}

// A number field of an entry; -1 when it is null or missing.
long field(const std::string& entry, const std::string& name) {
  std::smatch m;
  if (!std::regex_search(entry, m, std::regex("\"" + name + "\": (-?[0-9]+)"))) return -1;
  return std::stol(m[1]);
}

bool passed(const std::string& entry) {
  return entry.find("\"verdict\": \"pass\"") != std::string::npos;
}

// report.json without its times, which differ from run to run.
std::string withoutTimes(std::string json) {
  return std::regex_replace(json, std::regex("\"seconds\": \\{[^}]*\\}"), "\"seconds\": {}");
}

// Processes whose command line holds text; a run's leftovers would show here.
int processesWith(const std::string& text) {
  int count = 0;
  for (const auto& e : fs::directory_iterator("/proc")) {
    const std::string name = e.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    std::string command = readBytes((e.path() / "cmdline").string());
    for (char& c : command)
      if (c == '\0') c = ' ';
    if (command.find(text) != std::string::npos) ++count;
  }
  return count;
}

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer reserves terabytes of address space: no memory limit fits.
const std::vector<std::string> MEMORY = {"--memory", "0"};
#else
const std::vector<std::string> MEMORY = {};
#endif

class Grade : public ::testing::Test {
 protected:
  Grade() {
    // Open to every user: the fork test runs the grader as nobody.
    chmod(scratch.path().c_str(), 0777);
  }
  // zt738-grade on SCRIPTS with the reference and options given, PROGRAM last.
  GraderRun grade(const std::string& scripts, const std::string& reference,
                  std::vector<std::string> options, const std::vector<std::string>& program,
                  bool asOrdinaryUser = false) {
    std::vector<std::string> arguments = {"--reference", reference, "--scripts", scripts,
                                          "--report",    report(),  "--jobs",    "2"};
    arguments.insert(arguments.end(), MEMORY.begin(), MEMORY.end());
    arguments.insert(arguments.end(), options.begin(), options.end());
    arguments.push_back("--");
    arguments.insert(arguments.end(), program.begin(), program.end());
    return runGrader(arguments, scratch.path().string(), asOrdinaryUser);
  }
  std::string report() const { return scratch.file("report"); }
  std::string json() const { return readBytes(report() + "/report.json"); }
  // A folder of scripts; each given as name, text and answers.
  std::string scripts(const std::vector<std::vector<std::string>>& list) {
    const fs::path folder = scratch.path() / ("scripts" + std::to_string(folders++));
    fs::create_directories(folder);
    for (const auto& s : list) {
      writeBytes((folder / (s[0] + ".SCR")).string(), s[1]);
      if (s.size() > 2) writeBytes((folder / (s[0] + ".answers")).string(), s[2]);
    }
    return folder.string();
  }
  ScratchDir scratch;
  int folders = 0;
};

const std::string EXAMPLE_SCRIPTS = GRADE_EXAMPLE "/scripts";

TEST_F(Grade, TheExampleAgainstItselfAndItsCorrectCopyPassesEveryScript) {
  for (const char* program : {GRADE_REFERENCE, GRADE_CORRECT}) {
    const GraderRun run = grade(EXAMPLE_SCRIPTS, GRADE_REFERENCE, {}, {program});
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("2 of 2 scripts pass"), std::string::npos) << run.output;
    const std::string results = json();
    for (const char* script : {"draw.SCR", "save.SCR"}) {
      const std::string e = entry(results, script);
      EXPECT_TRUE(passed(e)) << program << " " << script << "\n" << e;
      EXPECT_EQ(field(e, "differing_pixels"), 0) << e;
      EXPECT_EQ(field(e, "first_differing_log_line"), -1) << e;
    }
    EXPECT_TRUE(fs::exists(report() + "/report.html"));
  }
}

TEST_F(Grade, TheEditorAgainstItselfPassesEveryScript) {
  const std::string folder = scripts({
      {"draw", "ZT738_MOUSE(-275, 225);\nZT738_MOUSE(-100, 50);\nZT738_MOUSE(0, -50);\n"},
      {"save",
       "ZT738_MOUSE(-275, 185);\nZT738_MOUSE(50, 150);\nZT738_MOUSE(150, 50);\n"
       "ZT738_MOUSE(-275, -135);\n",
       "drawing.txt\n"},
  });
  const GraderRun run = grade(folder, GRADE_EDITOR, {}, {GRADE_EDITOR});
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_TRUE(passed(entry(json(), "draw.SCR"))) << json();
  EXPECT_TRUE(passed(entry(json(), "save.SCR"))) << json();
}

TEST_F(Grade, AOneLineFaultFailsTheRightScriptsAtTheRightLine) {
  struct Case {
    const char* program;
    bool drawPasses, savePasses;
    long drawFirstLine;  // -1: the logs are the same
    bool drawPixels;     // pixels of draw.SCR differ
    std::string reason;  // of the failing script
  };
  const std::vector<Case> cases = {
      {GRADE_FAULTY, false, true, 1, true, "the drawing log differs from line 1"},
      {GRADE_WRONG_COLOUR, false, true, 3, true, "the drawing log differs from line 3"},
      {GRADE_MISSING_LINE, false, true, 2, false, "the drawing log differs from line 2"},
      {GRADE_NOT_SAVED, true, false, -1, false, "file squares.txt: missing"},
  };
  for (const Case& c : cases) {
    const GraderRun run = grade(EXAMPLE_SCRIPTS, GRADE_REFERENCE, {}, {c.program});
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_NE(run.output.find(c.reason), std::string::npos) << run.output;
    const std::string draw = entry(json(), "draw.SCR"), save = entry(json(), "save.SCR");
    EXPECT_EQ(passed(draw), c.drawPasses) << c.program << "\n" << draw;
    EXPECT_EQ(passed(save), c.savePasses) << c.program << "\n" << save;
    EXPECT_EQ(field(draw, "first_differing_log_line"), c.drawFirstLine) << c.program << "\n"
                                                                        << draw;
    EXPECT_EQ(field(draw, "differing_pixels") > 0, c.drawPixels) << c.program << "\n" << draw;
  }
  // The wrong colour's neighbours: the line before it and the one after.
  grade(EXAMPLE_SCRIPTS, GRADE_REFERENCE, {}, {GRADE_WRONG_COLOUR});
  const std::string draw = entry(json(), "draw.SCR");
  EXPECT_NE(draw.find("\"red rectangle with bounding box (30,20) to (70,-20), filled\""),
            std::string::npos)
      << draw;
  EXPECT_NE(draw.find("\"green rectangle with bounding box (30,20) to (70,-20), filled\""),
            std::string::npos)
      << draw;
  EXPECT_NE(draw.find("\"square 1 at (-100, 100)\""), std::string::npos) << draw;
}

TEST_F(Grade, ToleranceLetsThatManyDifferingPixelsPassAndNoMore) {
  // A larger title: its pixels differ, its log does not.
  grade(EXAMPLE_SCRIPTS, GRADE_REFERENCE, {}, {GRADE_TEXT_SIZE});
  const long differing = field(entry(json(), "draw.SCR"), "differing_pixels");
  ASSERT_GT(differing, 0) << json();
  EXPECT_EQ(field(entry(json(), "draw.SCR"), "first_differing_log_line"), -1) << json();

  GraderRun run = grade(EXAMPLE_SCRIPTS, GRADE_REFERENCE,
                        {"--tolerance", std::to_string(differing - 1)}, {GRADE_TEXT_SIZE});
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find(std::to_string(differing) + " pixels differ (" +
                            std::to_string(differing - 1) + " allowed)"),
            std::string::npos)
      << run.output;
  run = grade(EXAMPLE_SCRIPTS, GRADE_REFERENCE, {"--tolerance", std::to_string(differing)},
              {GRADE_TEXT_SIZE});
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(field(entry(json(), "draw.SCR"), "differing_pixels"), differing);
}

TEST_F(Grade, AProgramThatNeverEndsTimesOutAndHoldsUpNoOther) {
  // Hangs on the script with the key h only, in a child that its group takes
  // down with it.
  const std::string folder = scripts({
      {"a", "ZT738_MOUSE(0, 0);\n"},
      {"b", "ZT738_KBD(104);\n"},
      {"c", "ZT738_MOUSE(10, 10);\n"},
      {"d", "ZT738_MOUSE(20, 20);\n"},
  });
  const std::string hangs =
      std::string("if grep -q 'KBD(104)' ZT738.SCR; then sleep 987; fi; exec ") + GRADE_REFERENCE;
  const GraderRun run = grade(folder, GRADE_REFERENCE, {"--timeout", "3"}, {"sh", "-c", hangs});
  EXPECT_EQ(run.status, 1) << run.output;
  const std::string results = json();
  EXPECT_NE(entry(results, "b.SCR").find("timed out after 3 seconds"), std::string::npos)
      << results;
  for (const char* other : {"a.SCR", "c.SCR", "d.SCR"})
    EXPECT_TRUE(passed(entry(results, other))) << results;
  EXPECT_EQ(processesWith("sleep 987"), 0);

  // A program on the package that ignores the quit is stopped the same way.
  const GraderRun quitless =
      grade(folder, GRADE_REFERENCE, {"--timeout", "2", "--jobs", "1"}, {GRADE_NEVER_QUITS});
  EXPECT_EQ(quitless.status, 1);
  EXPECT_NE(entry(json(), "a.SCR").find("timed out after 2 seconds"), std::string::npos) << json();
}

TEST_F(Grade, ACrashFailsWithItsSignal) {
  const GraderRun run = grade(EXAMPLE_SCRIPTS, GRADE_REFERENCE, {}, {GRADE_MISBEHAVING, "crash"});
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(entry(json(), "draw.SCR").find("crashed: killed by signal 6 (Aborted)"),
            std::string::npos)
      << json();
  EXPECT_NE(entry(json(), "draw.SCR").find("it drew no picture"), std::string::npos) << json();
}

TEST_F(Grade, ProgramsThatExceedALimitFailWithTheLimitNamed) {
  struct Case {
    std::vector<std::string> options;
    const char* what;
    std::string reason;
  };
  std::vector<Case> cases = {
      {{"--file-size", "1"}, "file", "exceeded the file size limit (1 MB)"},
      {{"--cpu-seconds", "1"}, "spin", "exceeded the processor time limit (1 seconds)"},
      {{"--processes", "16"}, "fork", "exceeded the process limit (16 processes)"},
  };
#if !defined(__SANITIZE_ADDRESS__)
  cases.push_back({{"--memory", "256"}, "memory", "exceeded the memory limit (256 MB)"});
#endif
  const std::string folder = scripts({{"one", "ZT738_MOUSE(0, 0);\n"}});
  for (const Case& c : cases) {
    // As an ordinary user, so that the kernel's process limit holds too.
    const GraderRun run = grade(folder, GRADE_REFERENCE, c.options, {GRADE_MISBEHAVING, c.what},
                                /*asOrdinaryUser=*/true);
    EXPECT_EQ(run.status, 1) << c.what << "\n" << run.output;
    EXPECT_NE(run.output.find(c.reason), std::string::npos) << c.what << "\n" << run.output;
    EXPECT_EQ(processesWith(GRADE_MISBEHAVING), 0) << c.what << " left processes behind";
  }
  // Nothing of the runs is left in the temporary folder.
  for (const auto& e : fs::directory_iterator(scratch.path()))
    EXPECT_EQ(e.path().filename().string().rfind("zt738-grade", 0), std::string::npos) << e.path();
}

TEST_F(Grade, TheSameGradingTwiceGivesTheSameReport) {
  grade(EXAMPLE_SCRIPTS, GRADE_REFERENCE, {"--jobs", "1"}, {GRADE_WRONG_COLOUR});
  const std::string first = json();
  grade(EXAMPLE_SCRIPTS, GRADE_REFERENCE, {"--jobs", "2"}, {GRADE_WRONG_COLOUR});
  EXPECT_FALSE(first.empty());
  EXPECT_EQ(withoutTimes(first), withoutTimes(json()));
}

TEST_F(Grade, GradescopeResultsHoldEveryScriptAndTheTotal) {
  const std::string results = scratch.file("results.json");
  grade(EXAMPLE_SCRIPTS, GRADE_REFERENCE, {"--gradescope", results}, {GRADE_NOT_SAVED});
  const std::string text = readBytes(results);
  EXPECT_NE(text.find("\"score\": 1,\n"), std::string::npos) << text;
  EXPECT_NE(text.find("{\"name\": \"draw.SCR\", \"score\": 1, \"max_score\": 1, \"output\": "
                      "\"draw.SCR: pass\\n\"}"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("{\"name\": \"save.SCR\", \"score\": 0, \"max_score\": 1, \"output\": "
                      "\"save.SCR: fail\\n  file squares.txt: missing\\n\"}"),
            std::string::npos)
      << text;
}

TEST_F(Grade, BadCommandLinesAndFoldersStopTheGraderWithStatus2) {
  const std::string empty = scripts({});
  EXPECT_EQ(grade(empty, GRADE_REFERENCE, {}, {GRADE_REFERENCE}).status, 2);
  EXPECT_EQ(
      grade(EXAMPLE_SCRIPTS, GRADE_REFERENCE, {"--font", "/no/such.ttf"}, {GRADE_REFERENCE}).status,
      2);
  EXPECT_EQ(grade(EXAMPLE_SCRIPTS, GRADE_REFERENCE, {"--jobs", "0"}, {GRADE_REFERENCE}).status, 2);
}

}  // namespace
