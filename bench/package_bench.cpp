// Throughput of the package's drawing primitives and console output.
#include <benchmark/benchmark.h>

#include "package.h"

using namespace zt::package;

namespace {

Display& display() {
  static Display* shared = [] {
    startInstance = GetModuleHandleA(nullptr);
    startCmdShow = SW_SHOWNORMAL;
    return new Display();
  }();
  return *shared;
}

void BM_FilledBox(benchmark::State& state) {
  Display& d = display();
  int colour = 0;
  for (auto _ : state) {
    d.drawRectangle(-50, 50, 50, -50, colour, 0);
    colour = (colour + 1) % COLOUR_COUNT;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FilledBox);

void BM_OutlinedBox(benchmark::State& state) {
  Display& d = display();
  int colour = 0;
  for (auto _ : state) {
    d.drawRectangle(-50, 50, 50, -50, colour, 1);
    colour = (colour + 1) % COLOUR_COUNT;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OutlinedBox);

void BM_FilledCircle(benchmark::State& state) {
  Display& d = display();
  for (auto _ : state) d.drawCircle(0, 0, 50, COLOUR_BLUE);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FilledCircle);

void BM_Text16(benchmark::State& state) {
  Display& d = display();
  for (auto _ : state) d.drawText(-100, 0, "ZT738 benchmark text", COLOUR_BLACK, 16);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Text16);

void BM_ConsolePrintf(benchmark::State& state) {
  display();
  int line = 0;
  for (auto _ : state) ZT738_console_printf("console line %d of the benchmark\n", ++line);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ConsolePrintf);

}  // namespace

BENCHMARK_MAIN();
