// The edit control: an EditText model behind a window. Typing arrives as
// WM_CHAR, the caret keys and Delete as WM_KEYDOWN (Shift extends the
// selection, Ctrl moves by words or to the ends of the text), the mouse
// places the caret and drags a selection, and Ctrl+C, Ctrl+X and Ctrl+V
// (WM_CHAR 3, 24, 22) reach the clipboard through WM_COPY, WM_CUT and
// WM_PASTE; Ctrl+A selects everything. Every change of the text
// is reported to the parent with EN_CHANGE, the focus coming and going with
// EN_SETFOCUS and EN_KILLFOCUS.
//
// One handler per message, named after it. A handler that sends a message
// (to the control or, through the clipboard and the parent, to others) goes
// on only through sendToSelf or editStateOf, since the control may be gone.
#include <algorithm>
#include <cstring>

#include "code_page.h"
#include "edit_clipboard.h"
#include "edit_view.h"

namespace zt::platform {
namespace {

constexpr unsigned char kCtrlC = 3, kCtrlV = 22, kCtrlX = 24;

DWORD styleOf(HWND hwnd) {
  Window* w = findWindow(hwnd);
  return w ? w->style : 0;
}

bool held(int vk) { return GetKeyState(vk) < 0; }

// Sends msg to the control itself; its state afterwards, nullptr when gone.
EditState* sendToSelf(HWND hwnd, UINT msg) {
  return sendThenFind(hwnd, msg, 0, 0) ? editStateOf(hwnd) : nullptr;
}

// Keeps the window title equal to the text, for callers that read it directly.
void changed(HWND hwnd, bool notify) {
  Window* w = findWindow(hwnd);
  EditState* state = editStateOf(hwnd);
  if (!w || !state) return;
  w->title = state->text.text();
  refreshEdit(hwnd);
  if (notify) notifyParent(hwnd, EN_CHANGE);
}

// Runs f with the control's view measured in a window DC.
template <typename F>
auto withView(HWND hwnd, EditState& state, F&& f) {
  HDC dc = GetDC(hwnd);
  const EditView view = editView(hwnd, dc, state);
  auto result = f(view);
  ReleaseDC(hwnd, dc);
  return result;
}

size_t positionAt(HWND hwnd, EditState& state, LPARAM lParam) {
  const POINT p{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
  return withView(hwnd, state,
                  [&](const EditView& view) { return positionAtPoint(view, state, p); });
}

// Up and Down (Page Up and Page Down with `pages`): the nearest position
// one screen line (one field's height of lines) up or down.
void moveLine(HWND hwnd, EditState& state, int delta, bool pages, bool extend) {
  const size_t target = withView(hwnd, state, [&](const EditView& view) {
    const size_t line = lineOfPosition(view.lines, state.text.caret());
    const int x = pointOfPosition(view, state, state.text.caret()).x;
    if (pages) delta *= view.visibleLines;
    const int to =
        std::clamp(static_cast<int>(line) + delta, 0, static_cast<int>(view.lines.size()) - 1);
    return positionOnLine(view, state, static_cast<size_t>(to), x);
  });
  state.text.moveTo(target, extend);
}

// The dialog around the control has ended or is being destroyed: the focus
// leaves without telling it (as on Win32).
bool parentEnding(HWND hwnd) {
  HWND parent = GetParent(hwnd);
  const Window* w = findWindow(parent);
  const DialogState* dialog = dialogStateOf(parent);
  return !w || w->destroying || (dialog && dialog->ended);
}

// ---- the handlers, one per message

// Creates the state from the creation text; FALSE when the window is gone.
LRESULT onNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  Window* w = findWindow(hwnd);
  const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
  if (!w || !cs) return FALSE;
  auto owned = std::make_unique<EditState>((static_cast<DWORD>(cs->style) & ES_MULTILINE) != 0);
  if (cs->lpszName) owned->text.setText(cs->lpszName);
  w->dialogData = std::move(owned);
  const LRESULT r = DefWindowProcA(hwnd, WM_NCCREATE, wParam, lParam);
  // DefWindowProcA set the title from the creation text; the control's text
  // (cut at its limit) decides it.
  w = findWindow(hwnd);
  if (EditState* state = editStateOf(hwnd); w && state) w->title = state->text.text();
  return r;
}

LRESULT onNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  if (Window* w = findWindow(hwnd)) w->dialogData.reset();
  return DefWindowProcA(hwnd, WM_NCDESTROY, wParam, lParam);
}

LRESULT onSetText(HWND hwnd, EditState& state, LPARAM lParam) {
  state.text.setText(lParam ? reinterpret_cast<const char*>(lParam) : "");
  changed(hwnd, false);
  return TRUE;
}

LRESULT onGetText(const EditState& state, WPARAM size, LPARAM lParam) {
  char* buffer = reinterpret_cast<char*>(lParam);
  if (!buffer || size == 0) return 0;
  const size_t n = wholeCharacters(state.text.text(), static_cast<size_t>(size) - 1);
  std::memcpy(buffer, state.text.text().data(), n);
  buffer[n] = '\0';
  return static_cast<LRESULT>(n);
}

LRESULT onGetTextLength(const EditState& state) {
  return static_cast<LRESULT>(state.text.text().size());
}

// Typed characters; Ctrl+C, Ctrl+X and Ctrl+V reach the clipboard.
LRESULT onChar(HWND hwnd, EditState& state, WPARAM wParam) {
  switch (static_cast<unsigned char>(wParam & 0xFF)) {
    case kCtrlC:
      SendMessageA(hwnd, WM_COPY, 0, 0);
      return 0;
    case kCtrlX:
      SendMessageA(hwnd, WM_CUT, 0, 0);
      return 0;
    case kCtrlV:
      SendMessageA(hwnd, WM_PASTE, 0, 0);
      return 0;
    default:
      if (state.text.typeChar(static_cast<unsigned char>(wParam & 0xFF),
                              (styleOf(hwnd) & ES_WANTRETURN) != 0))
        changed(hwnd, true);
      return 0;
  }
}

// The caret keys move (Shift extends the selection, Ctrl goes by words or
// to the ends); Delete erases, Shift+Delete cuts; Ctrl+Insert copies and
// Shift+Insert pastes; Ctrl+A selects everything.
LRESULT onKeyDown(HWND hwnd, EditState& state, WPARAM key) {
  const bool shift = held(VK_SHIFT);
  const bool control = held(VK_CONTROL);
  EditState* after = &state;
  switch (key) {
    case VK_LEFT:
      control ? state.text.moveWordLeft(shift) : state.text.moveLeft(shift);
      break;
    case VK_RIGHT:
      control ? state.text.moveWordRight(shift) : state.text.moveRight(shift);
      break;
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
      if (state.text.multiline()) {
        const bool page = key == VK_PRIOR || key == VK_NEXT;
        moveLine(hwnd, state, key == VK_UP || key == VK_PRIOR ? -1 : 1, page, shift);
      }
      break;
    case VK_HOME:
      control ? state.text.moveTo(0, shift) : state.text.moveHome(shift);
      break;
    case VK_END:
      control ? state.text.moveTo(state.text.text().size(), shift) : state.text.moveEnd(shift);
      break;
    case VK_INSERT:
      if (control || shift) after = sendToSelf(hwnd, control ? WM_COPY : WM_PASTE);
      break;
    case VK_DELETE:
      if (shift) {
        after = sendToSelf(hwnd, WM_CUT);
      } else if (state.text.deleteForward()) {
        changed(hwnd, true);
        return 0;
      }
      break;
    case 'A':
      if (control) state.text.selectAll();
      break;
    default:
      break;
  }
  if (after) refreshEdit(hwnd);  // the caret or the selection moved
  return 0;
}

// What the control wants to handle itself: a multi-line control takes every
// key except Tab, Escape and, unless ES_WANTRETURN or Ctrl is held, Enter,
// which the dialog then handles.
LRESULT onGetDlgCode(HWND hwnd, LPARAM lParam) {
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
        if (!(style & ES_WANTRETURN) && !held(VK_CONTROL)) return code;
        break;
      default:
        break;
    }
  }
  return code | DLGC_WANTALLKEYS;
}

