// The dialog's edit field as a user works it: the selection messages, Shift
// with the caret keys, Ctrl+A, Ctrl+C, Ctrl+X and Ctrl+V through real key
// input and the clipboard, the mouse, the drawn selection and caret,
// scrolling as the text grows; and the push button held down.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "dialog_harness.h"

namespace {

using Sel = std::pair<DWORD, DWORD>;
HWND field(HWND d) { return GetDlgItem(d, kInput); }

Sel sel(HWND d) {
  DWORD start = 99, end = 99;
  SendMessageA(field(d), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

std::string text(HWND d) {
  char buffer[256] = {};
  GetDlgItemTextA(d, kInput, buffer, sizeof buffer);
  return buffer;
}

// The top-left of character index's cell, or a point just inside it.
POINT charPoint(HWND d, int index, int inset = 0) {
  const LRESULT r = SendMessageA(field(d), EM_POSFROMCHAR, static_cast<WPARAM>(index), 0);
  return POINT{static_cast<SHORT>(LOWORD(r)) + inset, static_cast<SHORT>(HIWORD(r)) + 2 * inset};
}

std::string clipboardText() {
  std::string s = "<none>";
  if (!OpenClipboard(nullptr)) return s;
  if (HANDLE h = GetClipboardData(CF_TEXT)) s = static_cast<const char*>(GlobalLock(h));
  CloseClipboard();
  return s;
}

// Steps that note the selection or the text.
Step note(Sel& out) {
  return [&out](HWND d) { out = sel(d); };
}
Step note(std::string& out) {
  return [&out](HWND d) { out = text(d); };
}
Step setText(const char* t) {
  return [=](HWND d) { SetDlgItemTextA(d, kInput, t); };
}
Step select(int start, int end) { return post(kInput, EM_SETSEL, start, end); }
Step pointer(int index, DWORD buttons) {  // to a character of the field, then buttons
  return [=](HWND d) { mouseAt(kInput, charPoint(d, index, 1), buttons)(d); };
}
const Step release = [](HWND) { mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0); };
const Step settle = [](HWND) {};

class EditField : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(owner = makeOwner(), nullptr); }
  void TearDown() override { DestroyWindow(owner); }
  // Runs the steps, each real input followed by a few idle ticks for it to
  // arrive, then presses Okay.
  void run(std::vector<Step> steps) {
    std::vector<Step> all;
    for (Step& s : steps) all.insert(all.end(), {s, settle, settle});
    all.push_back(post(kOkay, BM_CLICK, 0, 0));
    TemplateBuilder t = inputTemplate();
    ASSERT_EQ(runDialog(t.get(), owner, all), 1);
  }
  HWND owner = nullptr;
};

TEST_F(EditField, SelectionMessagesSelectReplaceAndClear) {
  Sel reversed, afterReplace, all, dropped;
  std::string replaced, cleared;
  run({setText("hello world"), select(6, 2), note(reversed),
       [&](HWND d) {
         SendMessageA(field(d), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("XY"));
         replaced = text(d);
         afterReplace = sel(d);
       },
       select(0, -1), note(all), select(-1, 0), note(dropped), select(0, 4),
       post(kInput, WM_CLEAR, 0, 0), note(cleared)});
  EXPECT_EQ(reversed, Sel(2, 6));
  EXPECT_EQ(replaced, "heXYworld");
  EXPECT_EQ(afterReplace, Sel(4, 4));
  EXPECT_EQ(all, Sel(0, 9));
  EXPECT_EQ(dropped, Sel(9, 9));
  EXPECT_EQ(cleared, "world");
}

TEST_F(EditField, ShiftWithTheCaretKeysExtendsTheSelectionAndTypingReplacesIt) {
  Sel seen[4];
  std::string typedOver;
  run({typeText(kInput, "abcdef"), chord(VK_SHIFT, VK_LEFT), chord(VK_SHIFT, VK_LEFT),
       note(seen[0]), chord(VK_SHIFT, VK_HOME), note(seen[1]), tapKeys({VK_RIGHT}), note(seen[2]),
       chord(VK_SHIFT, VK_END), note(seen[3]), tapKeys({'Z'}), note(typedOver)});
  const Sel expected[] = {{4, 6}, {0, 6}, {1, 1}, {1, 6}};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(seen[i], expected[i]) << "step " << i;
  EXPECT_EQ(typedOver, "az");
}

