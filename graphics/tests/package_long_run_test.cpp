// Long runs of the package: drawing requests of every kind and console
// lines by the hundred thousand. After the first thousand, the live GDI and
// USER objects, kernel handles and heap bytes no longer grow.
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "leak_meter.h"
#include "package_test_support.h"

namespace {

TEST(PackageLongRun, HundredThousandDrawingRequests) {
  ZT738_SKIP_WITHOUT_GUI_COUNTS();
  Display& display = sharedDisplay();
  resetPackage();
  int failures = 0;
  leak_meter::expectFlat("drawing", 100000, [&](int i) {
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
  leak_meter::expectFlat("console", 100000, [](int i) {
    ZT738_console_printf("line %d of the long run, %s\n", i, i % 2 ? "odd" : "even");
    if (i % 500 == 0) drainMessages();
  });
  const std::vector<std::string> lines = consoleLines();
  ASSERT_FALSE(lines.empty());
  EXPECT_NE(std::string::npos, lines.back().find("of the long run"));
  resetPackage();
}

}  // namespace
