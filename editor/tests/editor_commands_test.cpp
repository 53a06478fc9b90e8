// What each event draws (the redraw policy), the two-click state machine, and
// the messages of the save and load commands.
#include <algorithm>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "app/editor_state.h"
#include "app/palette.h"
#include "recording_display.h"
#include "scratch_dir.h"

namespace {

using Calls = std::vector<DrawCall>;

Calls paletteCalls() {
  const Calls saved = recording().calls;
  recording().calls.clear();
  Display display;
  drawPalette(display);
  Calls calls = recording().calls;
  recording().calls = saved;
  return calls;
}

Calls concat(std::initializer_list<Calls> parts) {
  Calls all;
  for (const Calls& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

std::string records(const ShapeList& list) {
  std::ostringstream out;
  list.saveAll(out);
  return out.str();
}

class EditorTest : public testing::Test {
 protected:
  void SetUp() override { resetRecording(); }
  // Runs one event and returns what it drew.
  Calls event(EventKind kind, int x = 0, int y = 0) {
    recording().calls.clear();
    handleEvent(kind, x, y, state, display);
    return recording().calls;
  }
  Calls click(int x, int y) { return event(EventMouse, x, y); }
  Calls clickRow(int row) { return click(-265, 225 - 40 * row); }
  void add(int x1, int y1, int x2, int y2, int kind, int colour) {
    state.shapes->add(x1, y1, x2, y2, state.firstPointPending, kind, colour);
  }

  Display display;
  EditorState state;
};

TEST_F(EditorTest, EveryEventEndsWithThePaletteAndQuitEndsTheRun) {
  EXPECT_EQ(state.currentTool, SquareTool);
  EXPECT_EQ(state.currentColour, COLOUR_GREEN);
  for (EventKind kind : {EventKey, EventPeriodic, EventNone})
    EXPECT_EQ(event(kind), paletteCalls());
  EXPECT_FALSE(state.editorDone);
  EXPECT_EQ(event(EventQuit), paletteCalls());
  EXPECT_TRUE(state.editorDone);
}

TEST_F(EditorTest, TheSecondClickAddsAndRedrawsEverything) {
  EXPECT_EQ(click(-100, 50), paletteCalls());
  EXPECT_TRUE(state.firstPointPending);
  EXPECT_EQ(click(20, -30),
            concat({{clearCall(COLOUR_WHITE), rectangleCall(-100, 50, 20, -30, COLOUR_GREEN, 5)},
                    paletteCalls(),
                    paletteCalls()}));
  EXPECT_FALSE(state.firstPointPending);
}

TEST_F(EditorTest, EveryPaletteRowForgetsThePendingCorner) {
  for (int row = 0; row < 9; ++row) {
    SCOPED_TRACE(row);
    state.currentTool = CircleTool;
    click(10, 10);
    ASSERT_TRUE(state.firstPointPending);
    clickRow(row);
    EXPECT_FALSE(state.firstPointPending);
  }
  clickRow(1);
  click(50, 50);
  click(60, 70);
  EXPECT_EQ(records(*state.shapes), "CIRCLE 50 50 60 70 6 \n");  // magenta: the last colour row
}

TEST_F(EditorTest, WithoutSelectionMoveResizeAndColourDrawNothing) {
  add(0, 0, 10, 10, 0, 3);
  for (int row : {2, 3}) {
    clickRow(row);
    EXPECT_EQ(click(5, 5), paletteCalls());
  }
  EXPECT_EQ(clickRow(7), paletteCalls());
  EXPECT_EQ(state.currentColour, COLOUR_YELLOW);
  EXPECT_EQ(records(*state.shapes), "SQUARE 0 0 10 10 3 \n");
}

// A square and a circle, the circle selected.
class EditorWithSelection : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    add(0, 0, 100, 100, 0, 3);
    add(20, 20, 60, 40, 1, 5);
    state.currentTool = PickTool;
    click(40, 30);
    ASSERT_EQ(state.shapes->selected, state.shapes->head->next);
  }
  Calls redrawn(int x1, int y1, int x2, int y2, int colour) {
    return concat({{clearCall(COLOUR_WHITE), rectangleCall(0, 0, 100, 100, 3, 5),
                    ovalCall(x1, y1, x2, y2, colour, 5)},
                   paletteCalls()});
  }
};

TEST_F(EditorWithSelection, PickMissKeepsSelectionAndDrawsOnlyThePalette) {
  EXPECT_EQ(click(150, 150), paletteCalls());
  EXPECT_EQ(state.shapes->selected, state.shapes->head->next);
}

TEST_F(EditorWithSelection, ColourRowsRecolourWithoutMarkerAndKeepTheSelection) {
  EXPECT_EQ(clickRow(7), concat({redrawn(20, 20, 60, 40, COLOUR_YELLOW), paletteCalls()}));
  EXPECT_EQ(clickRow(8), concat({redrawn(20, 20, 60, 40, COLOUR_MAGENTA), paletteCalls()}));
  // A new shape keeps the selection too, unmarked.
  clickRow(0);
  click(-10, -10);
  const Calls drawn = click(-20, -20);
  EXPECT_EQ(std::count(drawn.begin(), drawn.end(), rectangleCall(20, 20, 60, 40, COLOUR_BLUE, 5)),
            0);
  EXPECT_EQ(drawn.size(), 4 + 2 * paletteCalls().size());
  EXPECT_EQ(state.shapes->selected, state.shapes->head->next);
}

TEST_F(EditorWithSelection, MoveAndResizeRedrawThenMark) {
  clickRow(2);
  EXPECT_EQ(click(-100, -100), concat({redrawn(-120, -110, -80, -90, 5),
                                       {rectangleCall(-120, -110, -80, -90, COLOUR_BLUE, 5)},
                                       paletteCalls()}));
  clickRow(3);
  EXPECT_EQ(click(0, 0), concat({redrawn(-120, -110, 0, 0, 5),
                                 {rectangleCall(-120, -110, 0, 0, COLOUR_BLUE, 5)},
                                 paletteCalls()}));
}

TEST_F(EditorWithSelection, DeleteRowRedrawsEvenWithNothingSelected) {
  const Calls squareOnly = concat({{clearCall(COLOUR_WHITE), rectangleCall(0, 0, 100, 100, 3, 5)},
                                   paletteCalls(),
                                   paletteCalls()});
  EXPECT_EQ(clickRow(4), squareOnly);
  EXPECT_EQ(state.currentTool, DeleteTool);
  EXPECT_EQ(click(50, 50), paletteCalls());  // the delete tool does nothing in the area
  EXPECT_EQ(clickRow(4), squareOnly);
  EXPECT_EQ(records(*state.shapes), "SQUARE 0 0 100 100 3 \n");
}

class FileCommandTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    add(-100, 50, 20, -30, 0, 3);
    add(40, 40, 140, 100, 1, 13);
    state.currentTool = PickTool;
    click(90, 70);
  }
  Calls save(const std::string& name) {
    recording().answers.push_back(name);
    return clickRow(9);
  }
  Calls load(const std::string& name) {
    recording().answers.push_back(name);
    return clickRow(10);
  }
  const std::string example = "SQUARE -100 50 20 -30 3 \nCIRCLE 40 40 140 100 13 \n";
  ScratchDir dir;
};

