// The editor on the real package: clicks posted to the graphics window, the
// pixels that the window shows afterwards, and the line-input dialog.
#include <sstream>

#include <gtest/gtest.h>

#include "app/click_handlers.h"
#include "app/editor_state.h"
#include "app/redraw.h"
#include "scratch_dir.h"
#include "screen_support.h"

namespace {

// The test process's one display; it lives until the process ends. Without
// the package's own entry point the windows start hidden, and a hidden
// window has no pixels to read on Win32.
Display& sharedDisplay() {
  static Display* display = [] {
    auto* made = new Display();
    ShowWindow(graphicsWindow(), SW_SHOWNORMAL);
    return made;
  }();
  return *display;
}

std::string rgb(COLORREF c) {
  std::ostringstream out;
  out << '(' << int(GetRValue(c)) << ',' << int(GetGValue(c)) << ',' << int(GetBValue(c)) << ')';
  return out.str();
}
#define EXPECT_PIXEL(x, y, colour) \
  EXPECT_EQ(rgb(screenPixel(x, y)), rgb(colour)) << "at " << x << "," << y

std::string records(const ShapeList& list) {
  std::ostringstream out;
  list.saveAll(out);
  return out.str();
}

class EditorScreenTest : public testing::Test {
 protected:
  void SetUp() override {
    sharedDisplay();
    redrawAll(display(), *state.shapes);
    showCanvas();
  }
  static Display& display() { return sharedDisplay(); }

  // Takes events until a mouse event arrives and hands it to the editor, as
  // its main loop does.
  void click(int x, int y) {
    postClick(x, y);
    for (int i = 0; i < 1000; ++i) {
      int ex = 0, ey = 0;
      char key = 0;
      const EventKind kind = display().nextEvent(&ex, &ey, &key);
      if (kind != EventMouse) continue;
      EXPECT_EQ(ex, x);
      EXPECT_EQ(ey, y);
      handleEvent(kind, ex, ey, state, display());
      return;
    }
    ADD_FAILURE() << "no mouse event";
  }
  void clickRow(int row) { click(-265, 225 - 40 * row); }
  // Lets the package copy the canvas to the window: a typed character goes
  // through the event loop's pump.
  void showCanvas() {
    PostMessageA(graphicsWindow(), WM_CHAR, 'z', 0);
    int x = 0, y = 0;
    char key = 0;
    for (int i = 0; i < 1000; ++i) {
      if (display().nextEvent(&x, &y, &key) == EventKey && key == 'z') return;
    }
    ADD_FAILURE() << "the typed character never arrived";
  }

