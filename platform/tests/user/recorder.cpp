#include "recorder.h"

namespace zt_test {
namespace {

bool isRecorded(UINT msg) {
  switch (msg) {
    case WM_CREATE:
    case WM_SIZE:
    case WM_DESTROY:
    case WM_PAINT:
    case WM_TIMER:
    case WM_CHAR:
    case WM_KEYDOWN:
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      return true;
    default:
      return msg >= WM_USER && msg < WM_APP;
  }
}

LRESULT CALLBACK recorderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (isRecorded(msg)) records().push_back(Recorded{hwnd, msg, wParam, lParam});
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

std::vector<Recorded>& records() {
  static std::vector<Recorded> list;
  return list;
}

void clearRecords() { records().clear(); }

std::vector<UINT> recordedMessages(HWND only) {
  std::vector<UINT> messages;
  for (const Recorded& r : records()) {
    if (!only || r.hwnd == only) messages.push_back(r.message);
  }
  return messages;
}

const char* recorderClass() {
  static const char* name = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = recorderProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "ZtRecorder";
    RegisterClassA(&wc);
    return "ZtRecorder";
  }();
  return name;
}

HWND createRecorder(DWORD style, int width, int height, const char* title, HWND parent,
                    HMENU menu) {
  return CreateWindowExA(0, recorderClass(), title, style, 10, 20, width, height, parent, menu,
                         GetModuleHandleA(nullptr), nullptr);
}

bool drainMessages() {
  bool quit = false;
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      quit = true;
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return quit;
}

}  // namespace zt_test
