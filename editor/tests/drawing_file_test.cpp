// The drawing file: exact bytes written, every accepted layout read, damaged
// records and failed saves.
#include <climits>
#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>

#include "drawing_file/drawing_reader.h"
#include "drawing_file/drawing_writer.h"
#include "scratch_dir.h"

namespace {

std::string records(const ShapeList& list) {
  std::ostringstream out;
  list.saveAll(out);
  return out.str();
}

struct Loaded {
  std::string records;
  DrawingReadResult result;
};

Loaded readText(const std::string& text) {
  std::istringstream in(text);
  ShapeList list;
  bool pending = true;
  Loaded loaded;
  loaded.result = readDrawing(in, list, pending);
  loaded.records = records(list);
  return loaded;
}

const std::string kExample = "SQUARE -100 50 20 -30 3 \nCIRCLE 40 40 140 100 13 \n";

ShapeList& exampleDrawing(ShapeList& list) {
  bool pending = true;
  list.add(-100, 50, 20, -30, pending, 0, 3);
  list.add(40, 40, 140, 100, pending, 1, 13);
  return list;
}

TEST(DrawingWriter, ExampleBytesAndASecondSaveIdentical) {
  ScratchDir dir;
  ShapeList drawing;
  ASSERT_TRUE(writeDrawingFile(dir.file("a.drw"), exampleDrawing(drawing)));
  const std::string first = readBytes(dir.file("a.drw"));
  EXPECT_EQ(first, "SQUARE -100 50 20 -30 3 " + kLineEnd + "CIRCLE 40 40 140 100 13 " + kLineEnd);

  std::ifstream in(dir.file("a.drw"));
  ShapeList loaded;
  bool pending = true;
  const DrawingReadResult read = readDrawing(in, loaded, pending);
  EXPECT_EQ(read.shapes, 2);
  EXPECT_FALSE(read.damaged);
  EXPECT_FALSE(pending);
  ASSERT_TRUE(writeDrawingFile(dir.file("b.drw"), loaded));
  EXPECT_EQ(readBytes(dir.file("b.drw")), first);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2)
      << "no temporary file is left behind";
}

TEST(DrawingWriter, ReplacesALongerFileAndWritesAnEmptyDrawingAsZeroBytes) {
  ScratchDir dir;
  const std::string name = dir.file("d");
  writeBytes(name, std::string(5000, 'x'));
  ShapeList empty;
  ASSERT_TRUE(writeDrawingFile(name, empty));
  EXPECT_EQ(readBytes(name), "");
  ShapeList drawing;
  ASSERT_TRUE(writeDrawingFile(name, exampleDrawing(drawing)));
  EXPECT_EQ(readBytes(name).size(), kExample.size() + 2 * (kLineEnd.size() - 1));
}

TEST(DrawingWriter, KeepsAUsersFileThatHasTheTemporaryName) {
  ScratchDir dir;
  writeBytes(dir.file("a.tmp"), "mine");
  writeBytes(dir.file("a.1.tmp"), "mine too");
  ShapeList drawing;
  ASSERT_TRUE(writeDrawingFile(dir.file("a"), exampleDrawing(drawing)));
  EXPECT_EQ(readBytes(dir.file("a.tmp")), "mine");
  EXPECT_EQ(readBytes(dir.file("a.1.tmp")), "mine too");
  EXPECT_EQ(readBytes(dir.file("a")).substr(0, 24), "SQUARE -100 50 20 -30 3 ");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);
}

TEST(DrawingWriter, FailuresLeaveNothingBehind) {
  ScratchDir dir;
  ShapeList drawing;
  exampleDrawing(drawing);
  EXPECT_FALSE(writeDrawingFile(dir.file("missing/a.drw"), drawing));
  EXPECT_FALSE(writeDrawingFile("", drawing));
  // A directory in the target's place cannot be replaced by a file.
  std::filesystem::create_directory(dir.file("taken"));
  writeBytes(dir.file("taken/keep"), "kept");
  EXPECT_FALSE(writeDrawingFile(dir.file("taken"), drawing));
  EXPECT_EQ(readBytes(dir.file("taken/keep")), "kept");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
      << "only the directory remains; the temporary file was removed";
}

TEST(DrawingReader, LayoutsOfWhitespaceAllReadTheSameDrawing) {
  const char* layouts[] = {
      "SQUARE -100 50 20 -30 3 \nCIRCLE 40 40 140 100 13 \n",
      "SQUARE -100 50 20 -30 3 \r\nCIRCLE 40 40 140 100 13 \r\n",
      "SQUARE -100 50 20 -30 3\nCIRCLE 40 40 140 100 13",
      "\n\nSQUARE -100 50 20 -30 3\n\n\r\n\nCIRCLE 40 40 140 100 13\n\n",
      "SQUARE\t-100\t50\t20\t-30\t3\tCIRCLE\t40\t40 140\t100\t13\t",
      "SQUARE -100 50 20 -30 3 CIRCLE 40 40 140 100 13",
      "SQUARE\n-100\n50 20\n-30 3 CIRCLE 40\r\n40 140 100\n13 \n",
      "SQUARE +0000000000000000000000000000000000000100 0050 +20 -030 03 CIRCLE 40 40 140 100 013",
  };
  for (const char* layout : layouts) {
    SCOPED_TRACE(layout);
    const Loaded loaded = readText(layout);
    EXPECT_EQ(loaded.result.shapes, 2);
    EXPECT_FALSE(loaded.result.damaged);
  }
  EXPECT_EQ(readText(layouts[7]).records, "SQUARE 100 50 20 -30 3 \nCIRCLE 40 40 140 100 13 \n");
  for (int i = 0; i < 7; ++i) EXPECT_EQ(readText(layouts[i]).records, kExample) << layouts[i];
}

