// The tests' line-input dialog (a prompt, the multi-line edit field and
// "Okay") as a window of its own, for the screen driver's X tests. It prints
//   ready FIELD_X FIELD_Y   (the screen origin of the field's client area)
//   okay HEX                (the field's bytes, once Okay was pressed)
//   owner-key VK            (the first key the owner got after the dialog)
#include <cstdio>

#include "../dialog/dialog_harness.h"

namespace {

INT_PTR CALLBACK probeProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    POINT origin{0, 0};
    ClientToScreen(GetDlgItem(dialog, kInput), &origin);
    std::printf("ready %ld %ld\n", static_cast<long>(origin.x), static_cast<long>(origin.y));
    std::fflush(stdout);
  }
  return recordingProc(dialog, msg, wParam, lParam);
}

}  // namespace

int main() {
  HWND owner = makeOwner();
  ShowWindow(owner, SW_SHOW);
  TemplateBuilder t = inputTemplate();
  if (DialogBoxIndirectParamA(nullptr, t.get(), owner, probeProc, 0) != 1) return 1;
  std::printf("okay ");
  for (UINT i = 0; i < record.copied; ++i)
    std::printf("%02x", static_cast<unsigned char>(record.text[i]));
  std::printf("\n");
  std::fflush(stdout);
  // The desktop's keyboard focus goes back to the owner: keys typed now reach
  // it without anyone clicking it first. Gives up after five seconds.
  SetTimer(owner, 1, 5000, nullptr);
  MSG m;
  while (GetMessageA(&m, nullptr, 0, 0) > 0 && m.message != WM_TIMER) {
    if (m.message == WM_KEYDOWN && m.hwnd == owner) {
      std::printf("owner-key %u\n", static_cast<unsigned>(m.wParam));
      break;
    }
    DispatchMessageA(&m);
  }
  return 0;
}
