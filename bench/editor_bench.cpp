// The editor's drawing file and selection at scale: save and load of 1,000 to
// 100,000 shapes, and selectAt over 10,000.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "drawing_file/drawing_reader.h"
#include "drawing_file/drawing_writer.h"
#include "shape_list/shape_list.h"

// Drawing costs belong to the package, not the editor: this Display does
// nothing, so the figures are the editor's own.
Display::Display() : width(600), height(500) {}
Display::~Display() = default;
void Display::clear(int) {}
int Display::drawRectangle(int, int, int, int, int, int) { return 1; }
int Display::drawOval(int, int, int, int, int, int) { return 1; }

namespace {

void fill(ShapeList& list, int count) {
  bool pending = false;
  for (int i = 0; i < count; ++i) {
    const int x = i % 500 - 250;
    const int y = (i / 500) % 400 - 200;
    list.add(x, y, x + 40, y - 30, pending, i % 2, i % 24);
  }
}

std::string scratchFile(const char* name) {
  return (std::filesystem::temp_directory_path() / name).string();
}

void BM_SaveDrawing(benchmark::State& state) {
  ShapeList list;
  fill(list, static_cast<int>(state.range(0)));
  const std::string name = scratchFile("zt738-editor-bench-save.drw");
  for (auto _ : state) {
    if (!writeDrawingFile(name, list)) state.SkipWithError("save failed");
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  std::filesystem::remove(name);
}
BENCHMARK(BM_SaveDrawing)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The records alone, written into memory as a save does before its one write.
void BM_FormatDrawing(benchmark::State& state) {
  ShapeList list;
  fill(list, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::ostringstream text;
    list.saveAll(text);
    benchmark::DoNotOptimize(text.view().data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FormatDrawing)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_LoadDrawing(benchmark::State& state) {
  const std::string name = scratchFile("zt738-editor-bench-load.drw");
  {
    ShapeList list;
    fill(list, static_cast<int>(state.range(0)));
    writeDrawingFile(name, list);
  }
  for (auto _ : state) {
    std::ifstream in(name);
    ShapeList list;
    bool pending = false;
    const DrawingReadResult read = readDrawing(in, list, pending);
    if (read.shapes != state.range(0)) state.SkipWithError("short read");
    benchmark::DoNotOptimize(list.head);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  std::filesystem::remove(name);
}
BENCHMARK(BM_LoadDrawing)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A point that no shape contains: every shape is asked, nothing is drawn.
void BM_SelectAtMiss(benchmark::State& state) {
  ShapeList list;
  fill(list, 10000);
  Display display;
  for (auto _ : state) list.selectAt(5000, 5000, display);
  state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_SelectAtMiss);

// A point inside many shapes: the search, then a redraw of all of them.
void BM_SelectAtHit(benchmark::State& state) {
  ShapeList list;
  fill(list, 10000);
  Display display;
  for (auto _ : state) list.selectAt(0, -190, display);
  if (!list.hasSelection()) state.SkipWithError("nothing selected");
  state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_SelectAtHit);

}  // namespace

BENCHMARK_MAIN();
