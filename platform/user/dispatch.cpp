// Calling window procedures: SendMessageA, DispatchMessageA, CallWindowProcA.
// SendMessageA calls the procedure directly, so it belongs to the thread
// that owns the windows.
#include "timers.h"
#include "window.h"

using namespace zt::platform;

Window* zt::platform::sendThenFind(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                   LRESULT* result) {
  const LRESULT answer = SendMessageA(hwnd, msg, wParam, lParam);
  if (result) *result = answer;
  return findWindow(hwnd);
}

LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* w = findWindow(hwnd);
  if (!w || !w->proc) return 0;
  WNDPROC proc = w->proc;  // w may be gone once the procedure returns
  return proc(hwnd, msg, wParam, lParam);
}

LRESULT DispatchMessageA(const MSG* msg) {
  if (!msg) return 0;
  if (msg->message == WM_TIMER && msg->lParam) {
    // Only the procedure of a running timer is called: a posted WM_TIMER
    // cannot make the program jump to an arbitrary address.
    auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
    if (!isTimerProc(proc)) return 0;
    proc(msg->hwnd, WM_TIMER, msg->wParam, GetTickCount());
    return 0;
  }
  if (!msg->hwnd) return 0;
  return SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return proc ? proc(hwnd, msg, wParam, lParam) : 0;
}
