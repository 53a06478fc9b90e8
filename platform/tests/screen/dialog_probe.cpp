// The line-input dialog for the screen driver's X tests: a prompt, the
// multi-line edit field and "Okay", as a window of its own. It prints
//   ready FIELD_X FIELD_Y WIDTH HEIGHT   (screen origin and size of the field's client area)
//   okay HEX                             (the field's bytes when Okay is pressed)
// and ends after Okay.
#include <cstdio>

#include "../dialog/template_builder.h"
#include "win32.h"

namespace {

constexpr int kOkay = 101, kInput = 102, kPrompt = 103;

LRESULT CALLBACK ownerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

INT_PTR CALLBACK dialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_INITDIALOG) {
    HWND field = GetDlgItem(dialog, kInput);
    RECT r;
    GetClientRect(field, &r);
    POINT origin{0, 0};
    ClientToScreen(field, &origin);
    std::printf("ready %ld %ld %ld %ld\n", static_cast<long>(origin.x),
                static_cast<long>(origin.y), static_cast<long>(r.right),
                static_cast<long>(r.bottom));
    std::fflush(stdout);
    return TRUE;
  }
  if (msg == WM_COMMAND && LOWORD(wParam) == kOkay) {
    char text[512] = {};
    const UINT n = GetDlgItemTextA(dialog, kInput, text, sizeof text);
    std::printf("okay ");
    for (UINT i = 0; i < n; ++i) std::printf("%02x", static_cast<unsigned char>(text[i]));
    std::printf("\n");
    std::fflush(stdout);
    EndDialog(dialog, 1);
    return TRUE;
  }
  return FALSE;
}

}  // namespace

int main() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = ownerProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "dialog-probe-owner";
  RegisterClassA(&wc);
  HWND owner = CreateWindowExA(0, wc.lpszClassName, "dialog probe owner", WS_OVERLAPPEDWINDOW, 40,
                               40, 500, 300, nullptr, nullptr, wc.hInstance, nullptr);
  ShowWindow(owner, SW_SHOW);
  TemplateBuilder t(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 50, 50, 185,
                    92, "line input probe");
  t.item(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL, 8, 30, 167,
         37, kInput, 0x0081, "")
      .item(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 67, 74, 50, 14, kOkay, 0x0080,
            "Okay")
      .item(WS_CHILD | WS_VISIBLE | WS_GROUP, 8, 3, 167, 24, kPrompt, 0x0082, "Type something");
  const INT_PTR r = DialogBoxIndirectParamA(wc.hInstance, t.get(), owner, dialogProc, 0);
  DestroyWindow(owner);
  return r == 1 ? 0 : 1;
}
