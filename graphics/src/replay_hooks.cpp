// The package's side of zt738-replay: start playback at once, answer the
// line-input dialog, and write the picture and the console when playback
// ends. See replay_hooks.h for the environment variables.
#include "replay_hooks.h"

#include <cstdio>
#include <cstdlib>

#include "package.h"

namespace zt::package {

namespace {

ReplaySettings replay;
size_t nextAnswer = 0;
bool outputsWritten = false;

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
  if (!replay.pixelsPath.empty() && !ZT738_write_client_pixels(replay.pixelsPath)) {
    std::fprintf(stderr, "ZT738 replay: cannot write the picture to %s\n",
                 replay.pixelsPath.c_str());
  }
  if (!replay.consolePath.empty() && !ZT738_write_console_lines(replay.consolePath)) {
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
  settings.pixelsPath = environment("ZT738_REPLAY_PIXELS");
  settings.consolePath = environment("ZT738_REPLAY_CONSOLE");
  const std::string answers = environment("ZT738_REPLAY_ANSWERS");
  if (!answers.empty() && !readAnswers(answers, settings.answers)) {
    std::fprintf(stderr, "ZT738 replay: cannot read the answers in %s\n", answers.c_str());
    settings.answers.clear();
  }
  return settings;
}

void ZT738_replay_begin(const ReplaySettings& settings) {
  replay = settings;
  nextAnswer = 0;
  outputsWritten = false;
  if (replay.active) PostMessageA(graphicsWindow, WM_COMMAND, CmdPlaybackScript, 0);
}

void ZT738_replay_playback_ended() {
  if (!replay.active || outputsWritten) return;
  writeOutputs();
  ZT738_menu_command(CmdQuit);
}

void ZT738_replay_display_ended() { writeOutputs(); }

void ZT738_replay_dialog_opened(HWND dialog) {
  if (!replay.active) return;
  HWND edit = GetDlgItem(dialog, IdGetsInput);
  if (nextAnswer < replay.answers.size()) {
    // Typed as characters into the real edit field, in the dialog's own loop.
    for (const char c : replay.answers[nextAnswer])
      PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
    ++nextAnswer;
  } else {
    std::fprintf(stderr, "ZT738 replay: no answer left for \"%s\"; pressed Okay on an empty line\n",
                 promptOf(dialog).c_str());
  }
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IdGetsOkay, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IdGetsOkay)));
}

}  // namespace zt::package
