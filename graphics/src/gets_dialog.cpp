// The line-input dialog: a prompt, a multi-line edit field and an "Okay"
// button in a modal dialog whose template is assembled in memory.
#include <algorithm>
#include <cstring>
#include <vector>

#include "package.h"
#include "replay_hooks.h"

namespace zt::package {

char* getsResult = nullptr;

namespace {

constexpr size_t PROMPT_LENGTH = 79;  // 16-bit characters of the prompt field

// Writes little-endian fields one after the other.
class TemplateWriter {
 public:
  explicit TemplateWriter(unsigned char* out) : out_(out) {}
  void word(unsigned value) {
    out_[at_++] = static_cast<unsigned char>(value & 0xFF);
    out_[at_++] = static_cast<unsigned char>((value >> 8) & 0xFF);
  }
  void dword(unsigned long value) {
    word(static_cast<unsigned>(value & 0xFFFF));
    word(static_cast<unsigned>((value >> 16) & 0xFFFF));
  }
  void text(const char* s) {
    for (; *s; ++s) word(static_cast<unsigned char>(*s));
    word(0);
  }
  // The fixed part of an item: style, no extended style, the box, the
  // identifier and a predefined class atom.
  void item(unsigned long style, int x, int y, int cx, int cy, int id, unsigned atom) {
    dword(style);
    dword(0);
    word(static_cast<unsigned>(x));
    word(static_cast<unsigned>(y));
    word(static_cast<unsigned>(cx));
    word(static_cast<unsigned>(cy));
    word(static_cast<unsigned>(id));
    word(0xFFFF);
    word(atom);
  }
  void skip(int bytes) { at_ += bytes; }

 private:
  unsigned char* out_;
  int at_ = 0;
};

}  // namespace

void ZT738_build_gets_template(const char* prompt, unsigned char out[GETS_TEMPLATE_SIZE]) {
  std::memset(out, 0, GETS_TEMPLATE_SIZE);
  TemplateWriter w(out);
  // The dialog: no menu, the platform's dialog class, no font.
  w.dword(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
  w.dword(0);
  w.word(3);
  w.word(50);
  w.word(50);
  w.word(185);
  w.word(92);
  w.word(0);
  w.word(0);
  w.text("ZT738_gets");
  // The edit field, with no text and no creation data, then padding.
  w.item(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL, 8, 30, 167,
         37, IdGetsInput, 0x0081);
  w.word(0);
  w.word(0);
  w.skip(2);
  // The default push button.
  w.item(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 67, 74, 50, 14, IdGetsOkay, 0x0080);
  w.text("Okay");
  w.word(0);
  w.skip(2);
  // The prompt: exactly 79 characters, cut or filled with blanks.
  w.item(WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT, 8, 3, 167, 24, IdGetsPrompt, 0x0082);
  // The prompt is UTF-8 (the code page of the program): its first 79 UTF-16
  // units, never half of a pair, then blanks.
  WCHAR units[PROMPT_LENGTH];
  const int length = prompt ? MultiByteToWideChar(CP_UTF8, 0, prompt, -1, nullptr, 0) : 0;
  int widened = 0;
  if (length > 0) {
    std::vector<WCHAR> all(static_cast<size_t>(length));
    MultiByteToWideChar(CP_UTF8, 0, prompt, -1, all.data(), length);
    widened = std::min(length - 1, static_cast<int>(PROMPT_LENGTH));  // without the terminator
    const bool splitsPair = widened == static_cast<int>(PROMPT_LENGTH) &&
                            all[PROMPT_LENGTH - 1] >= 0xD800 && all[PROMPT_LENGTH - 1] < 0xDC00;
    if (splitsPair) --widened;
    std::copy(all.begin(), all.begin() + widened, units);
  }
  for (size_t i = 0; i < PROMPT_LENGTH; ++i) {
    w.word(static_cast<int>(i) < widened ? units[i] : ' ');
  }
  w.word(0);
  w.word(0);
}

}  // namespace zt::package

// Public (zt738.h).
int ZT738_gets(const char* prompt, char* result) {
  using namespace zt::package;
  alignas(4) unsigned char dialogTemplate[GETS_TEMPLATE_SIZE];
  ZT738_build_gets_template(prompt, dialogTemplate);
  const INT_PTR outcome = DialogBoxIndirectParamA(
      instance, reinterpret_cast<LPCDLGTEMPLATEA>(dialogTemplate), graphicsWindow,
      ZT738_gets_dialog_proc, reinterpret_cast<LPARAM>(result));
  return outcome != -1 ? 1 : 0;
}

namespace zt::package {

INT_PTR CALLBACK ZT738_gets_dialog_proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      getsResult = reinterpret_cast<char*>(lParam);
      ZT738_replay_dialog_opened(dialog);
      return 1;  // the platform focuses the first tab stop, the edit field
    case WM_COMMAND:
      if (wParam != IdGetsOkay) return 0;  // Cancel, edit notifications: the dialog stays
      if (getsResult) GetDlgItemTextA(dialog, IdGetsInput, getsResult, GETS_CAPACITY);
      EndDialog(dialog, 1);
      return 1;
    default:
      return 0;
  }
}

}  // namespace zt::package
