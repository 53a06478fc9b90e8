#include "app/palette.h"

#include <cstdint>

namespace {

constexpr int kLeft = -295;
constexpr int kRight = -235;
constexpr int kTop = 245;
constexpr int kBottom = -195;
constexpr int kButtonHeight = 40;
constexpr int kCentreX = -275;
constexpr int kLabelSize = 16;

int buttonTop(int row) { return kTop - kButtonHeight * row; }
int buttonCentreY(int row) { return buttonTop(row) - kButtonHeight / 2; }

struct Label {
  int row;
  const char* text;
  int colour;
};

constexpr Label kLabels[] = {
    {2, "move", COLOUR_BLACK},      {3, "resize", COLOUR_BLACK},  {4, "delete", COLOUR_BLACK},
    {5, "pick", COLOUR_BLACK},      {6, "Orange", COLOUR_ORANGE}, {7, "Yellow", COLOUR_YELLOW},
    {8, "Magenta", COLOUR_MAGENTA}, {9, "save", COLOUR_BLACK},    {10, "load", COLOUR_BLACK},
};

}  // namespace

void drawPalette(Display& display) {
  for (int row = 0; row < PALETTE_ROWS; ++row) {
    display.drawRectangle(kLeft, buttonTop(row), kRight, buttonTop(row) - kButtonHeight,
                          COLOUR_BLACK, 1);
  }
  display.drawRectangle(-285, 215, -265, 235, COLOUR_BLACK, 0);
  display.drawCircle(kCentreX, buttonCentreY(1), 10, COLOUR_BLACK);
  // Each label is anchored 15 left of and 10 below its button's centre.
  for (const Label& label : kLabels) {
    display.drawText(kCentreX - 15, buttonCentreY(label.row) - 10, label.text, label.colour,
                     kLabelSize);
  }
}

int isOutsidePalette(int x, int y) {
  const bool inside = x > kLeft && x < kRight && y > kBottom && y < kTop;
  return inside ? 0 : 1;
}

int paletteRow(int y) { return static_cast<int>((int64_t{kTop} - y) / kButtonHeight); }