LRESULT onGetSel(const EditState& state, WPARAM wParam, LPARAM lParam) {
  const auto start = static_cast<DWORD>(state.text.selectionStart());
  const auto end = static_cast<DWORD>(state.text.selectionEnd());
  if (auto* p = reinterpret_cast<DWORD*>(wParam)) *p = start;
  if (auto* p = reinterpret_cast<DWORD*>(lParam)) *p = end;
  return MAKELONG(std::min<DWORD>(start, 0xFFFF), std::min<DWORD>(end, 0xFFFF));
}

// A start of -1 keeps the caret and drops the selection; an end of -1 (or
// beyond the text) is the end of the text. The caret goes to the end.
LRESULT onSetSel(HWND hwnd, EditState& state, WPARAM wParam, LPARAM lParam) {
  const auto start = static_cast<int>(wParam);
  const auto end = static_cast<int>(lParam);
  const size_t length = state.text.text().size();
  if (start == -1) {
    state.text.select(state.text.caret(), state.text.caret());
  } else {
    const size_t s = start < 0 ? length : static_cast<size_t>(start);
    const size_t e = end < 0 ? length : static_cast<size_t>(end);
    state.text.select(s, e);
  }
  refreshEdit(hwnd);
  return 0;
}

LRESULT onReplaceSel(HWND hwnd, EditState& state, LPARAM lParam) {
  if (state.text.replaceSelection(lParam ? reinterpret_cast<const char*>(lParam) : ""))
    changed(hwnd, true);
  return 0;
}

