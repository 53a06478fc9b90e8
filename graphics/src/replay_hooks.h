// Replaying a program under zt738-replay. The tool starts the program with a
// few environment variables, read once at start-up; without ZT738_REPLAY
// none of the hooks below does anything.
//
//   ZT738_REPLAY          non-empty: start playback of "ZT738.SCR" as soon as
//                         the display exists, as Playback Script would; when
//                         playback ends, write the outputs below and quit as
//                         Quit does
//   ZT738_REPLAY_PICTURE  file for the graphics window's client area, a PNG
//                         taken from the headless driver's last presented
//                         frame (not on Windows)
//   ZT738_REPLAY_CONSOLE  file for the console's stored lines, oldest first
//   ZT738_REPLAY_LOG      file for every console line written from the start
//                         of the replay, in order; logging is switched on
//                         when playback starts, as Run > Logging does
//   ZT738_REPLAY_ANSWERS  file of answers for the line-input dialog, one a
//                         line, typed into the dialog in order
#pragma once

#include <string>
#include <vector>

#include "win32.h"

namespace zt::package {

struct ReplaySettings {
  bool active = false;
  std::string picturePath;           // empty: no picture
  std::string consolePath;           // empty: no console lines
  std::string logPath;               // empty: no log, and logging left as the program sets it
  std::vector<std::string> answers;  // what the dialogs get, in order
};

// The settings that the environment gives; a file of answers that cannot be
// read is reported on standard error and gives no answers.
ReplaySettings ZT738_replay_settings_from_environment();

// Called when the display exists: keeps the settings and, when they are
// active, opens the log and posts the Playback Script command to the
// graphics window.
void ZT738_replay_begin(const ReplaySettings& settings);

// Called when playback starts: switches logging on when a log is kept.
void ZT738_replay_playback_started();

// Called for every line the console receives: appends it to the log.
void ZT738_replay_console_line(const char* line);

// Called by the wait when playback has ended: writes the outputs and posts
// the quit message, once per run.
void ZT738_replay_playback_ended();

// Called when the display ends: writes the outputs if playback never ended
// (the program quit first), and closes the log.
void ZT738_replay_display_ended();

// Called when the line-input dialog opens: types the next answer into its
// edit field and presses "Okay". With no answer left the field stays empty
// and "Okay" is pressed all the same, so that the run never waits for a user.
void ZT738_replay_dialog_opened(HWND dialog);

}  // namespace zt::package
