// A long script for the editor, and its playback through the real package
// and the real editor, headless: the long-run test and the playback timing
// tool share both.
#pragma once

#include <functional>
#include <string>

struct EventCounts {
  long mouse = 0;
  long key = 0;
  long periodic = 0;
  long total() const { return mouse + key + periodic; }
  bool operator==(const EventCounts&) const = default;
};

// Writes at least `events` events to the script file at `path`, in cycles
// that draw a square and a circle, pick, recolour, move, resize and delete
// both (so the drawing stays small), type a key and let ticks pass. Returns
// the events written, by kind.
EventCounts writeLongScript(const std::string& path, long events);

// Plays the script file of the current folder through the editor until the
// playback ends; `afterEvent` is called after each event with the events
// handled so far. Returns the events handled, by kind.
EventCounts playThroughEditor(const std::function<void(const EventCounts&)>& afterEvent);
