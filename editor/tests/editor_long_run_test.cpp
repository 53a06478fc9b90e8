// A long script played through the editor headless: every event in the
// script is handled, by kind, and memory stays flat. 20,000 events take a
// few seconds; bench/editor_playback plays a million.
#include <gtest/gtest.h>

#include "leak_meter.h"
#include "long_playback.h"
#include "package.h"
#include "scratch_dir.h"

using namespace zt::package;

namespace {

constexpr long kEvents = 20000 / leak_meter::kScaleDown;

TEST(EditorLongRun, EveryEventOfALongScriptIsHandledInFlatMemory) {
  ScratchDir dir;
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());  // the script file is read from here
  const EventCounts written = writeLongScript(SCRIPT_FILE_NAME, kEvents);
  // Counted while the playback runs: its end writes a console line.
  leak_meter::Snapshot first;
  leak_meter::Snapshot last;
  const EventCounts handled = playThroughEditor([&](const EventCounts& sofar) {
    if (sofar.total() == leak_meter::kWarmUp) first = leak_meter::take();
    if (sofar.total() == written.total()) last = leak_meter::take();
  });
  std::filesystem::current_path(previous);
  EXPECT_EQ(written.mouse, handled.mouse);
  EXPECT_EQ(written.key, handled.key);
  EXPECT_EQ(written.periodic, handled.periodic);
  ZT738_SKIP_WITHOUT_GUI_COUNTS();
  EXPECT_EQ(first.gdi, last.gdi);
  EXPECT_EQ(first.user, last.user);
  EXPECT_EQ(first.handles, last.handles);
  EXPECT_LE(last.heap, first.heap + leak_meter::kHeapSlack)
      << "after " << leak_meter::kWarmUp << " events: " << first.heap
      << ", at the end: " << last.heap;
}

}  // namespace