LRESULT onScrollCaret(HWND hwnd) {
  refreshEdit(hwnd);
  return TRUE;
}

LRESULT onGetFirstVisibleLine(const EditState& state) {
  return state.text.multiline() ? state.scrollLine : 0;
}

LRESULT onGetLineCount(HWND hwnd, EditState& state) {
  return withView(hwnd, state,
                  [](const EditView& view) { return static_cast<LRESULT>(view.lines.size()); });
}

// The client point of a character; -1 beyond the text.
LRESULT onPosFromChar(HWND hwnd, EditState& state, WPARAM index) {
  if (index >= state.text.text().size()) return -1;
  const POINT p = withView(hwnd, state, [&](const EditView& view) {
    return pointOfPosition(view, state, static_cast<size_t>(index));
  });
  return MAKELONG(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
}

// The character nearest a point, and its line.
LRESULT onCharFromPos(HWND hwnd, EditState& state, LPARAM lParam) {
  const POINT p{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
  const auto [index, line] = withView(hwnd, state, [&](const EditView& view) {
    const size_t at = positionAtPoint(view, state, p);
    return std::pair<size_t, size_t>(at, lineOfPosition(view.lines, at));
  });
  return MAKELONG(static_cast<WORD>(std::min<size_t>(index, 0xFFFF)),
                  static_cast<WORD>(std::min<size_t>(line, 0xFFFF)));
}

LRESULT onCopy(HWND hwnd, const EditState& state) {
  if (state.text.hasSelection()) putOnClipboard(hwnd, state.text.selectedText());
  return 0;
}

// The clipboard's owner changes hands on the way: the state is found again.
LRESULT onCut(HWND hwnd, const EditState& state) {
  if (!state.text.hasSelection() || !putOnClipboard(hwnd, state.text.selectedText())) return 0;
  EditState* after = editStateOf(hwnd);
  if (after && after->text.replaceSelection("")) changed(hwnd, true);
  return 0;
}

LRESULT onClear(HWND hwnd, EditState& state) {
  if (state.text.replaceSelection("")) changed(hwnd, true);
  return 0;
}

LRESULT onPaste(HWND hwnd) {
  const std::string text = takeFromClipboard(hwnd);
  EditState* after = editStateOf(hwnd);
  if (after && after->text.replaceSelection(text)) changed(hwnd, true);
  return 0;
}

LRESULT onSetFocus(HWND hwnd, EditState& state) {
  if (DialogState* dialog = dialogStateOf(GetParent(hwnd))) dialog->lastFocus = hwnd;
  const int height = withView(hwnd, state, [](const EditView& view) { return view.lineHeight; });
  CreateCaret(hwnd, nullptr, 1, height);
  refreshEdit(hwnd);
  ShowCaret(hwnd);
  notifyParent(hwnd, EN_SETFOCUS);
  return 0;
}

LRESULT onKillFocus(HWND hwnd) {
  DestroyCaret();
  InvalidateRect(hwnd, nullptr, TRUE);  // the selection is shown only with the focus
  if (!parentEnding(hwnd)) notifyParent(hwnd, EN_KILLFOCUS);
  return 0;
}

LRESULT onLButtonDown(HWND hwnd, WPARAM keys, LPARAM lParam) {
  if (GetFocus() != hwnd) SetFocus(hwnd);
  EditState* state = editStateOf(hwnd);  // the focus change may have ended it
  if (!state) return 0;
  state->text.moveTo(positionAt(hwnd, *state, lParam), (keys & MK_SHIFT) != 0);
  state->dragging = true;
  SetCapture(hwnd);
  refreshEdit(hwnd);
  return 0;
}

LRESULT onLButtonDblClk(HWND hwnd, EditState& state, LPARAM lParam) {
  const auto [start, end] = state.text.wordAt(positionAt(hwnd, state, lParam));
  state.text.select(start, end);
  state.dragging = false;
  refreshEdit(hwnd);
  return 0;
}

LRESULT onMouseMove(HWND hwnd, EditState& state, LPARAM lParam) {
  if (!state.dragging) return 0;
  state.text.moveTo(positionAt(hwnd, state, lParam), true);
  refreshEdit(hwnd);
  return 0;
}

LRESULT onLButtonUp(HWND hwnd, const EditState& state) {
  if (state.dragging) ReleaseCapture();  // WM_CAPTURECHANGED ends the drag
  if (EditState* after = editStateOf(hwnd)) after->dragging = false;
  return 0;
}

LRESULT onCaptureChanged(EditState& state) {
  state.dragging = false;
  return 0;
}

}  // namespace

LRESULT CALLBACK editWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) return onNcCreate(hwnd, wParam, lParam);
  EditState* state = editStateOf(hwnd);
  if (!state) return DefWindowProcA(hwnd, msg, wParam, lParam);
  EditState& s = *state;
  switch (msg) {
    case WM_NCDESTROY:
      return onNcDestroy(hwnd, wParam, lParam);
    case WM_SETTEXT:
      return onSetText(hwnd, s, lParam);
    case WM_GETTEXT:
      return onGetText(s, wParam, lParam);
    case WM_GETTEXTLENGTH:
      return onGetTextLength(s);
    case WM_CHAR:
      return onChar(hwnd, s, wParam);
    case WM_KEYDOWN:
      return onKeyDown(hwnd, s, wParam);
    case WM_GETDLGCODE:
      return onGetDlgCode(hwnd, lParam);
    case EM_GETSEL:
      return onGetSel(s, wParam, lParam);
    case EM_SETSEL:
      return onSetSel(hwnd, s, wParam, lParam);
    case EM_REPLACESEL:
      return onReplaceSel(hwnd, s, lParam);
    case EM_SCROLLCARET:
      return onScrollCaret(hwnd);
    case EM_GETFIRSTVISIBLELINE:
      return onGetFirstVisibleLine(s);
    case EM_GETLINECOUNT:
      return onGetLineCount(hwnd, s);
    case EM_POSFROMCHAR:
      return onPosFromChar(hwnd, s, wParam);
    case EM_CHARFROMPOS:
      return onCharFromPos(hwnd, s, lParam);
    case WM_COPY:
      return onCopy(hwnd, s);
    case WM_CUT:
      return onCut(hwnd, s);
    case WM_CLEAR:
      return onClear(hwnd, s);
    case WM_PASTE:
      return onPaste(hwnd);
    case WM_SETFOCUS:
      return onSetFocus(hwnd, s);
    case WM_KILLFOCUS:
      return onKillFocus(hwnd);
    case WM_LBUTTONDOWN:
      return onLButtonDown(hwnd, wParam, lParam);
    case WM_LBUTTONDBLCLK:
      return onLButtonDblClk(hwnd, s, lParam);
    case WM_MOUSEMOVE:
      return onMouseMove(hwnd, s, lParam);
    case WM_LBUTTONUP:
      return onLButtonUp(hwnd, s);
    case WM_CAPTURECHANGED:
      return onCaptureChanged(s);
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
