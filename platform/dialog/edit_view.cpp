// Measuring an edit control's text: lines, points and positions.
#include "edit_view.h"

#include <algorithm>
#include <string_view>

#include "code_page.h"
#include "control_paint.h"

namespace zt::platform {
namespace {

constexpr int kMargin = 2;  // pixels between the border and the text

int prefixWidth(const EditView& view, const std::string& text, const LineSpan& line,
                size_t position) {
  const size_t end = std::clamp(position, line.start, line.end);
  return textWidth(view.dc, std::string_view(text).substr(line.start, end - line.start));
}

}  // namespace

EditView editView(HWND hwnd, HDC dc, const EditState& state) {
  EditView view;
  view.dc = dc;
  prepareText(dc);
  RECT client{};
  GetClientRect(hwnd, &client);
  view.area = RECT{client.left + kMargin, client.top + kMargin, client.right - kMargin,
                   client.bottom - kMargin};
  const std::string& text = state.text.text();
  const int width = std::max<int>(1, view.area.right - view.area.left);
  view.lines = state.text.multiline() ? layoutInDc(dc, text, width, true)
                                      : std::vector<LineSpan>{{0, text.size()}};
  view.lineHeight = std::max(1, lineHeight(dc));
  view.visibleLines =
      std::max(1, static_cast<int>((view.area.bottom - view.area.top) / view.lineHeight));
  return view;
}

POINT pointOfPosition(const EditView& view, const EditState& state, size_t position) {
  const size_t line = lineOfPosition(view.lines, position);
  const int x = view.area.left + prefixWidth(view, state.text.text(), view.lines[line], position);
  const int y = view.area.top + (static_cast<int>(line) - state.scrollLine) * view.lineHeight;
  return POINT{x, y};
}

size_t positionOnLine(const EditView& view, const EditState& state, size_t line, int x) {
  const LineSpan& span = view.lines[std::min(line, view.lines.size() - 1)];
  const std::string_view text = state.text.text();
  // Widths add up character by character, as the line breaking takes them.
  int before = 0;
  for (size_t p = span.start; p < span.end;) {
    const size_t next = std::min(nextCharacter(text, p), span.end);
    const int after = before + textWidth(view.dc, text.substr(p, next - p));
    if (x - view.area.left < (before + after) / 2) return p;
    before = after;
    p = next;
  }
  // The end of a wrapped line shows at the start of the next: stop before it.
  const bool wrapped = line + 1 < view.lines.size() && view.lines[line + 1].start == span.end;
  return wrapped && span.end > span.start ? previousCharacter(text, span.end) : span.end;
}

size_t positionAtPoint(const EditView& view, const EditState& state, POINT point) {
  const int row = point.y >= view.area.top ? (point.y - view.area.top) / view.lineHeight
                                           : -1 - (view.area.top - point.y - 1) / view.lineHeight;
  const int last = static_cast<int>(view.lines.size()) - 1;
  const int line = std::clamp(state.scrollLine + row, 0, last);
  return positionOnLine(view, state, static_cast<size_t>(line), point.x);
}

void scrollToCaret(EditState& state, const EditView& view) {
  const int caretLine = static_cast<int>(lineOfPosition(view.lines, state.text.caret()));
  const int last = static_cast<int>(view.lines.size()) - 1;
  state.scrollLine = std::clamp(state.scrollLine, caretLine - view.visibleLines + 1, caretLine);
  state.scrollLine = std::clamp(state.scrollLine, 0, std::max(0, last));
}

void refreshEdit(HWND hwnd) {
  EditState* state = editStateOf(hwnd);
  HDC dc = state ? GetDC(hwnd) : nullptr;
  if (!dc) return;
  const EditView view = editView(hwnd, dc, *state);
  scrollToCaret(*state, view);
  if (GetFocus() == hwnd) {
    const POINT caret = pointOfPosition(view, *state, state->text.caret());
    SetCaretPos(caret.x, caret.y);
  }
  ReleaseDC(hwnd, dc);
  InvalidateRect(hwnd, nullptr, TRUE);
}

}  // namespace zt::platform
