// The web driver's browser-free logic: key names, typed text, buttons and the
// pixels handed to a canvas.
#include "web_input.h"

#include <gtest/gtest.h>

using namespace zt::platform;
using namespace zt::platform::web;

TEST(WebKeys, LettersDigitsAndFunctionKeysByPlace) {
  EXPECT_EQ(virtualKeyOfCode("KeyA"), static_cast<UINT>('A'));
  EXPECT_EQ(virtualKeyOfCode("KeyZ"), static_cast<UINT>('Z'));
  EXPECT_EQ(virtualKeyOfCode("Digit0"), static_cast<UINT>('0'));
  EXPECT_EQ(virtualKeyOfCode("Digit9"), static_cast<UINT>('9'));
  EXPECT_EQ(virtualKeyOfCode("F1"), static_cast<UINT>(VK_F1));
  EXPECT_EQ(virtualKeyOfCode("F12"), static_cast<UINT>(VK_F1 + 11));
}

TEST(WebKeys, NamesJustOutsideTheRangesAreUnknown) {
  for (const char* code : {"F0", "F13", "F", "Digit", "Digit10", "Key", "KeyAA", "Keya", "Key1",
                           "Numpad5", "", "MetaLeft", "F1x"}) {
    EXPECT_EQ(virtualKeyOfCode(code), 0u) << code;
  }
}

TEST(WebKeys, NamedKeysBothSidesAndEditingKeys) {
  EXPECT_EQ(virtualKeyOfCode("ControlLeft"), static_cast<UINT>(VK_CONTROL));
  EXPECT_EQ(virtualKeyOfCode("ControlRight"), static_cast<UINT>(VK_CONTROL));
  EXPECT_EQ(virtualKeyOfCode("ShiftRight"), static_cast<UINT>(VK_SHIFT));
  EXPECT_EQ(virtualKeyOfCode("AltRight"), static_cast<UINT>(VK_MENU));
  EXPECT_EQ(virtualKeyOfCode("NumpadEnter"), static_cast<UINT>(VK_RETURN));
  EXPECT_EQ(virtualKeyOfCode("Backspace"), static_cast<UINT>(VK_BACK));
  EXPECT_EQ(virtualKeyOfCode("PageDown"), static_cast<UINT>(VK_NEXT));
  EXPECT_EQ(virtualKeyOfCode("Quote"), static_cast<UINT>(VK_OEM_7));
  EXPECT_EQ(virtualKeyOfCode("Backquote"), static_cast<UINT>(VK_OEM_3));
}

TEST(WebText, OnePrintableCharacterTypesItself) {
  EXPECT_EQ(typedText("a", false, false, false), "a");
  EXPECT_EQ(typedText(" ", false, false, false), " ");
  EXPECT_EQ(typedText("\xC3\xA9", false, false, false), "\xC3\xA9");                  // é
  EXPECT_EQ(typedText("\xE2\x82\xAC", false, false, false), "\xE2\x82\xAC");          // €
  EXPECT_EQ(typedText("\xF0\x9F\x98\x80", false, false, false), "\xF0\x9F\x98\x80");  // emoji
}

TEST(WebText, KeyNamesControlsAndBrokenTextTypeNothing) {
  for (const char* key : {"Enter", "Dead", "Shift", "F1", "ab", "", "\x7F", "\t", "\xC3",
                          "\xC3\x41", "\x80", "\xC0\xAF", "\xC3\xA9x"}) {
    EXPECT_EQ(typedText(key, false, false, false), "") << key;
  }
}

TEST(WebText, CtrlAndAltTypeNothingUnlessAltGr) {
  EXPECT_EQ(typedText("q", true, false, false), "");
  EXPECT_EQ(typedText("q", false, true, false), "");
  EXPECT_EQ(typedText("@", true, true, true), "@");  // AltGr+Q on a German keyboard
  EXPECT_EQ(typedText("@", false, false, true), "@");
}

TEST(WebPointer, ButtonsAsDownAndUpFlags) {
  EXPECT_EQ(buttonFlag(0, true), static_cast<DWORD>(MOUSEEVENTF_LEFTDOWN));
  EXPECT_EQ(buttonFlag(0, false), static_cast<DWORD>(MOUSEEVENTF_LEFTUP));
  EXPECT_EQ(buttonFlag(1, true), static_cast<DWORD>(MOUSEEVENTF_MIDDLEDOWN));
  EXPECT_EQ(buttonFlag(1, false), static_cast<DWORD>(MOUSEEVENTF_MIDDLEUP));
  EXPECT_EQ(buttonFlag(2, true), static_cast<DWORD>(MOUSEEVENTF_RIGHTDOWN));
  EXPECT_EQ(buttonFlag(2, false), static_cast<DWORD>(MOUSEEVENTF_RIGHTUP));
  EXPECT_EQ(buttonFlag(3, true), 0u);  // back and forward buttons
  EXPECT_EQ(buttonFlag(-1, false), 0u);
}

TEST(WebPresent, ChangedRectangleIsClippedToTheFrame) {
  RECT r = clipToFrame(RECT{-5, -2, 700, 30}, 640, 20);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right, 640);
  EXPECT_EQ(r.bottom, 20);
  RECT inside = clipToFrame(RECT{3, 4, 5, 6}, 640, 20);
  EXPECT_EQ(inside.left, 3);
  EXPECT_EQ(inside.bottom, 6);
  RECT outside = clipToFrame(RECT{650, 25, 700, 30}, 640, 20);
  EXPECT_LE(outside.right, outside.left);
  EXPECT_LE(outside.bottom, outside.top);
  RECT edge = clipToFrame(RECT{639, 19, 640, 20}, 640, 20);  // the last pixel
  EXPECT_EQ(edge.right - edge.left, 1);
  EXPECT_EQ(edge.bottom - edge.top, 1);
}

TEST(WebPresent, PixelsGoOutAsOpaqueRgbaOfTheRectangleOnly) {
  Surface frame;
  frame.resize(4, 3, RGB(0, 0, 0));
  frame.row(1)[1] = RGB(0x11, 0x22, 0x33);
  frame.row(1)[2] = RGB(0x44, 0x55, 0x66);
  frame.row(2)[1] = RGB(0x77, 0x88, 0x99);
  frame.row(2)[3] = RGB(0xFF, 0xFF, 0xFF);  // outside the rectangle
  std::vector<uint8_t> out(3, 0xEE);        // old contents are replaced
  packRgba(frame, RECT{1, 1, 3, 3}, out);
  const std::vector<uint8_t> want{0x11, 0x22, 0x33, 0xFF, 0x44, 0x55, 0x66, 0xFF,
                                  0x77, 0x88, 0x99, 0xFF, 0x00, 0x00, 0x00, 0xFF};
  EXPECT_EQ(out, want);
  packRgba(frame, RECT{2, 2, 2, 2}, out);  // empty
  EXPECT_TRUE(out.empty());
}
