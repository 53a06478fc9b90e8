// The tests' line-input dialog (a prompt, the multi-line edit field and
// "Okay") as a window of its own, for the screen driver's X tests. It prints
//   ready FIELD_X FIELD_Y   (the screen origin of the field's client area)
//   okay HEX                (the field's bytes, once Okay was pressed)
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
  return 0;
}
