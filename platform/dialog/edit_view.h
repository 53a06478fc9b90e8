// Where an edit control's text lies in its client area: its screen lines,
// the line height, the caret's point and the character under a point.
#pragma once

#include <vector>

#include "dialog_manager.h"
#include "text_layout.h"

namespace zt::platform {

struct EditView {
  HDC dc = nullptr;  // with the dialog font selected, for measuring
  std::vector<LineSpan> lines;
  int lineHeight = 1;
  int visibleLines = 1;  // lines that fit the height (at least one)
  RECT area{};           // the client area inside the margins
};

// The view of a control's text, measured in dc (which gets the font).
EditView editView(HWND hwnd, HDC dc, const EditState& state);
// Client coordinates of the top-left of position's cell, scrolled.
POINT pointOfPosition(const EditView& view, const EditState& state, size_t position);
// The position nearest a client point: the line under it (lines above and
// below the visible ones count, for dragging), the gap nearest its x.
size_t positionAtPoint(const EditView& view, const EditState& state, POINT point);
// The position on screen line `line` nearest x.
size_t positionOnLine(const EditView& view, const EditState& state, size_t line, int x);
// Scrolls the fewest lines that bring the caret's line into view.
void scrollToCaret(EditState& state, const EditView& view);

// After any change of text, selection or scrolling: scrolls to the caret,
// moves the caret there and repaints the control.
void refreshEdit(HWND hwnd);
// WM_PAINT of the edit control.
void paintEdit(HWND hwnd);

}  // namespace zt::platform
