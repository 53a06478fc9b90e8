// Long runs of the package: drawing requests of every kind and console
// lines by the hundred thousand. After the first thousand, the live GDI and
// USER objects, kernel handles and heap bytes no longer grow.
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "leak_meter.h"
#include "package_test_support.h"

namespace {

// Heap bytes may differ by this much between the two counts: the C library
// keeps stdio and locale state that comes and goes. A leak of a few bytes
// per request is far larger over the requests that follow the first count.
constexpr size_t kHeapSlack = 16 * 1024;
constexpr int kWarmUp = 1000 / leak_meter::kScaleDown;

void expectFlat(int steps, const std::function<void(int)>& step) {
  for (int i = 0; i < kWarmUp; ++i) step(i);
  const leak_meter::Snapshot first = leak_meter::take();
  for (int i = kWarmUp; i < steps; ++i) step(i);
  const leak_meter::Snapshot last = leak_meter::take();
  EXPECT_EQ(first.gdi, last.gdi) << "GDI objects";
  EXPECT_EQ(first.user, last.user) << "windows and menus";
  EXPECT_EQ(first.handles, last.handles) << "kernel handles";
  EXPECT_LE(last.heap, first.heap + kHeapSlack)
      << "heap bytes after " << kWarmUp << " steps: " << first.heap
      << ", at the end: " << last.heap;
}

TEST(PackageLongRun, HundredThousandDrawingRequests) {
  ZT738_SKIP_WITHOUT_GUI_COUNTS();
  Display& display = sharedDisplay();
  resetPackage();
  int failures = 0;
  expectFlat(100000 / leak_meter::kScaleDown, [&](int i) {
    const int x = i % 200 - 100;
    const int y = (i / 200) % 160 - 80;
    const int colour = i % COLOUR_COUNT;
    int ok = 1;
    switch (i % 6) {
      case 0:
        ok = display.drawRectangle(x, y, x + 30, y - 20, colour, i % 4);
        break;
      case 1:
        ok = display.drawOval(x, y, x + 40, y - 25, colour, i % 3);
        break;
      case 2:
        ok = display.drawCircle(x, y, 5 + i % 40, colour);
        break;
      case 3:
        ok = display.drawText(x, y, "request", colour, 8 + i % 40);
        break;
      case 4:
        // Refused requests: a colour and a size outside their ranges.
        display.drawRectangle(x, y, x + 5, y - 5, COLOUR_COUNT + i % 9, 1);
        display.drawText(x, y, "too big", colour, 1000);
        break;
      default:
        if (i % 600 == 5) display.clear(colour);
        drainMessages();  // the window repaints from the canvas now and then
        break;
    }
    failures += ok ? 0 : 1;
  });
  EXPECT_EQ(0, failures) << "requests in range that were refused";
  resetPackage();
}

TEST(PackageLongRun, HundredThousandConsoleLines) {
  ZT738_SKIP_WITHOUT_GUI_COUNTS();
  sharedDisplay();
  resetPackage();
  expectFlat(100000 / leak_meter::kScaleDown, [](int i) {
    ZT738_console_printf("line %d of the long run, %s\n", i, i % 2 ? "odd" : "even");
    if (i % 500 == 0) drainMessages();
  });
  const std::vector<std::string> lines = consoleLines();
  ASSERT_FALSE(lines.empty());
  EXPECT_NE(std::string::npos, lines.back().find("of the long run"));
  resetPackage();
}

}  // namespace