TEST(DrawingReader, CrLfFileOnDisk) {
  ScratchDir dir;
  writeBytes(dir.file("crlf"), "CIRCLE 1 2 3 4 5 \r\nSQUARE -1 -2 -3 -4 -5 \r\n");
  std::ifstream in(dir.file("crlf"));
  ShapeList list;
  bool pending = false;
  EXPECT_EQ(readDrawing(in, list, pending).shapes, 2);
  EXPECT_EQ(records(list), "CIRCLE 1 2 3 4 5 \nSQUARE -1 -2 -3 -4 -5 \n");
}

TEST(DrawingReader, OnlyExactCircleMakesACircle) {
  const Loaded loaded = readText(
      "circle 1 1 2 2 3\nCircle 1 1 2 2 3\nCIRCLES 1 1 2 2 3\nBLOB 1 1 2 2 3\n"
      "CIRCLE 1 1 2 2 3\nSQUARE 1 1 2 2 3\n");
  EXPECT_EQ(loaded.result.shapes, 6);
  EXPECT_EQ(loaded.records,
            "SQUARE 1 1 2 2 3 \nSQUARE 1 1 2 2 3 \nSQUARE 1 1 2 2 3 \nSQUARE 1 1 2 2 3 \n"
            "CIRCLE 1 1 2 2 3 \nSQUARE 1 1 2 2 3 \n");
}

TEST(DrawingReader, ExtremeValuesRoundTrip) {
  const std::string text = "SQUARE -2147483648 2147483647 0 -1 99 \nCIRCLE 5 5 5 5 -3 \n";
  const Loaded loaded = readText(text);
  EXPECT_EQ(loaded.result.shapes, 2);
  EXPECT_EQ(loaded.records, text);
}

TEST(DrawingReader, EmptyAndBlankFilesGiveAnEmptyDrawing) {
  for (const char* text : {"", " ", "\n\n\r\n\t"}) {
    const Loaded loaded = readText(text);
    EXPECT_EQ(loaded.result.shapes, 0);
    EXPECT_FALSE(loaded.result.damaged);
    EXPECT_EQ(loaded.records, "");
  }
}

TEST(DrawingReader, DamagedRecordsStopTheReadingAndAreNotAdded) {
  struct Case {
    const char* text;
    int shapes;
    bool damaged;
    const char* records;
  };
  const Case cases[] = {
      // At the start: an empty drawing.
      {"SQUARE 1 2 x 4 5\nCIRCLE 1 2 3 4 5\n", 0, true, ""},
      {"CIRCLE\n", 0, true, ""},
      {"12 13 14 15 16 17\n", 1, false, "SQUARE 13 14 15 16 17 \n"},  // a number is a fine tag
      {"SQUARE 1 2 3 4 2147483648\n", 0, true, ""},
      // In the middle: the records before stay.
      {"CIRCLE 1 2 3 4 5\nSQUARE 6 7 word 9 10\nCIRCLE 1 1 1 1 1\n", 1, true,
       "CIRCLE 1 2 3 4 5 \n"},
      {"CIRCLE 1 2 3 4 5\nSQUARE 6 7 -2147483649 9 10\nCIRCLE 1 1 1 1 1\n", 1, true,
       "CIRCLE 1 2 3 4 5 \n"},
      {"CIRCLE 1 2 3 4 5\nSQUARE 6 7 99999999999999999999 9 10\n", 1, true, "CIRCLE 1 2 3 4 5 \n"},
      // At the end: a tag alone, or a record cut short.
      {"CIRCLE 1 2 3 4 5\nSQUARE 6 7 8 9 10\nCIRCLE\n", 2, true,
       "CIRCLE 1 2 3 4 5 \nSQUARE 6 7 8 9 10 \n"},
      {"CIRCLE 1 2 3 4 5\nSQUARE 6 7 8 9", 1, true, "CIRCLE 1 2 3 4 5 \n"},
      {"CIRCLE 1 2 3 4 5\nSQUARE 6 7 8 9 -", 1, true, "CIRCLE 1 2 3 4 5 \n"},
      {"CIRCLE 1 2 3 4 5\nSQUARE 6 7 8 9 +\n", 1, true, "CIRCLE 1 2 3 4 5 \n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const Loaded loaded = readText(c.text);
    EXPECT_EQ(loaded.result.shapes, c.shapes);
    EXPECT_EQ(loaded.result.damaged, c.damaged);
    EXPECT_EQ(loaded.records, c.records);
  }
}

TEST(DrawingReader, ExtraTokensShiftTheRecordsThatFollow) {
  const Loaded loaded = readText("SQUARE 1 2 3 4 5 6\nCIRCLE 7 8 9 10 11\n");
  // "6" becomes a tag; its numbers are CIRCLE's word: damaged after one shape.
  EXPECT_EQ(loaded.result.shapes, 1);
  EXPECT_TRUE(loaded.result.damaged);
  EXPECT_EQ(loaded.records, "SQUARE 1 2 3 4 5 \n");
}

}  // namespace
