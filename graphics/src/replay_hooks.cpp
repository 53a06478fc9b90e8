// The package's side of zt738-replay: start playback at once, answer the
// line-input dialog, keep the log, and write the picture and the console
// when playback ends. See replay_hooks.h for the environment variables.
#include "replay_hooks.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "package.h"
#if !defined(_WIN32) && !defined(__EMSCRIPTEN__)
#define ZT738_HAS_WINDOW_PICTURE 1
#include "window_picture.h"
#endif

namespace zt::package {

namespace {

ReplaySettings replay;
size_t nextAnswer = 0;
bool outputsWritten = false;
FILE* logFile = nullptr;  // open from the replay's start to the display's end
bool logStarted = false;  // logging is switched on once, at the first playback

void closeLog() {
  if (logFile == nullptr) return;
  if (std::fclose(logFile) != 0)
    std::fprintf(stderr, "ZT738 replay: cannot write the log to %s\n", replay.logPath.c_str());
  logFile = nullptr;
}

// The client area shows the canvas from its top-left corner.
bool writePicture(const std::string& path) {
#ifndef ZT738_HAS_WINDOW_PICTURE
  (void)path;
  std::fprintf(stderr, "ZT738 replay: pictures need the headless driver, which this build lacks\n");
  return false;
#else
  UpdateWindow(graphicsWindow);
  std::string error;
  const RECT canvasPart{0, 0, CANVAS_WIDTH, CANVAS_HEIGHT};
  if (zt::platform::writeClientPicture(graphicsWindow, canvasPart, path, error)) return true;
  std::fprintf(stderr, "ZT738 replay: %s\n", error.c_str());
  return false;
#endif
}

bool writeConsoleLines(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  for (const std::string& line : ZT738_console_lines()) {
    std::fwrite(line.data(), 1, line.size(), file);
    if (line.empty() || line.back() != '\n') std::fputc('\n', file);
  }
  const bool ok = std::ferror(file) == 0;
  return std::fclose(file) == 0 && ok;
}

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// One answer a line; a final line without a line end counts too.
bool readAnswers(const std::string& path, std::vector<std::string>& answers) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  std::string line;
  for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
    if (c == '\n') {
      answers.push_back(line);
      line.clear();
    } else {
      line += static_cast<char>(c);
    }
  }
  if (!line.empty()) answers.push_back(line);
  const bool ok = std::ferror(file) == 0;
  std::fclose(file);
  return ok;
}

void writeOutputs() {
  if (!replay.active || outputsWritten) return;
  outputsWritten = true;
  if (nextAnswer < replay.answers.size()) {
    std::fprintf(stderr, "ZT738 replay: %zu of the answers were not used\n",
                 replay.answers.size() - nextAnswer);
  }
  if (!replay.picturePath.empty() && !writePicture(replay.picturePath)) {
    std::fprintf(stderr, "ZT738 replay: cannot write the picture to %s\n",
                 replay.picturePath.c_str());
  }
  if (logFile != nullptr) std::fflush(logFile);
  if (!replay.consolePath.empty() && !writeConsoleLines(replay.consolePath)) {
    std::fprintf(stderr, "ZT738 replay: cannot write the console lines to %s\n",
                 replay.consolePath.c_str());
  }
}

// The prompt as the dialog shows it, without the blanks that pad it.
std::string promptOf(HWND dialog) {
  char text[FORMAT_BUFFER_SIZE] = {};
  GetDlgItemTextA(dialog, IdGetsPrompt, text, FORMAT_BUFFER_SIZE);
  std::string prompt = text;
  while (!prompt.empty() && prompt.back() == ' ') prompt.pop_back();
  return prompt;
}

}  // namespace

ReplaySettings ZT738_replay_settings_from_environment() {
  ReplaySettings settings;
  settings.active = !environment("ZT738_REPLAY").empty();
  if (!settings.active) return settings;
  settings.picturePath = environment("ZT738_REPLAY_PICTURE");
  settings.consolePath = environment("ZT738_REPLAY_CONSOLE");
  settings.logPath = environment("ZT738_REPLAY_LOG");
  const std::string answers = environment("ZT738_REPLAY_ANSWERS");
  if (!answers.empty() && !readAnswers(answers, settings.answers)) {
    std::fprintf(stderr, "ZT738 replay: cannot read the answers in %s\n", answers.c_str());
    settings.answers.clear();
  }
  return settings;
}

void ZT738_replay_begin(const ReplaySettings& settings) {
  closeLog();
  replay = settings;
  nextAnswer = 0;
  outputsWritten = false;
  logStarted = false;
  if (!replay.active) return;
  if (!replay.logPath.empty()) {
    logFile = std::fopen(replay.logPath.c_str(), "wb");
    if (logFile == nullptr) {
      std::fprintf(stderr, "ZT738 replay: cannot write the log to %s\n", replay.logPath.c_str());
    } else {
      setvbuf(logFile, nullptr, _IOLBF, BUFSIZ);  // a program stopped midway leaves whole lines
    }
  }
  PostMessageA(graphicsWindow, WM_COMMAND, CmdPlaybackScript, 0);
}

void ZT738_replay_playback_started() {
  if (!replay.active || logFile == nullptr || logStarted) return;
  logStarted = true;
  if (!logging) ZT738_set_logging(1);
}

void ZT738_replay_console_line(const char* line) {
  if (logFile == nullptr) return;
  const size_t n = std::strlen(line);
  std::fwrite(line, 1, n, logFile);
  if (n == 0 || line[n - 1] != '\n') std::fputc('\n', logFile);
}

void ZT738_replay_playback_ended() {
  if (!replay.active || outputsWritten) return;
  writeOutputs();
  ZT738_menu_command(CmdQuit);
}

void ZT738_replay_display_ended() {
  writeOutputs();
  closeLog();
}

void ZT738_replay_dialog_opened(HWND dialog) {
  if (!replay.active) return;
  HWND edit = GetDlgItem(dialog, IdGetsInput);
  if (nextAnswer < replay.answers.size()) {
    // Put into the real edit field as one replacement, as a paste would be:
    // a character of several UTF-8 bytes arrives whole on every system, which
    // WM_CHAR byte by byte does not on Win32.
    SendMessageA(edit, EM_REPLACESEL, FALSE,
                 reinterpret_cast<LPARAM>(replay.answers[nextAnswer].c_str()));
    ++nextAnswer;
  } else {
    std::fprintf(stderr, "ZT738 replay: no answer left for \"%s\"; pressed Okay on an empty line\n",
                 promptOf(dialog).c_str());
  }
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IdGetsOkay, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IdGetsOkay)));
}

}  // namespace zt::package
