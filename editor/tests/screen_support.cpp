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

bool findColour(COLORREF colour, LogicalBox area, LogicalBox* found) {
  HWND window = graphicsWindow();
  HDC dc = GetDC(window);
  auto matches = [&](int x, int y) {
    const POINT p = clientPoint(x, y);
    return GetPixel(dc, p.x, p.y) == colour;
  };
  bool hit = false;
  int hitX = 0;
  int hitY = 0;
  for (int y = area.top; y >= area.bottom && !hit; y -= 4) {
    for (int x = area.left; x <= area.right && !hit; x += 4) {
      if (matches(x, y)) {
        hit = true;
        hitX = x;
        hitY = y;
      }
    }
  }
  if (hit) {
    *found = {hitX, hitY, hitX, hitY};
    for (int y = hitY + 60; y >= hitY - 60; --y) {
      for (int x = hitX - 60; x <= hitX + 60; ++x) {
        if (x < area.left || x > area.right || y > area.top || y < area.bottom) continue;
        if (!matches(x, y)) continue;
        found->left = x < found->left ? x : found->left;
        found->right = x > found->right ? x : found->right;
        found->top = y > found->top ? y : found->top;
        found->bottom = y < found->bottom ? y : found->bottom;
      }
    }
  }
  ReleaseDC(window, dc);
  return hit;
}

void answerNextDialog(const std::string& name) {
  pendingAnswer = name;
  answered = false;
  if (answerTimer == 0) answerTimer = SetTimer(nullptr, 0, 20, answerDialog);
}

bool dialogAnswered() { return answered; }
