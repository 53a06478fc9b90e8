// Drawing helpers of the controls.
#include "control_paint.h"

#include "dialog_manager.h"

namespace zt::platform {

void prepareText(HDC dc) {
  SelectObject(dc, GetStockObject(SYSTEM_FONT));
  SetTextColor(dc, kTextColour);
  SetBkMode(dc, TRANSPARENT);
}

int lineHeight(HDC dc) {
  TEXTMETRICA tm{};
  if (!GetTextMetricsA(dc, &tm) || tm.tmHeight <= 0) return HIWORD(GetDialogBaseUnits());
  return tm.tmHeight;
}

int textWidth(HDC dc, std::string_view text) {
  SIZE size{};
  if (text.empty() ||
      !GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size)) {
    return 0;
  }
  return size.cx;
}

std::vector<LineSpan> layoutInDc(HDC dc, const std::string& text, int width, bool wordBreak) {
  return layoutLines(text, width, wordBreak,
                     [dc](std::string_view run) { return textWidth(dc, run); });
}

void frameRect(HDC dc, const RECT& r, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  const RECT edges[4] = {{r.left, r.top, r.right, r.top + 1},
                         {r.left, r.bottom - 1, r.right, r.bottom},
                         {r.left, r.top, r.left + 1, r.bottom},
                         {r.right - 1, r.top, r.right, r.bottom}};
  for (const RECT& e : edges) FillRect(dc, &e, brush);
  DeleteObject(brush);
}

}  // namespace zt::platform
