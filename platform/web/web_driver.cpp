// The web driver, for Emscripten builds: every top-level window is an element
// of the page (desktop.js draws its title bar and close box around a canvas
// of its content), pixels go to the canvas with putImageData, and the wait
// suspends the program through ASYNCIFY until the page has input, a wake or
// the deadline, so the page is idle between events.
//
// Limits: one thread (wake() comes from the program itself); the clipboard is
// the process's own, handed to the browser's clipboard when set; a program
// that never waits never lets the page run. Depends on Emscripten's
// ASYNCIFY and on desktop.js being loaded by the page.
#include <emscripten.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "sdl_text.h"
#include "web_driver.h"
#include "web_input.h"

namespace zt::platform {

namespace {

// What the page queues for the program; desktop.js writes it field by field.
struct PageEvent {
  int32_t kind;
  int32_t window;
  int32_t x;
  int32_t y;
  int32_t button;
  int32_t modifiers;
  char code[32];
  char key[32];
};
static_assert(sizeof(PageEvent) == 88, "desktop.js writes these offsets");

enum Kind : int32_t { kMove = 1, kDown, kUp, kKeyDown, kKeyUp, kClose, kActivate, kMoved };
enum Modifier : int32_t { kCtrl = 1, kAlt = 2, kAltGraph = 4 };

struct State {
  std::map<HWND, int> ids;  // the page's window ids
  std::map<int, HWND> handles;
  int nextId = 1;
  bool wakePending = false;
  HWND active = nullptr;
  std::string clipboard;
  std::vector<uint8_t> rgba;
};

State& state() {
  static State instance;
  return instance;
}

int idOf(HWND hwnd) {
  auto it = state().ids.find(hwnd);
  return it == state().ids.end() ? 0 : it->second;
}

HWND handleOf(int id) {
  auto it = state().handles.find(id);
  return it == state().handles.end() ? nullptr : it->second;
}

// ---- the page's side (desktop.js)
EM_JS(void, page_create,
      (int id, int x, int y, int w, int h, const char* title, int decorated, int takesFocus,
       int owner),
      {
        ZT738Desktop.create(id, x, y, w, h, UTF8ToString(title), !!decorated, !!takesFocus, owner);
      });
EM_JS(void, page_show, (int id, int visible, int activate),
      { ZT738Desktop.show(id, !!visible, !!activate); });
EM_JS(void, page_place, (int id, int x, int y, int w, int h),
      { ZT738Desktop.place(id, x, y, w, h); });
EM_JS(void, page_retitle, (int id, const char* title),
      { ZT738Desktop.retitle(id, UTF8ToString(title)); });
EM_JS(void, page_destroy, (int id), { ZT738Desktop.destroy(id); });
EM_JS(void, page_present, (int id, const uint8_t* rgba, int x, int y, int w, int h),
      { ZT738Desktop.present(id, HEAPU8.subarray(rgba, rgba + w * h * 4), x, y, w, h); });
EM_JS(int, page_next_event, (void* event), {
  var e = ZT738Desktop.nextEvent();
  if (!e) return 0;
  var at = event >> 2;
  HEAP32[at] = e.kind;
  HEAP32[at + 1] = e.window || 0;
  HEAP32[at + 2] = e.x || 0;
  HEAP32[at + 3] = e.y || 0;
  HEAP32[at + 4] = e.button || 0;
  HEAP32[at + 5] = e.modifiers || 0;
  stringToUTF8(e.code || "", event + 24, 32);
  stringToUTF8(e.key || "", event + 56, 32);
  return 1;
});
EM_JS(int, page_width, (), { return ZT738Desktop.screenWidth(); });
EM_JS(int, page_height, (), { return ZT738Desktop.screenHeight(); });
EM_JS(void, page_set_clipboard, (const char* text),
      { ZT738Desktop.setClipboard(UTF8ToString(text)); });
EM_ASYNC_JS(void, page_wait, (int ms), { await ZT738Desktop.wait(ms); });

void create(HWND hwnd, const WindowFrame& f) {
  State& s = state();
  const int id = s.nextId++;
  s.ids[hwnd] = id;
  s.handles[id] = hwnd;
  page_create(id, f.content.left, f.content.top, f.content.right - f.content.left,
              f.content.bottom - f.content.top, toUtf8(f.title).c_str(), f.decorated, f.takesFocus,
              idOf(f.owner));
}

void show(HWND hwnd, bool visible, bool activate) {
  if (int id = idOf(hwnd)) {
    page_show(id, visible, activate);
    if (visible && activate) state().active = hwnd;
  }
}

void move(HWND hwnd, const WindowFrame& f) {
  if (int id = idOf(hwnd)) {
    page_place(id, f.content.left, f.content.top, f.content.right - f.content.left,
               f.content.bottom - f.content.top);
  }
}

void retitle(HWND hwnd, const char* title) {
  if (int id = idOf(hwnd)) page_retitle(id, toUtf8(title).c_str());
}

void destroy(HWND hwnd) {
  State& s = state();
  const int id = idOf(hwnd);
  if (!id) return;
  page_destroy(id);
  s.ids.erase(hwnd);
  s.handles.erase(id);
  if (s.active == hwnd) s.active = nullptr;
}

void present(HWND hwnd, const Surface& frame, const RECT& changed) {
  const int id = idOf(hwnd);
  if (!id) return;
  const RECT r = web::clipToFrame(changed, frame.width, frame.height);
  if (r.right <= r.left || r.bottom <= r.top) return;
  std::vector<uint8_t>& rgba = state().rgba;
  web::packRgba(frame, r, rgba);
  page_present(id, rgba.data(), r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void key(const PageEvent& e, bool down) {
  if (UINT vk = web::virtualKeyOfCode(e.code)) {
    keyInput(vk, MapVirtualKeyA(vk, MAPVK_VK_TO_VSC), down);
  }
  if (!down) return;
  std::string text =
      web::typedText(e.key, e.modifiers & kCtrl, e.modifiers & kAlt, e.modifiers & kAltGraph);
  if (!text.empty() && state().active) textInput(state().active, text);
}

void handle(const PageEvent& e) {
  const POINT at{e.x, e.y};
  switch (e.kind) {
    case kMove:
      pointerInput(at, 0);
      break;
    case kDown:
    case kUp:
      if (DWORD flag = web::buttonFlag(e.button, e.kind == kDown)) pointerInput(at, flag);
      break;
    case kKeyDown:
    case kKeyUp:
      key(e, e.kind == kKeyDown);
      break;
    case kClose:
      if (HWND hwnd = handleOf(e.window)) closeInput(hwnd);
      break;
    case kActivate:
      if (HWND hwnd = handleOf(e.window)) {
        state().active = hwnd;
        activationInput(hwnd, true);
      }
      break;
    case kMoved:
      if (HWND hwnd = handleOf(e.window)) moveInput(hwnd, at);
      break;
    default:
      break;
  }
}

void wait(std::optional<std::chrono::steady_clock::time_point> deadline) {
  int ms = -1;  // no deadline
  if (deadline) {
    auto left =
        std::chrono::ceil<std::chrono::milliseconds>(*deadline - std::chrono::steady_clock::now());
    ms = static_cast<int>(std::clamp<long long>(left.count(), 0, 1 << 30));
  }
  // A pending wake still lets the page run once, so that a program that
  // keeps waking itself cannot starve it.
  if (state().wakePending) ms = 0;
  page_wait(ms);
  state().wakePending = false;
  PageEvent e{};
  while (page_next_event(&e)) {
    handle(e);
    e = PageEvent{};
  }
}

void wake() { state().wakePending = true; }

SIZE screenSize() { return SIZE{page_width(), page_height()}; }

std::string clipboardText() { return state().clipboard; }

void setClipboardText(const std::string& text) {
  state().clipboard = text;
  page_set_clipboard(clipboardToDesktop(text).c_str());
}

const Driver kWeb{
    .name = "web",
    .create = create,
    .show = show,
    .move = move,
    .retitle = retitle,
    .destroy = destroy,
    .present = present,
    .wait = wait,
    .wake = wake,
    .screenSize = screenSize,
    .clipboardText = clipboardText,
    .setClipboardText = setClipboardText,
};

}  // namespace

const Driver& webDriver() { return kWeb; }

}  // namespace zt::platform
