// Script recording and playback over the one script file slot.
//
// The slot is filled lazily: the first recorded event opens "ZT738.SCR" for
// writing (emptying it), the first playback read opens it for reading. It
// keeps that mode until ZT738_close_script empties it.
#include "script.h"

#include <cstring>

#include "package.h"
#include "script_file.h"
#include "replay_hooks.h"
#include "script_line.h"

namespace zt::package {

int playbackPeriodicLeft = 0;

namespace {

bool writeFailureShown = false;  // the last line could not be written, and the console said so

// Hands the line to the system at once, so that a crash or a kill loses no
// event recorded before it; a line that does not fit on the disk is taken
// back whole. The first lost line of each outage is reported; every later
// line is tried all the same.
void writeScriptLine(const char* line) {
  const bool written = ZT738_write_whole_line(scriptFile, line, std::strlen(line));
  if (written) {
    writeFailureShown = false;
    return;
  }
  if (writeFailureShown) return;
  writeFailureShown = true;
  ZT738_console_printf("Cannot write script file %s\n", SCRIPT_FILE_NAME);
}

void setCheck(UINT command, bool on) {
  if (runMenu != nullptr)
    CheckMenuItem(runMenu, command, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

// Ends a recording: the pending run is written before the file is closed.
void stopRecording() {
  recording = false;
  setCheck(CmdRecordScript, false);
  if (periodicCount > 0) {
    ZT738_record_event(EventPeriodic, 0, 0, 0);
    periodicCount = 0;
  }
  ZT738_close_script();
}

// The script's event replaces the whole pending event, including the fields
// of a live event that the same pump pass produced.
void setPending(int kind, int x, int y, char key) { pending = PendingEvent{kind, x, y, key}; }

void endOfScript() {
  ZT738_console_printf("EOF encountered in script file %s\n", SCRIPT_FILE_NAME);
  ZT738_playback_stopped();
}

}  // namespace

void ZT738_record_event(int kind, int x, int y, char key) {
  char line[SCRIPT_WRITE_CAPACITY];
  // Kinds without a line (a quit) neither write nor open anything, so they
  // cannot empty an existing script.
  if (ZT738_format_script_line(line, kind, x, y, key, periodicCount) <= 0) return;
  if (scriptFile == nullptr) {
    scriptFile = std::fopen(SCRIPT_FILE_NAME, "wt");
    if (scriptFile == nullptr) {
      ZT738_console_printf("Cannot open script file %s for writing\n", SCRIPT_FILE_NAME);
      return;
    }
    scriptWriting = true;
  }
  // A file open for reading takes no lines: the line is lost, as a failed
  // write would lose it.
  if (scriptWriting) writeScriptLine(line);
}

int ZT738_play_event() {
  if (scriptFile == nullptr) {
    scriptFile = std::fopen(SCRIPT_FILE_NAME, "rt");
    if (scriptFile == nullptr) {
      ZT738_console_printf("Cannot open script file %s for reading\n", SCRIPT_FILE_NAME);
      ZT738_playback_stopped();
      return 0;
    }
    scriptWriting = false;
  }

  if (playbackPeriodicLeft > 0) {
    --playbackPeriodicLeft;
    setPending(EventPeriodic, 0, 0, 0);
    return 1;
  }

  char line[SCRIPT_LINE_CAPACITY];
  int length = 0;
  if (scriptWriting || !ZT738_read_script_line(scriptFile, line, &length)) {
    endOfScript();
    return 0;
  }
  const ScriptLine event = ZT738_parse_script_line(line, length);
  if (event.kind == 0) {
    // Not an event: playback ends quietly, the file stays where it is.
    ZT738_playback_stopped();
    return 0;
  }
  // A count of 0 or 1 gives this one event; n gives n - 1 more.
  if (event.kind == EventPeriodic) playbackPeriodicLeft = event.count > 1 ? event.count - 1 : 0;
  setPending(event.kind, event.x, event.y, event.key);
  return 1;
}

void ZT738_close_script() {
  if (scriptFile != nullptr) std::fclose(scriptFile);
  scriptFile = nullptr;
  scriptWriting = false;
  // What was left of a periodic line belongs to the closed file.
  playbackPeriodicLeft = 0;
}

void ZT738_playback_stopped() {
  playingBack = false;
  playOneRequested = false;
  setCheck(CmdPlaybackScript, false);
}

void ZT738_toggle_recording() {
  if (recording) {
    stopRecording();
    return;
  }
  ZT738_playback_stopped();
  ZT738_close_script();
  periodicCount = 0;
  writeFailureShown = false;
  recording = true;
  setCheck(CmdRecordScript, true);
}

void ZT738_toggle_playback() {
  if (playingBack) {
    playingBack = false;
    setCheck(CmdPlaybackScript, false);
    ZT738_close_script();
    return;
  }
  if (recording) stopRecording();
  animating = false;
  oneFrameRequested = false;
  playingBack = true;
  setCheck(CmdPlaybackScript, true);
  ZT738_replay_playback_started();
}

void ZT738_request_play_one() {
  if (recording) stopRecording();
  playOneRequested = true;
  animating = false;
  oneFrameRequested = false;
}

}  // namespace zt::package
