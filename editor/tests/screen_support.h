// Driving the package's windows from a test through public Win32 calls:
// clicks at logical points, the pixels the window shows, and answers typed
// into the line-input dialog.
#pragma once

#include <string>

#include "win32.h"
#include "zt738.h"

HWND graphicsWindow();

// Posts a left-button press at the logical point (x, y).
void postClick(int x, int y);

// The window's pixel at the logical point (x, y), as last copied from the
// canvas.
COLORREF screenPixel(int x, int y);

// The logical box spanned by the window's pixels of one colour inside the
// logical rectangle (left, top)-(right, bottom), y upward, ends included:
// every 4th pixel is looked at until one matches, then every pixel within
// 60 units of it. False when none matches.
struct LogicalBox {
  int left, top, right, bottom;
};
bool findColour(COLORREF colour, LogicalBox area, LogicalBox* found);

// The next time the line-input dialog shows, types name and presses Okay.
void answerNextDialog(const std::string& name);
// Whether the last answer was given.
bool dialogAnswered();

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kOrange = RGB(255, 102, 0);