TEST_F(EditField, CtrlKeysSelectAllCopyCutAndPaste) {
  Sel selectedAll;
  std::string copied, pasted, afterCut, cut, pastedTwice;
  run({typeText(kInput, "one\ntwo"),
#ifdef _WIN32
       select(0, -1),  // Wine's multi-line edit control ignores Ctrl+A
#else
       chord(VK_CONTROL, 'A'),
#endif
       note(selectedAll), chord(VK_CONTROL, 'C'), [&](HWND) { copied = clipboardText(); },
       tapKeys({VK_END}), chord(VK_CONTROL, 'V'), note(pasted), select(0, 3),
       chord(VK_CONTROL, 'X'),
       [&](HWND d) {
         afterCut = text(d);
         cut = clipboardText();
       },
       select(0, 0), chord(VK_CONTROL, 'V'), chord(VK_CONTROL, 'V'), note(pastedTwice)});
  EXPECT_EQ(selectedAll, Sel(0, 8));
  EXPECT_EQ(copied, "one\r\ntwo");
  EXPECT_EQ(pasted, "one\r\ntwoone\r\ntwo");
  EXPECT_EQ(afterCut, "\r\ntwoone\r\ntwo");
  EXPECT_EQ(cut, "one");
  EXPECT_EQ(pastedTwice, "oneone\r\ntwoone\r\ntwo");
}

TEST_F(EditField, TheMousePlacesTheCaretDragsASelectionAndDoubleClicksAWord) {
  Sel click, dragging, dragged, word;
  HWND captureWhileDragging = nullptr, captureAfter = nullptr;
  run({setText("hello big world"), pointer(2, MOUSEEVENTF_LEFTDOWN), release, note(click),
       pointer(1, MOUSEEVENTF_LEFTDOWN), pointer(7, 0),
       [&](HWND d) {
         dragging = sel(d);
         captureWhileDragging = GetCapture();
       },
       pointer(4, 0), release,
       [&](HWND d) {
         dragged = sel(d);
         captureAfter = GetCapture();
       },
       pointer(12, MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP),
       [](HWND) { mouse_event(MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP, 0, 0, 0, 0); },
       note(word)});
  EXPECT_EQ(click, Sel(2, 2));
  EXPECT_EQ(dragging, Sel(1, 7));
  EXPECT_NE(captureWhileDragging, nullptr);
  EXPECT_EQ(dragged, Sel(1, 4));
  EXPECT_EQ(captureAfter, nullptr);
  EXPECT_EQ(word, Sel(10, 15));
}

// Pixels of a control in r that have exactly colour c.
int countColour(HWND control, RECT r, COLORREF c) {
  UpdateWindow(control);
  HDC dc = GetDC(control);
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) n += GetPixel(dc, x, y) == c;
  }
  ReleaseDC(control, dc);
  return n;
}

TEST_F(EditField, TheSelectionIsDrawnInTheHighlightColourWhileFocused) {
  // The top two rows of characters' cells: above the letters, only background.
  auto highlighted = [](HWND d, int from, int to) {
    const POINT a = charPoint(d, from), b = charPoint(d, to);
    return countColour(field(d), RECT{a.x + 1, a.y, b.x - 1, a.y + 2},
                       GetSysColor(COLOR_HIGHLIGHT));
  };
  int inside = -1, area = 0, after = -1, unfocused = -1;
  run({setText("abcdefgh"), select(2, 5),
       [&](HWND d) {
         inside = highlighted(d, 2, 5);
         area = 2 * (charPoint(d, 5).x - charPoint(d, 2).x - 2);
         after = highlighted(d, 5, 8);
       },
       [&](HWND d) { SetFocus(GetDlgItem(d, kOkay)); },
       [&](HWND d) { unfocused = highlighted(d, 2, 5); }});
  EXPECT_GT(area, 0);
  EXPECT_EQ(inside, area) << "highlight pixels in the selection's top rows";
  EXPECT_EQ(after, 0) << "highlight pixels after the selection";
  EXPECT_EQ(unfocused, 0) << "a field without the focus hides its selection";
}

