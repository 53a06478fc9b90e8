#include "screen_support.h"

namespace {

POINT clientPoint(int x, int y) {
  RECT client = {};
  GetClientRect(graphicsWindow(), &client);
  const int centreX = client.left + (client.right - client.left) / 2;
  const int centreY = client.top + (client.bottom - client.top) / 2;
  return {centreX + x, centreY - y};
}

std::string pendingAnswer;
bool answered = false;
UINT_PTR answerTimer = 0;

void CALLBACK answerDialog(HWND, UINT, UINT_PTR, DWORD) {
  HWND dialog = FindWindowA(nullptr, "ZT738_gets");
  if (dialog == nullptr) return;
  KillTimer(nullptr, answerTimer);
  answerTimer = 0;
  SetDlgItemTextA(dialog, 102, pendingAnswer.c_str());
  PostMessageA(dialog, WM_COMMAND, 101, 0);
  answered = true;
}

}  // namespace

HWND graphicsWindow() { return FindWindowA(nullptr, "ZT738 Graphics"); }

void postClick(int x, int y) {
  const POINT p = clientPoint(x, y);
  PostMessageA(graphicsWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
}

COLORREF screenPixel(int x, int y) {
  const POINT p = clientPoint(x, y);
  HWND window = graphicsWindow();
  HDC dc = GetDC(window);
  const COLORREF pixel = GetPixel(dc, p.x, p.y);
  ReleaseDC(window, dc);
  return pixel;
}

void answerNextDialog(const std::string& name) {
  pendingAnswer = name;
  answered = false;
  if (answerTimer == 0) answerTimer = SetTimer(nullptr, 0, 20, answerDialog);
}

bool dialogAnswered() { return answered; }
