// The edit control: an EditText model behind a window. Typing arrives as
// WM_CHAR, the caret keys and Delete as WM_KEYDOWN; every change of the
// text is reported to the parent with EN_CHANGE.
#include <algorithm>
#include <cstring>

#include "control_paint.h"
#include "dialog_manager.h"

namespace zt::platform {
namespace {

constexpr int kMargin = 2;  // pixels between the border and the text

DWORD styleOf(HWND hwnd) {
  Window* w = findWindow(hwnd);
  return w ? w->style : 0;
}

// Keeps the window title equal to the text, for callers that read it directly.
void changed(HWND hwnd, bool notify) {
  Window* w = findWindow(hwnd);
  EditState* state = editStateOf(hwnd);
  if (!w || !state) return;
  w->title = state->text.text();
  InvalidateRect(hwnd, nullptr, TRUE);
  if (notify) notifyParent(hwnd, EN_CHANGE);
}

LRESULT getText(const EditState& state, WPARAM size, LPARAM lParam) {
  char* buffer = reinterpret_cast<char*>(lParam);
  if (!buffer || size == 0) return 0;
  const size_t n = std::min(state.text.text().size(), static_cast<size_t>(size) - 1);
  std::memcpy(buffer, state.text.text().data(), n);
  buffer[n] = '\0';
  return static_cast<LRESULT>(n);
}

LRESULT getSelection(const EditState& state, WPARAM wParam, LPARAM lParam) {
  const auto start = static_cast<DWORD>(state.text.selectionStart());
  const auto end = static_cast<DWORD>(state.text.selectionEnd());
  if (auto* p = reinterpret_cast<DWORD*>(wParam)) *p = start;
  if (auto* p = reinterpret_cast<DWORD*>(lParam)) *p = end;
  return MAKELONG(std::min<DWORD>(start, 0xFFFF), std::min<DWORD>(end, 0xFFFF));
}

// EM_SETSEL: a start of -1 keeps the caret and drops the selection; an end
// of -1 (or beyond the text) is the end of the text.
void setSelection(EditState& state, WPARAM wParam, LPARAM lParam) {
  const auto start = static_cast<int>(wParam);
  const auto end = static_cast<int>(lParam);
  const size_t length = state.text.text().size();
  if (start == -1) {
    state.text.select(state.text.caret(), state.text.caret());
    return;
  }
  const size_t s = start < 0 ? length : static_cast<size_t>(start);
  const size_t e = end < 0 ? length : static_cast<size_t>(end);
  state.text.select(s, e);
}

// What the control wants to handle itself: a multi-line control takes every
// key except Tab, Escape and, unless ES_WANTRETURN or Ctrl is held, Enter,
// which the dialog then handles.
LRESULT dialogCode(HWND hwnd, LPARAM lParam) {
  LRESULT code = DLGC_HASSETSEL | DLGC_WANTCHARS | DLGC_WANTARROWS;
  const DWORD style = styleOf(hwnd);
  if (!(style & ES_MULTILINE)) return code;
  const MSG* msg = reinterpret_cast<const MSG*>(lParam);
  if (msg && msg->message == WM_KEYDOWN) {
    switch (msg->wParam) {
      case VK_TAB:
      case VK_ESCAPE:
        return code;
      case VK_RETURN:
        if (!(style & ES_WANTRETURN) && GetKeyState(VK_CONTROL) >= 0) return code;
        break;
      default:
        break;
    }
  }
  return code | DLGC_WANTALLKEYS;
}

bool keyDown(EditState& state, WPARAM key) {
  switch (key) {
    case VK_LEFT:
      state.text.moveLeft();
      return false;
    case VK_RIGHT:
      state.text.moveRight();
      return false;
    case VK_HOME:
      state.text.moveHome();
      return false;
    case VK_END:
      state.text.moveEnd();
      return false;
    case VK_DELETE:
      return state.text.deleteForward();
    default:
      return false;
  }
}

bool hasFocus(HWND hwnd) { return GetFocus() == hwnd; }

void paintEdit(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  if (!dc) return;
  EditState* state = editStateOf(hwnd);
  fillClient(dc, hwnd, kFieldColour);
  RECT r;
  GetClientRect(hwnd, &r);
  frameRect(dc, r, kShadowColour);
  if (state) {
    prepareText(dc);
    const std::string& text = state->text.text();
    const bool multiline = state->text.multiline();
    const int width = std::max<int>(1, r.right - 2 * kMargin);
    std::vector<LineSpan> lines =
        multiline ? layoutInDc(dc, text, width, true) : std::vector<LineSpan>{{0, text.size()}};
    const int height = std::max(1, lineHeight(dc));
    const int visible = std::max(1, static_cast<int>((r.bottom - 2 * kMargin) / height));
    // Scroll so that the caret's line is on screen.
    const int caretLine = static_cast<int>(lineOfPosition(lines, state->text.caret()));
    state->scrollLine = std::clamp(state->scrollLine, caretLine - visible + 1, caretLine);
    for (int i = state->scrollLine;
         i < static_cast<int>(lines.size()) && i < state->scrollLine + visible; ++i) {
      const LineSpan& line = lines[static_cast<size_t>(i)];
      const int y = kMargin + (i - state->scrollLine) * height;
      TextOutA(dc, kMargin, y, text.data() + line.start, static_cast<int>(line.end - line.start));
    }
    if (hasFocus(hwnd)) {
      const LineSpan& line = lines[static_cast<size_t>(caretLine)];
      const int x = kMargin + textWidth(dc, std::string_view(text).substr(
                                                line.start, state->text.caret() - line.start));
      const int y = kMargin + (caretLine - state->scrollLine) * height;
      const RECT caret{x, y, x + 1, y + height};
      HBRUSH brush = CreateSolidBrush(kTextColour);
      FillRect(dc, &caret, brush);
      DeleteObject(brush);
    }
  }
  EndPaint(hwnd, &ps);
}

}  // namespace

LRESULT CALLBACK editWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    Window* w = findWindow(hwnd);
    const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    if (!w || !cs) return FALSE;
    auto owned = std::make_unique<EditState>((static_cast<DWORD>(cs->style) & ES_MULTILINE) != 0);
    EditState* state = owned.get();
    if (cs->lpszName) state->text.setText(cs->lpszName);
    w->dialogData = std::move(owned);
    const LRESULT r = DefWindowProcA(hwnd, msg, wParam, lParam);
    if ((w = findWindow(hwnd)) != nullptr) w->title = state->text.text();
    return r;
  }
  EditState* state = editStateOf(hwnd);
  if (!state) return DefWindowProcA(hwnd, msg, wParam, lParam);
  switch (msg) {
    case WM_NCDESTROY:
      findWindow(hwnd)->dialogData.reset();
      return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_SETTEXT:
      state->text.setText(lParam ? reinterpret_cast<const char*>(lParam) : "");
      changed(hwnd, false);
      return TRUE;
    case WM_GETTEXT:
      return getText(*state, wParam, lParam);
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(state->text.text().size());
    case WM_CHAR:
      if (state->text.typeChar(static_cast<unsigned char>(wParam & 0xFF),
                               (styleOf(hwnd) & ES_WANTRETURN) != 0)) {
        changed(hwnd, true);
      }
      return 0;
    case WM_KEYDOWN:
      if (keyDown(*state, wParam)) {
        changed(hwnd, true);
      } else {
        InvalidateRect(hwnd, nullptr, TRUE);  // the caret moved
      }
      return 0;
    case WM_GETDLGCODE:
      return dialogCode(hwnd, lParam);
    case EM_GETSEL:
      return getSelection(*state, wParam, lParam);
    case EM_SETSEL:
      setSelection(*state, wParam, lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_SETFOCUS:
      if (DialogState* dialog = dialogStateOf(GetParent(hwnd))) dialog->lastFocus = hwnd;
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_KILLFOCUS:
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(hwnd);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills everything
    case WM_PAINT:
      paintEdit(hwnd);
      return 0;
    default:
      return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

}  // namespace zt::platform
