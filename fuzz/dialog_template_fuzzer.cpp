// Fuzzes the dialog template reader: DialogBoxIndirectParamA on any bytes.
// A template that cannot be used gives -1; one that can makes a dialog,
// whose procedure ends it at once. Either way nothing is left behind.
#include <vector>

#include "fuzz_support.h"

namespace {

constexpr INT_PTR kEnded = 7;

// A template carries no length. The zeros after the input end any string
// and any item (a class with an empty name is refused) and cover the
// largest skip over creation data (65535 bytes), so a reader that stays
// within the template's own rules never reads past them.
constexpr size_t kZeroTail = 65536 + 64;

INT_PTR CALLBACK endAtOnce(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message != WM_INITDIALOG) return FALSE;
  EndDialog(dialog, kEnded);
  return TRUE;
}

INT_PTR run(const void* words) {
  return DialogBoxIndirectParamA(GetModuleHandleA(nullptr), static_cast<LPCDLGTEMPLATEA>(words),
                                 nullptr, endAtOnce, 0);
}

// The first dialog makes what every dialog shares (the dialog font), which
// lives as long as the process: made once before any count is taken.
void warmUp() {
  static bool done = false;
  if (done) return;
  done = true;
  DLGTEMPLATE bare[2] = {};
  bare[0].style = WS_POPUP;
  run(bare);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Whole 32-bit words, so that the template starts on a 4-byte boundary.
  std::vector<uint32_t> words((size + kZeroTail + 3) / 4, 0);
  std::memcpy(words.data(), data, size);
  warmUp();
  const GuiCounts before = guiCounts();
  const INT_PTR result = run(words.data());
  require(result == -1 || result == kEnded, "a dialog is refused or ends as its procedure says");
  require(guiCounts() == before, "no window, menu or GDI object outlives the dialog");
  return 0;
}
