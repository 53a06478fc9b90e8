// The tool palette: a column of 11 buttons, 60 by 40, at the left edge of the
// drawing area, from (-295, 245) down to (-235, -195).
#pragma once

#include "zt738.h"

constexpr int PALETTE_ROWS = 11;

// Button outlines, then the square and circle icons, then the nine labels,
// over whatever the area shows.
void drawPalette(Display& display);
// 0 when -295 < x < -235 and -195 < y < 245 (all strict), else 1.
int isOutsidePalette(int x, int y);
// The row, 0 at the top, of a point inside the palette: (245 - y) / 40. A
// point on the line between two buttons belongs to the lower one.
int paletteRow(int y);
