#include "grading.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <iterator>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include "limited_run.h"
#include "picture_compare.h"
#include "replay_setup.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t ERRORS_KEPT = 4000;  // bytes of the graded program's output in the report

// One program's run on one script, and the folders it leaves.
struct Run {
  TempFolder work, control;
  RunEnding ending;
  std::string problem;  // the grader could not run it
};

struct ScriptRuns {
  Run reference, graded;
  std::atomic<int> left{2};
};

std::string fileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void runOne(const GradeOptions& options, const fs::path& script,
            const std::vector<std::string>& command, Run& run) {
  std::string error, warning;
  if (!run.work.create("zt738-grade", error) || !run.control.create("zt738-grade-control", error)) {
    run.problem = error;
    return;
  }
  ReplayInputs inputs;
  inputs.script = script.string();
  inputs.answers = answersFor(script);
  inputs.font = options.font;
  inputs.picture = inputs.log = true;
  RunRequest request;
  if (!prepareReplay(inputs, run.work, run.control, request.environment, warning, error)) {
    run.problem = error;
    return;
  }
  request.command = absoluteCommand(command);
  request.folder = run.work.path().string();
  request.errorsFile = run.control.file("errors.txt").string();
  request.limits = options.limits;
  run.ending = runLimited(request);
}

void compare(const GradeOptions& options, ScriptRuns& runs, ScriptResult& r) {
  const RunLimits& limits = options.limits;
  const RunEnding& want = runs.reference.ending;
  const RunEnding& got = runs.graded.ending;
  r.referenceEnding = describe(want, limits);
  r.gradedEnding = describe(got, limits);
  r.referenceSeconds = want.seconds;
  r.gradedSeconds = got.seconds;
  for (const Run* run : {&runs.reference, &runs.graded})
    if (!run->problem.empty()) r.reasons.push_back("the grader could not run it: " + run->problem);
  if (want.how != RunEnding::Exited)
    r.reasons.push_back("the reference program " + r.referenceEnding);
  if (got.how != RunEnding::Exited) {
    r.reasons.push_back(r.gradedEnding);
  } else if (want.how == RunEnding::Exited && got.value != want.value) {
    r.reasons.push_back(r.gradedEnding + ", the reference with status " +
                        std::to_string(want.value));
  }

  r.log = compareLogs(splitLines(fileText(runs.reference.control.file(LOG_FILE))),
                      splitLines(fileText(runs.graded.control.file(LOG_FILE))));
  if (!r.log.same)
    r.reasons.push_back("the drawing log differs from line " + std::to_string(r.log.firstLine));

  const bool hasReference =
      readPng(runs.reference.control.file(PICTURE_FILE).string(), r.reference);
  const bool hasGraded = readPng(runs.graded.control.file(PICTURE_FILE).string(), r.graded);
  if (hasReference && hasGraded) {
    r.picturesCompared = true;
    PictureDifference d = comparePictures(r.reference, r.graded);
    r.differingPixels = d.differing;
    r.difference = std::move(d.image);
    if (r.differingPixels > options.tolerance)
      r.reasons.push_back(std::to_string(r.differingPixels) + " pixels differ (" +
                          std::to_string(options.tolerance) + " allowed)");
  } else if (hasReference) {
    r.reasons.push_back("it drew no picture");
  } else if (hasGraded) {
    r.reasons.push_back("the reference program drew no picture");
  }

  const std::string errors = fileText(runs.graded.control.file("errors.txt"));
  r.gradedErrors = errors.substr(errors.size() > ERRORS_KEPT ? errors.size() - ERRORS_KEPT : 0);

  r.files = compareFolders(runs.reference.work.path(), runs.graded.work.path());
  for (const FileDifference& f : r.files) r.reasons.push_back("file " + f.name + ": " + f.what);
  r.passed = r.reasons.empty();
}

}  // namespace

bool findScripts(const std::string& folder, std::vector<fs::path>& scripts, std::string& error) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::string ending = it->path().extension().string();
    std::transform(ending.begin(), ending.end(), ending.begin(), ::toupper);
    if (ending == ".SCR" && it->is_regular_file(ec)) scripts.push_back(it->path());
  }
  if (ec) {
    error = "cannot read the scripts folder " + folder + ": " + ec.message();
    return false;
  }
  if (scripts.empty()) {
    error = "no *.SCR script in " + folder;
    return false;
  }
  std::sort(scripts.begin(), scripts.end(),
            [](const fs::path& a, const fs::path& b) { return a.filename() < b.filename(); });
  return true;
}

std::vector<std::string> answersFor(const fs::path& script) {
  fs::path answers = script;
  answers.replace_extension(".answers");
  std::error_code ec;
  if (!fs::is_regular_file(answers, ec)) return {};
  return splitLines(fileText(answers));
}

std::vector<ScriptResult> gradeAll(const GradeOptions& options,
                                   const std::vector<fs::path>& scripts) {
  std::vector<ScriptResult> results(scripts.size());
  std::vector<std::unique_ptr<ScriptRuns>> runs;
  for (size_t i = 0; i < scripts.size(); ++i) runs.push_back(std::make_unique<ScriptRuns>());
  const std::vector<std::string> reference{options.reference};

  // Runs are the tasks: 2 a script, the reference first; the worker that
  // ends the second run of a script compares the two.
  std::atomic<size_t> next{0};
  auto work = [&] {
    for (size_t task; !runsStopped() && (task = next++) < 2 * scripts.size();) {
      const size_t s = task / 2;
      const bool graded = task % 2 == 1;
      runOne(options, scripts[s], graded ? options.command : reference,
             graded ? runs[s]->graded : runs[s]->reference);
      if (--runs[s]->left == 0) {
        results[s].name = scripts[s].filename().string();
        compare(options, *runs[s], results[s]);
        runs[s].reset();  // its folders go now, not at the end
      }
    }
  };
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  const size_t jobs = std::min<size_t>(options.jobs > 0 ? options.jobs : cores, 2 * scripts.size());
  std::vector<std::thread> workers;
  for (size_t j = 1; j < jobs; ++j) workers.emplace_back(work);
  work();
  for (std::thread& t : workers) t.join();
  return results;
}