  EditorState state;
};

TEST_F(EditorScreenTest, ClicksOnPaletteBoundariesReachTheRightHandler) {
  click(-260, 205);
  EXPECT_EQ(state.currentTool, CircleTool);
  click(-260, 206);
  EXPECT_EQ(state.currentTool, SquareTool);
  click(-236, -114);
  EXPECT_EQ(state.currentColour, COLOUR_MAGENTA);
  click(-294, 165);
  EXPECT_EQ(state.currentTool, MoveTool);
  // The outline and everything beyond it belong to the drawing area: with the
  // move tool they change nothing.
  click(-295, 100);
  click(-235, 100);
  click(-260, 245);
  click(-260, -195);
  EXPECT_EQ(state.currentTool, MoveTool);
  clickRow(0);
  click(-295, 100);
  EXPECT_TRUE(state.firstPointPending);
  EXPECT_EQ(state.anchorX, -295);
  EXPECT_EQ(state.anchorY, 100);
  clickRow(0);  // the tool's own row forgets the corner too
  EXPECT_FALSE(state.firstPointPending);
}

TEST_F(EditorScreenTest, TwoClicksDrawTheNewShapeInTheCurrentColour) {
  click(-100, 50);
  EXPECT_PIXEL(-100, 10, kWhite);  // nothing shows after the first corner
  click(20, -30);
  clickRow(1);
  clickRow(7);
  click(140, 100);
  click(40, 40);
  showCanvas();
  EXPECT_PIXEL(-100, 10, kGreen);  // left edge of the square
  EXPECT_PIXEL(20, 10, kGreen);
  EXPECT_PIXEL(-40, 50, kGreen);
  EXPECT_PIXEL(-40, 10, kWhite);
  EXPECT_PIXEL(40, 70, kYellow);  // the ellipse touches its box mid-side
  EXPECT_PIXEL(90, 100, kYellow);
  EXPECT_PIXEL(90, 70, kWhite);
  EXPECT_PIXEL(140, 100, kWhite);  // a box corner lies outside the ellipse
  // The palette is drawn over everything.
  EXPECT_PIXEL(-275, 225, kBlack);
  EXPECT_PIXEL(-275, 185, kBlack);
  EXPECT_PIXEL(-295, 0, kBlack);
  EXPECT_PIXEL(-235, 0, kBlack);
}

TEST_F(EditorScreenTest, PickMoveResizeRecolourAndDeleteShowOnScreen) {
  bool pending = false;
  state.shapes->add(-100, -100, 0, 0, pending, 0, COLOUR_RED);
  state.shapes->add(50, 50, 150, 100, pending, 1, COLOUR_RED);
  clickRow(5);
  click(100, 75);
  showCanvas();
  EXPECT_PIXEL(50, 50, kBlue);  // the marker frames the selected circle
  EXPECT_PIXEL(50, 75, kBlue);
  EXPECT_PIXEL(-100, -50, kRed);

  clickRow(2);
  click(100, -150);
  showCanvas();
  EXPECT_PIXEL(50, 75, kWhite);  // gone from its old place
  EXPECT_PIXEL(50, -175, kBlue);
  EXPECT_PIXEL(150, -125, kBlue);

  clickRow(3);
  click(200, -200);
  showCanvas();
  EXPECT_PIXEL(200, -200, kBlue);
  EXPECT_PIXEL(150, -125, kWhite);

  clickRow(6);  // orange, marker gone, still selected
  showCanvas();
  EXPECT_PIXEL(50, -187, kOrange);  // the ellipse's left end, mid-height of the box
  EXPECT_PIXEL(50, -175, kWhite);
  EXPECT_TRUE(state.shapes->hasSelection());

  clickRow(4);
  showCanvas();
  EXPECT_PIXEL(50, -187, kWhite);
  EXPECT_PIXEL(-100, -50, kRed);
  EXPECT_EQ(records(*state.shapes), "SQUARE -100 -100 0 0 2 \n");
}

TEST_F(EditorScreenTest, ShapesUnderThePaletteShowThroughItsButtons) {
  bool pending = false;
  state.shapes->add(-290, 100, -200, 60, pending, 0, COLOUR_MAGENTA);
  redrawAll(display(), *state.shapes);
  showCanvas();
  EXPECT_PIXEL(-220, 100, kMagenta);
  EXPECT_PIXEL(-235, 100, kBlack);  // the button's outline over the shape
  EXPECT_PIXEL(-290, 80, kMagenta);
  click(-250, 90);  // inside the palette: a palette row, not the shape
  EXPECT_EQ(state.currentTool, ResizeTool);
}

TEST_F(EditorScreenTest, SaveAndLoadThroughTheDialog) {
  ScratchDir dir;
  bool pending = false;
  state.shapes->add(-100, 50, 20, -30, pending, 0, 3);
  state.shapes->add(40, 40, 140, 100, pending, 1, 13);
  answerNextDialog(dir.file("drawing"));
  clickRow(9);
  ASSERT_TRUE(dialogAnswered());
  const std::string saved = readBytes(dir.file("drawing"));
  EXPECT_EQ(saved, "SQUARE -100 50 20 -30 3 " + kLineEnd + "CIRCLE 40 40 140 100 13 " + kLineEnd);

  state.shapes = std::make_unique<ShapeList>();
  redrawAll(display(), *state.shapes);
  answerNextDialog(dir.file("drawing"));
  clickRow(10);
  ASSERT_TRUE(dialogAnswered());
  EXPECT_EQ(records(*state.shapes), "SQUARE -100 50 20 -30 3 \nCIRCLE 40 40 140 100 13 \n");
  showCanvas();
  EXPECT_PIXEL(-100, 10, kGreen);
  EXPECT_PIXEL(40, 70, kOrange);
}

TEST_F(EditorScreenTest, FailedLoadAndSaveKeepDrawingAndScreen) {
  ScratchDir dir;
  bool pending = false;
  state.shapes->add(-100, 50, 20, -30, pending, 0, COLOUR_RED);
  clickRow(5);
  click(-40, 10);
  showCanvas();
  ASSERT_EQ(rgb(screenPixel(-100, 10)), rgb(kBlue));

  answerNextDialog(dir.file("missing"));
  clickRow(10);
  ASSERT_TRUE(dialogAnswered());
  showCanvas();
  EXPECT_PIXEL(-100, 10, kBlue);  // not even redrawn
  EXPECT_TRUE(state.shapes->hasSelection());

  answerNextDialog(dir.file("no/such/folder"));
  clickRow(9);
  ASSERT_TRUE(dialogAnswered());
  EXPECT_FALSE(std::filesystem::exists(dir.file("no")));

  writeBytes(dir.file("damaged"), "CIRCLE 40 40 140 100 13\nSQUARE 1 2\n");
  answerNextDialog(dir.file("damaged"));
  clickRow(10);
  ASSERT_TRUE(dialogAnswered());
  EXPECT_EQ(records(*state.shapes), "CIRCLE 40 40 140 100 13 \n");
  showCanvas();
  EXPECT_PIXEL(40, 70, kOrange);
  EXPECT_PIXEL(-100, 10, kWhite);
}

}  // namespace
