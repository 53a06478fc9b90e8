// The screen driver's arithmetic, without a screen: where a window goes
// under a window manager's frame, the scale a desktop asks for, and frames
// copied at a scale as blocks of pixels.
#include <gtest/gtest.h>

#include "sdl_driver.h"
#include "sdl_placement.h"
#include "sdl_scale.h"

namespace {

using zt::platform::sdl::clientPlacement;
using zt::platform::sdl::FrameExtents;

constexpr SIZE kScreen{1280, 1024};

TEST(ClientPlacement, WithoutAFrameTheContentGoesWhereTheLayerHasIt) {
  POINT at = clientPlacement(RECT{10, 20, 210, 150}, RECT{14, 42, 206, 146}, {}, 1, kScreen);
  EXPECT_EQ(at.x, 14);
  EXPECT_EQ(at.y, 42);
  at = clientPlacement(RECT{10, 20, 210, 150}, RECT{14, 42, 206, 146}, {}, 2, kScreen);
  EXPECT_EQ(at.x, 28);
  EXPECT_EQ(at.y, 84);
}

TEST(ClientPlacement, TheFramesTopLeftGoesToTheOuterRectangles) {
  FrameExtents frame{4, 27, 4, 4};
  POINT at = clientPlacement(RECT{100, 50, 300, 250}, RECT{104, 73, 296, 246}, frame, 1, kScreen);
  EXPECT_EQ(at.x, 104);
  EXPECT_EQ(at.y, 77);
}

// The text window across the bottom third: its frame ends at the screen's
// bottom edge whether the window manager's frame is taller or lower than
// the layer's.
TEST(ClientPlacement, AWindowOnTheBottomEdgeStaysOnIt) {
  RECT outer{0, 683, 1280, 1024}, content{4, 706, 1276, 1020};  // 314 rows of content
  for (FrameExtents frame : {FrameExtents{4, 27, 4, 4}, FrameExtents{1, 12, 1, 1}}) {
    POINT at = clientPlacement(outer, content, frame, 1, kScreen);
    EXPECT_EQ(at.y + 314 + frame.bottom, 1024) << "frame top " << frame.top;
    EXPECT_EQ(at.x, frame.left);
    EXPECT_GE(at.y - frame.top, 0);
  }
}

TEST(ClientPlacement, AWindowInsideTheScreenIsKeptInside) {
  FrameExtents frame{4, 40, 4, 4};
  // 10 rows above the bottom edge: the taller frame would run off by 7.
  POINT at = clientPlacement(RECT{0, 700, 200, 1014}, RECT{3, 726, 197, 1011}, frame, 1, kScreen);
  EXPECT_EQ(at.y + 285 + 4, 1024);
  // Off the screen already: left where it is asked to be.
  at = clientPlacement(RECT{0, 900, 200, 1214}, RECT{3, 926, 197, 1211}, frame, 1, kScreen);
  EXPECT_EQ(at.y, 940);
  // The right edge likewise.
  at = clientPlacement(RECT{1000, 0, 1280, 100}, RECT{1003, 20, 1277, 97}, frame, 1, kScreen);
  EXPECT_EQ(at.x + 274 + 4, 1280);
}

TEST(ClientPlacement, AtScaleTwoTheOuterRectangleIsDoubled) {
  FrameExtents frame{4, 27, 4, 4};
  SIZE screen{2560, 2048};
  POINT at = clientPlacement(RECT{0, 683, 1280, 1024}, RECT{4, 706, 1276, 1020}, frame, 2, screen);
  EXPECT_EQ(at.y + 314 * 2 + 4, 2048);
  EXPECT_EQ(at.x, 4);
}

TEST(Scale, ParsedFromTheEnvironmentsText) {
  using zt::platform::sdl::parseScale;
  EXPECT_EQ(parseScale("2"), 2);
  EXPECT_EQ(parseScale("1"), 1);
  EXPECT_EQ(parseScale("8"), 8);
  EXPECT_EQ(parseScale("9"), std::nullopt);
  EXPECT_EQ(parseScale("0"), std::nullopt);
  EXPECT_EQ(parseScale("-2"), std::nullopt);
  EXPECT_EQ(parseScale("2x"), std::nullopt);
  EXPECT_EQ(parseScale(""), std::nullopt);
  EXPECT_EQ(parseScale(nullptr), std::nullopt);
}

TEST(Scale, OfDotsPerInch) {
  using zt::platform::sdl::scaleOfDpi;
  EXPECT_EQ(scaleOfDpi(96), 1);
  EXPECT_EQ(scaleOfDpi(191.9), 1);
  EXPECT_EQ(scaleOfDpi(192), 2);
  EXPECT_EQ(scaleOfDpi(287), 2);
  EXPECT_EQ(scaleOfDpi(288), 3);
  EXPECT_EQ(scaleOfDpi(100000), zt::platform::sdl::kMaxScale);
  EXPECT_EQ(scaleOfDpi(0.0 / 0.0), 1);
}

TEST(Scale, XftDpiFromTheResourceDatabase) {
  using zt::platform::sdl::xftDpi;
  EXPECT_EQ(xftDpi("Xft.dpi:\t192\n"), 192);
  EXPECT_EQ(xftDpi("Xcursor.size:\t48\nXft.dpi:\t144\nXft.hinting:\t1\n"), 144);
  EXPECT_EQ(xftDpi("Xft.antialias:\t1\n"), std::nullopt);
  EXPECT_EQ(xftDpi("MyApp.Xft.dpi:\t192\n"), std::nullopt);  // another program's
  EXPECT_EQ(xftDpi("Xft.dpi:\tlarge\n"), std::nullopt);
  EXPECT_EQ(xftDpi(""), std::nullopt);
}

// Each pixel becomes a scale x scale block; only the changed rectangle is
// written, and the rectangle returned is in the target's pixels.
TEST(CopyScaled, EachPixelIsABlock) {
  zt::platform::Surface frame;
  frame.resize(3, 2, RGB(0, 0, 0));
  frame.row(0)[1] = RGB(255, 0, 0);
  frame.row(1)[2] = RGB(0, 0, 255);
  SDL_Surface* target = SDL_CreateRGBSurfaceWithFormat(0, 6, 4, 32, SDL_PIXELFORMAT_XRGB8888);
  ASSERT_NE(target, nullptr);
  SDL_FillRect(target, nullptr, 0x00123456);
  SDL_Rect r = zt::platform::sdl::copyScaled(frame, RECT{1, 0, 3, 2}, target, 2);
  EXPECT_EQ(r.x, 2);
  EXPECT_EQ(r.y, 0);
  EXPECT_EQ(r.w, 4);
  EXPECT_EQ(r.h, 4);
  auto at = [&](int x, int y) {
    return reinterpret_cast<Uint32*>(static_cast<Uint8*>(target->pixels) + y * target->pitch)[x];
  };
  for (int y = 0; y < 4; ++y) {
    EXPECT_EQ(at(0, y) & 0xFFFFFF, 0x123456u) << "column 0 is outside the change, row " << y;
    EXPECT_EQ(at(1, y) & 0xFFFFFF, 0x123456u) << "row " << y;
  }
  for (int y = 0; y < 2; ++y) {
    EXPECT_EQ(at(2, y) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(at(3, y) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(at(4, y) & 0xFFFFFF, 0u);
  }
  for (int y = 2; y < 4; ++y) {
    EXPECT_EQ(at(4, y) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(at(5, y) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(at(3, y) & 0xFFFFFF, 0u);
  }
  // A change beyond the frame or the target is clipped; nothing left: empty.
  r = zt::platform::sdl::copyScaled(frame, RECT{3, 0, 9, 9}, target, 2);
  EXPECT_EQ(r.w, 0);
  SDL_FreeSurface(target);
}

}  // namespace
