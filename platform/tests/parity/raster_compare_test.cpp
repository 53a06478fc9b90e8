// The dump format and the comparison that decides raster parity.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "raster_compare.h"
#include "raster_grid.h"

namespace fs = std::filesystem;

namespace {

class RasterDumps : public testing::Test {
 protected:
  void SetUp() override {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    root_ = fs::temp_directory_path() / (std::string("zt738-raster-") + info->name());
    fs::remove_all(root_);
    fs::create_directories(root_ / "a");
    fs::create_directories(root_ / "b");
  }
  void TearDown() override { fs::remove_all(root_); }

  std::string dir(const char* side) const { return (root_ / side).string(); }

  static RasterGrid grid(const std::string& name, std::vector<std::string> rows) {
    RasterGrid g;
    g.name = name;
    g.call = "Rectangle(1, 1, 3, 2)";
    g.height = static_cast<int>(rows.size());
    g.width = rows.empty() ? 0 : static_cast<int>(rows[0].size());
    g.rows = std::move(rows);
    return g;
  }

  void writeFile(const char* side, const std::string& name, const std::string& text) {
    std::ofstream(root_ / side / (name + ".txt"), std::ios::binary) << text;
  }

  fs::path root_;
};

TEST_F(RasterDumps, WrittenGridReadsBackUnchanged) {
  const RasterGrid g = grid("rect-x", {"....", ".PB.", ".PP?"});
  ASSERT_TRUE(writeRasterGrid(dir("a"), g));
  const auto back = readRasterGrid(dir("a") + "/rect-x.txt");
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->name, g.name);
  EXPECT_EQ(back->call, g.call);
  EXPECT_EQ(back->width, 4);
  EXPECT_EQ(back->height, 3);
  EXPECT_EQ(back->rows, g.rows);
}

TEST_F(RasterDumps, MalformedFilesAreRejected) {
  ASSERT_TRUE(writeRasterGrid(dir("a"), grid("good", {"..", ".."})));
  std::string good;
  {
    std::ifstream in(root_ / "a" / "good.txt", std::ios::binary);
    good.assign(std::istreambuf_iterator<char>(in), {});
  }
  const std::string header = good.substr(0, good.find('\n') + 1);
  EXPECT_FALSE(readRasterGrid(dir("a") + "/absent.txt"));
  writeFile("a", "noheader", "case x\ncall y\nsize 1 1\n.\n");
  EXPECT_FALSE(readRasterGrid(dir("a") + "/noheader.txt"));
  writeFile("a", "short", header + "case x\ncall y\nsize 3 2\n...\n..\n");
  EXPECT_FALSE(readRasterGrid(dir("a") + "/short.txt"));
  writeFile("a", "truncated", header + "case x\ncall y\nsize 1 3\n.\n.\n");
  EXPECT_FALSE(readRasterGrid(dir("a") + "/truncated.txt"));
  writeFile("a", "negative", header + "case x\ncall y\nsize -1 2\n");
  EXPECT_FALSE(readRasterGrid(dir("a") + "/negative.txt"));
  writeFile("a", "huge", header + "case x\ncall y\nsize 100000 100000\n");
  EXPECT_FALSE(readRasterGrid(dir("a") + "/huge.txt"));
  writeFile("a", "nosize", header + "case x\ncall y\nsize wide\n");
  EXPECT_FALSE(readRasterGrid(dir("a") + "/nosize.txt"));
}

TEST_F(RasterDumps, CountsDifferingPixelsPerCase) {
  writeRasterGrid(dir("a"), grid("rect-same", {"PPP", "PBP", "PPP"}));
  writeRasterGrid(dir("b"), grid("rect-same", {"PPP", "PBP", "PPP"}));
  writeRasterGrid(dir("a"), grid("arc-two", {".P.", "PBP", ".P."}));
  writeRasterGrid(dir("b"), grid("arc-two", {"PP.", "PBP", ".PP"}));
  const auto diffs = compareRasterDirectories(dir("a"), dir("b"));
  ASSERT_EQ(diffs.size(), 2u);
  EXPECT_EQ(diffs[0].name, "arc-two");  // sorted by name
  EXPECT_EQ(diffs[0].pixels, 2);
  EXPECT_FALSE(diffs[0].mustMatch);
  EXPECT_EQ(diffs[1].name, "rect-same");
  EXPECT_EQ(diffs[1].pixels, 0);
  EXPECT_TRUE(diffs[1].mustMatch);
  EXPECT_FALSE(diffs[1].missing);
}

TEST_F(RasterDumps, SizeMismatchCountsTheLargerGridAndMissingCasesAreFlagged) {
  writeRasterGrid(dir("a"), grid("rect-size", {"..", ".."}));
  writeRasterGrid(dir("b"), grid("rect-size", {"...", "...", "..."}));
  writeRasterGrid(dir("a"), grid("degenerate-only-a", {"."}));
  writeFile("b", "rect-broken", "not a dump\n");
  writeRasterGrid(dir("a"), grid("rect-broken", {"."}));
  const auto diffs = compareRasterDirectories(dir("a"), dir("b"));
  ASSERT_EQ(diffs.size(), 3u);
  EXPECT_EQ(diffs[0].name, "degenerate-only-a");
  EXPECT_TRUE(diffs[0].missing);
  EXPECT_TRUE(diffs[0].mustMatch);
  EXPECT_EQ(diffs[1].name, "rect-broken");
  EXPECT_TRUE(diffs[1].missing);
  EXPECT_EQ(diffs[2].name, "rect-size");
  EXPECT_EQ(diffs[2].pixels, 9);
  EXPECT_EQ(diffs[2].note, "sizes differ");
}

TEST(RasterCaseKinds, RectanglesEllipsesAndDegenerateBoxesMustMatchOthersAreReported) {
  EXPECT_TRUE(rasterCaseMustMatch("rect-pen3-hollow-wide"));
  EXPECT_TRUE(rasterCaseMustMatch("rect-nullpen-solid-square"));
  EXPECT_TRUE(rasterCaseMustMatch("degenerate-ellipse-pen1-dot"));
  EXPECT_TRUE(rasterCaseMustMatch("ellipse-disc-r07"));
  EXPECT_TRUE(rasterCaseMustMatch("ellipse-wide-pen06-010x010-solid"));
  EXPECT_FALSE(rasterCaseMustMatch("polygon-star"));
  EXPECT_FALSE(rasterCaseMustMatch("rectangle"));
}

}  // namespace
