// Drawing shared by the controls: the dialog font and its measurements.
#pragma once

#include <string_view>
#include <vector>

#include "text_layout.h"
#include "win32.h"

namespace zt::platform {

// Selects the dialog font into dc, black text, transparent background.
void prepareText(HDC dc);
int lineHeight(HDC dc);
int textWidth(HDC dc, std::string_view text);
// Lays out text in the dialog font selected into dc.
std::vector<LineSpan> layoutInDc(HDC dc, const std::string& text, int width, bool wordBreak);
// Draws a one-pixel frame of colour inside r.
void frameRect(HDC dc, const RECT& r, COLORREF colour);

}  // namespace zt::platform
