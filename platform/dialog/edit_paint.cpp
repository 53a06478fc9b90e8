// Painting the edit control: its frame, the visible lines, and the selection
// in the highlight colours while the control has the focus (the caret is the
// system caret, drawn by the windows area).
#include <algorithm>
#include <string_view>

#include "control_paint.h"
#include "edit_view.h"

namespace zt::platform {
namespace {

// Draws characters [from, to) of the text at x, highlighted or not, and
// returns the x after them.
int drawRun(const EditView& view, const std::string& text, size_t from, size_t to, int x, int y,
            bool highlighted) {
  if (from >= to) return x;
  const std::string_view run = std::string_view(text).substr(from, to - from);
  const int width = textWidth(view.dc, run);
  if (highlighted) {
    const RECT cell{x, y, x + width, y + view.lineHeight};
    HBRUSH brush = CreateSolidBrush(GetSysColor(COLOR_HIGHLIGHT));
    FillRect(view.dc, &cell, brush);
    DeleteObject(brush);
  }
  SetTextColor(view.dc, GetSysColor(highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  TextOutA(view.dc, x, y, run.data(), static_cast<int>(run.size()));
  return x + width;
}

}  // namespace

void paintEdit(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  if (!dc) return;
  fillClient(dc, hwnd, kFieldColour);
  RECT r;
  GetClientRect(hwnd, &r);
  frameRect(dc, r, kShadowColour);
  if (EditState* state = editStateOf(hwnd)) {
    const EditView view = editView(hwnd, dc, *state);
    scrollToCaret(*state, view);
    const std::string& text = state->text.text();
    const bool focused = GetFocus() == hwnd;
    const size_t selStart = focused ? state->text.selectionStart() : 0;
    const size_t selEnd = focused ? state->text.selectionEnd() : 0;
    const int first = state->scrollLine;
    const int last = std::min<int>(static_cast<int>(view.lines.size()), first + view.visibleLines);
    for (int i = first; i < last; ++i) {
      const LineSpan& line = view.lines[static_cast<size_t>(i)];
      const int y = view.area.top + (i - first) * view.lineHeight;
      const size_t a = std::clamp(selStart, line.start, line.end);
      const size_t b = std::clamp(selEnd, line.start, line.end);
      int x = view.area.left;
      x = drawRun(view, text, line.start, a, x, y, false);
      x = drawRun(view, text, a, b, x, y, true);
      drawRun(view, text, b, line.end, x, y, false);
    }
  }
  EndPaint(hwnd, &ps);
}

}  // namespace zt::platform
