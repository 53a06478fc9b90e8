// The editor on the real package: time from a message posted to the graphics
// window (a click, a timer tick) to the finished redraw, as the editor's loop
// runs it: the wait returns the event, the editor handles it, and the next
// pump pass copies the canvas to the window.
#include <benchmark/benchmark.h>

#include "app/editor_state.h"
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

// Dispatches what is queued (paints, timer ticks), so that each case starts
// with an empty queue.
void drainMessages() {
  MSG message = {};
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// The client pixel of a logical point, packed as a mouse message carries it.
LPARAM clientPoint(int x, int y) { return MAKELPARAM(centreX + x, centreY - y); }

// One pass of the editor's loop for a message already posted: the wait, the
// editor's handling, then the pump pass that shows the canvas. False when the
// wait returned another kind of event or the canvas was not copied.
bool runOneEvent(Display& d, EditorState& state, EventKind expected) {
  int x = 0;
  int y = 0;
  char key = 0;
  const EventKind kind = d.nextEvent(&x, &y, &key);
  handleEvent(kind, x, y, state, d);
  ZT738_pump();
  return kind == expected && !canvasDirty;
}

// count shapes, squares and circles alternating, 80 x 60 each, spread over
// the drawing area, outlines 5 wide as the editor draws them.
void fill(ShapeList& list, int count) {
  bool pending = false;
  for (int i = 0; i < count; ++i) {
    const int x = (i * 37) % 520 - 260;
    const int y = (i * 53) % 440 - 220;
    list.add(x, y, x + 80, y - 60, pending, i % 2, i % COLOUR_COUNT);
  }
}

// A click with the move tool on a drawing with a selected shape: the shape
// moves to the click, then redrawAll over every shape, the selection marker
// and the palette. The shape stays where it is after the first click, so every
// iteration does the same work.
void BM_ClickToRedraw(benchmark::State& state) {
  Display& d = display();
  d.setAnimation(Halt);
  drainMessages();
  EditorState editor;
  fill(*editor.shapes, static_cast<int>(state.range(0)));
  bool pending = false;
  editor.shapes->add(-40, 30, 40, -30, pending, SquareTool, COLOUR_GREEN);
  editor.shapes->selectAt(0, 0, d);
  if (!editor.shapes->hasSelection()) state.SkipWithError("no shape selected");
  editor.currentTool = MoveTool;
  for (auto _ : state) {
    PostMessageA(graphicsWindow, WM_LBUTTONDOWN, MK_LBUTTON, clientPoint(100, 0));
    if (!runOneEvent(d, editor, EventMouse)) {
      state.SkipWithError("the click was not handled and shown");
      break;
    }
  }
  // The moved square (80 x 60, centred on (100, 0)) shows the blue marker.
  if (GetPixel(canvas, centreX + 60, centreY) != RGB(0, 0, 255)) {
    state.SkipWithError("the moved shape was not drawn");
  }
  if (state.range(0) > 0) state.SetItemsProcessed(state.iterations() * state.range(0));
  drainMessages();
}
// 0 shapes: the fixed part (clear, palette, marker, copy to the window).
BENCHMARK(BM_ClickToRedraw)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond);

// An animation tick: the periodic event that the editor answers by drawing
// its palette again. The wait absorbs a tick that arrives before it has armed
// its periodic event, so the first of two posted ticks arms it and the second
// ends it.
void BM_TickToPalette(benchmark::State& state) {
  Display& d = display();
  drainMessages();
  EditorState editor;
  d.setAnimation(Run);
  for (auto _ : state) {
    PostMessageA(graphicsWindow, WM_TIMER, TICK_TIMER_ID, 0);
    PostMessageA(graphicsWindow, WM_TIMER, TICK_TIMER_ID, 0);
    if (!runOneEvent(d, editor, EventPeriodic)) {
      state.SkipWithError("the tick was not handled and shown");
      break;
    }
  }
  d.setAnimation(Halt);
  drainMessages();
}
BENCHMARK(BM_TickToPalette)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
