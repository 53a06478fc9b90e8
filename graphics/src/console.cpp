// The text console: a ring of the last CONSOLE_SLOTS lines, each also drawn
// at the bottom of the text window as it arrives.
#include <cstdarg>
#include <cstring>
#include <string>
#include <vector>

#include "package.h"
#include "replay_hooks.h"

namespace zt::package {

namespace {

int nextSlot(int slot) { return slot == CONSOLE_SLOTS - 1 ? 0 : slot + 1; }

}  // namespace

}  // namespace zt::package

// Public (zt738.h).
int ZT738_console_printf(const char* format, ...) {
  using namespace zt::package;
  char buffer[FORMAT_BUFFER_SIZE];
  va_list args;
  va_start(args, format);
  const int produced = ZT738_format(buffer, format, args);
  va_end(args);

  if (consoleFirst == consoleNext) consoleFirst = nextSlot(consoleFirst);  // full: drop the oldest
  consoleHistory[consoleNext] = buffer;
  if (consoleFirst < 0) consoleFirst = consoleNext;
  consoleNext = nextSlot(consoleNext);

  ZT738_replay_console_line(buffer);
  ZT738_console_put_line(buffer);
  return ZT738_formatted_length(produced);
}

namespace zt::package {

std::vector<std::string> ZT738_console_lines() {
  std::vector<std::string> lines;
  if (consoleFirst < 0) return lines;
  int slot = consoleFirst;
  do {
    lines.push_back(consoleHistory[slot]);
    slot = nextSlot(slot);
  } while (slot != consoleNext);
  return lines;
}

void ZT738_console_put_line(char* line) {
  if (textWindow == nullptr || line == nullptr) return;  // no window yet: the line is only stored
  HDC dc = GetDC(textWindow);
  HGDIOBJ oldFont = SelectObject(dc, GetStockObject(ANSI_FIXED_FONT));
  TEXTMETRICA metrics = {};
  GetTextMetricsA(dc, &metrics);
  const int h = metrics.tmHeight + metrics.tmExternalLeading;

  RECT client = {};
  GetClientRect(textWindow, &client);
  ScrollDC(dc, 0, -h, nullptr, nullptr, nullptr, nullptr);

  HBRUSH brush = CreateSolidBrush(GetBkColor(dc));
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  Rectangle(dc, client.left, client.bottom - h, client.right, client.bottom + 1);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(brush);

  int n = static_cast<int>(std::strlen(line));
  if (n > 0 && line[n - 1] == '\n') {
    line[n - 1] = '\0';
    --n;
  }
  TextOutA(dc, client.left + 5, client.bottom - h, line, n);

  SelectObject(dc, oldFont);
  ReleaseDC(textWindow, dc);
}

}  // namespace zt::package