TEST_F(FileCommandTest, PromptsAndARoundTripWithoutMessages) {
  EXPECT_EQ(save(dir.file("one")), paletteCalls());
  EXPECT_EQ(load(dir.file("one")).front(), clearCall(COLOUR_WHITE));
  EXPECT_EQ(recording().prompts, (std::vector<std::string>{"save as....", "load file...."}));
  EXPECT_EQ(records(*state.shapes), example);
  EXPECT_FALSE(state.shapes->hasSelection());
  EXPECT_TRUE(recording().console.empty());
}

TEST_F(FileCommandTest, UnopenableNamesKeepDrawingSelectionAndScreen) {
  const ShapeList* before = state.shapes.get();
  const std::string missing = dir.file("no such file");
  EXPECT_EQ(load(missing), paletteCalls());
  load("");
  load(dir.path().string());
  EXPECT_EQ(recording().console,
            (std::vector<std::string>{"Cannot open drawing file " + missing + "\n",
                                      "Cannot open drawing file \n",
                                      "Cannot open drawing file " + dir.path().string() + "\n"}));
  EXPECT_EQ(state.shapes.get(), before);
  EXPECT_EQ(state.shapes->selected, state.shapes->head->next);
}

TEST_F(FileCommandTest, DamagedFilesKeepTheCompleteRecordsAndSaySo) {
  writeBytes(dir.file("bad"), "CIRCLE 1 2 3 4 5\nSQUARE 6 7 8 9 10\nSQUARE 1 2 three 4 5\n");
  load(dir.file("bad"));
  EXPECT_EQ(records(*state.shapes), "CIRCLE 1 2 3 4 5 \nSQUARE 6 7 8 9 10 \n");
  writeBytes(dir.file("worse"), "SQUARE x");
  load(dir.file("worse"));
  EXPECT_EQ(records(*state.shapes), "CIRCLE 1 2 3 4 5 \nSQUARE 6 7 8 9 10 \n");
  EXPECT_EQ(recording().console,
            (std::vector<std::string>{
                "Drawing file " + dir.file("bad") + " is damaged after 2 shapes\n",
                "Drawing file " + dir.file("worse") + " is damaged after 0 shapes\n"}));
}