TEST_F(EditField, TheCaretFollowsTheTextAndIsDrawnThere) {
  POINT atThree{}, charThree{}, atEnd{};
  int black = -1, white = -1;
  run({typeText(kInput, "abcdef  "), select(3, 3),  // blanks at the end: no letters by the caret
       [&](HWND d) {
         GetCaretPos(&atThree);
         charThree = charPoint(d, 3);
       },
       pressKey(kInput, VK_END),
       [&](HWND d) {
         GetCaretPos(&atEnd);
         black = countColour(field(d), RECT{atEnd.x, atEnd.y + 1, atEnd.x + 1, atEnd.y + 6}, 0);
         white = countColour(field(d), RECT{atEnd.x + 2, atEnd.y + 1, atEnd.x + 3, atEnd.y + 6},
                             RGB(255, 255, 255));
       }});
  EXPECT_EQ(atThree.x, charThree.x);
  EXPECT_EQ(atThree.y, charThree.y);
  EXPECT_GT(atEnd.x, atThree.x);
#ifdef _WIN32
  GTEST_SKIP() << "Win32's caret blinks, so its pixels come and go";
#endif
  EXPECT_EQ(black, 5) << "the caret inverts the white field";
  EXPECT_EQ(white, 5);
}

TEST_F(EditField, TheFieldScrollsToKeepTheCaretLineInView) {
  LRESULT lines = 0, firstWhenFull = -1, firstAtTop = -1;
  POINT caret{};
  RECT client{};
  std::vector<Step> steps = {typeText(kInput, "1\n2\n3\n4\n5\n6\n7\n8"), [&](HWND d) {
                               lines = SendMessageA(field(d), EM_GETLINECOUNT, 0, 0);
                               firstWhenFull = SendMessageA(field(d), EM_GETFIRSTVISIBLELINE, 0, 0);
                               GetCaretPos(&caret);
                               GetClientRect(field(d), &client);
                             }};
  steps.insert(steps.end(), 7, pressKey(kInput, VK_UP));
  steps.push_back(
      [&](HWND d) { firstAtTop = SendMessageA(field(d), EM_GETFIRSTVISIBLELINE, 0, 0); });
  run(steps);
  EXPECT_EQ(lines, 8);
  EXPECT_GT(firstWhenFull, 0);
  EXPECT_GE(caret.y, 0);
  EXPECT_LT(caret.y, client.bottom);
  EXPECT_EQ(firstAtTop, 0);
}

TEST_F(EditField, TheButtonLooksPushedOnlyWhileHeldOverIt) {
  auto look = [](HWND d) {
    HWND b = GetDlgItem(d, kOkay);
    UpdateWindow(b);
    HDC dc = GetDC(b);
    const COLORREF c = GetPixel(dc, 2, 2);  // near the corner, where a pushed edge shows
    ReleaseDC(b, dc);
    return std::make_pair(SendMessageA(b, BM_GETSTATE, 0, 0) & BST_PUSHED, c);
  };
  std::pair<LRESULT, COLORREF> before, over, off;
  ptrdiff_t clicks = -1;
  run({[&](HWND d) { before = look(d); }, mouseAt(kOkay, {5, 5}, MOUSEEVENTF_LEFTDOWN),
       [&](HWND d) { over = look(d); }, mouseAt(kInput, {5, 5}, 0), [&](HWND d) { off = look(d); },
       release,
       [&](HWND) {
         clicks = std::count(record.commands.begin(), record.commands.end(),
                             MAKEWPARAM(kOkay, BN_CLICKED));
       }});
  EXPECT_FALSE(before.first);
  EXPECT_TRUE(over.first);
  EXPECT_NE(over.second, before.second) << "the pushed look";
  EXPECT_EQ(off, before);
  EXPECT_EQ(clicks, 0) << "released away from the button: no click";
}

}  // namespace
