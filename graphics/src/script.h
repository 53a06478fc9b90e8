// Script recording and playback: the switching done by the Run menu's
// Record Script, Playback Script and Play One Script commands. The writer and
// reader themselves (ZT738_record_event, ZT738_play_event, ...) are declared
// in package.h.
//
// Recording and playback exclude each other, because they share the one
// script file slot: starting one first ends the other.
#pragma once

namespace zt::package {

// Periodic events still to be given from the "ZT738_PERIODIC" line that the
// player read last. The recorder's run has its own counter, periodicCount.
extern int playbackPeriodicLeft;

// Record Script (Ctrl+R). Switching on ends a running playback and empties
// the slot, so that the first recorded event starts a fresh file. Switching
// off writes the pending run of periodic events and closes the file.
void ZT738_toggle_recording();

// Playback Script (Ctrl+P). Switching on ends a running recording as its own
// switch-off would and halts the animation; it does not rewind a file that
// the slot holds open. Switching off closes the file.
void ZT738_toggle_playback();

// Play One Script (Ctrl+O): one script event in the next wait. Ends a running
// recording first, as Playback Script does.
void ZT738_request_play_one();

}  // namespace zt::package