TEST_F(FileCommandTest, AFileWithoutOneGoodRecordKeepsTheDrawingAndItsSelection) {
  const ShapeList* before = state.shapes.get();
  const std::vector<std::pair<std::string, std::string>> files = {
      {"script", "ZT738_MOUSE(-120, 45);\nZT738_KBD(97);\n"},
      {"text", "Dear diary, today I drew 2 squares.\n"},
      {"binary", std::string("\x7f"
                             "ELF\x02\x01\x01\0\0\0",
                             10)},
      {"tag only", "CIRCLE"},
  };
  std::vector<std::string> said;
  for (const auto& [leaf, contents] : files) {
    SCOPED_TRACE(leaf);
    writeBytes(dir.file(leaf), contents);
    EXPECT_EQ(load(dir.file(leaf)), paletteCalls()) << "the screen changed";
    said.push_back("Drawing file " + dir.file(leaf) + " is damaged after 0 shapes\n");
    EXPECT_EQ(state.shapes.get(), before);
    EXPECT_EQ(records(*state.shapes), example);
    EXPECT_EQ(state.shapes->selected, state.shapes->head->next);
  }
  EXPECT_EQ(recording().console, said);
  // Nothing but blanks is an empty drawing, as an empty file is.
  writeBytes(dir.file("blank"), " \r\n\t\n");
  load(dir.file("blank"));
  EXPECT_EQ(state.shapes->head, nullptr);
  EXPECT_EQ(recording().console, said);
}

TEST_F(FileCommandTest, FailedSavesSaySoAndLeaveNoFile) {
  EXPECT_EQ(save(dir.file("missing/one")), paletteCalls());
  save("");
  EXPECT_EQ(recording().console,
            (std::vector<std::string>{"Cannot save drawing file " + dir.file("missing/one") + "\n",
                                      "Cannot save drawing file \n"}));
  EXPECT_FALSE(std::filesystem::exists(dir.file("missing")));
  EXPECT_TRUE(state.shapes->hasSelection());
}

TEST_F(FileCommandTest, EmptyDrawingsAndTheLongestName) {
  const std::string longest = dir.file(std::string(255 - dir.file("").size(), 'n'));
  ASSERT_EQ(longest.size(), 255u);
  save(longest);
  writeBytes(dir.file("e"), "old contents");
  EditorState empty;
  std::swap(state.shapes, empty.shapes);
  save(dir.file("e"));
  EXPECT_EQ(readBytes(dir.file("e")), "");
  load(longest);
  EXPECT_EQ(records(*state.shapes), example);
  load(dir.file("e"));
  EXPECT_EQ(state.shapes->head, nullptr);
  EXPECT_TRUE(recording().console.empty());
}

}  // namespace
