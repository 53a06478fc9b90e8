// The dialog's edit field as a user works it: the selection messages, Shift
// with the caret keys, Ctrl+A, Ctrl+C, Ctrl+X and Ctrl+V through real key
// input and the clipboard, selecting with the mouse, the drawn selection and
// caret, scrolling as the text grows; and the push button held down.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "dialog_harness.h"

namespace {

// Real input travels through the system first: a few ticks let it arrive.
constexpr int kSettleTicks = 3;

struct Script {
  std::vector<Step> steps;
  Script& then(Step s) {
    steps.push_back(std::move(s));
    return *this;
  }
  Script& input(Step s) {
    then(std::move(s));
    for (int i = 0; i < kSettleTicks; ++i) then([](HWND) {});
    return *this;
  }
};

HWND field(HWND d) { return GetDlgItem(d, kInput); }

std::pair<DWORD, DWORD> selectionOf(HWND d) {
  DWORD start = 99, end = 99;
  SendMessageA(field(d), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return {start, end};
}
using Sel = std::pair<DWORD, DWORD>;

std::string fieldText(HWND d) {
  char buffer[256] = {};
  GetDlgItemTextA(d, kInput, buffer, sizeof buffer);
  return buffer;
}

POINT charPoint(HWND d, int index) {
  const LRESULT r = SendMessageA(field(d), EM_POSFROMCHAR, static_cast<WPARAM>(index), 0);
  return POINT{static_cast<SHORT>(LOWORD(r)), static_cast<SHORT>(HIWORD(r))};
}

// A point inside character index's cell.
POINT inChar(HWND d, int index) {
  POINT p = charPoint(d, index);
  return POINT{p.x + 1, p.y + 2};
}

std::string clipboardText() {
  if (!OpenClipboard(nullptr)) return "<not opened>";
  std::string s;
  if (HANDLE h = GetClipboardData(CF_TEXT)) {
    s = static_cast<const char*>(GlobalLock(h));
    GlobalUnlock(h);
  }
  CloseClipboard();
  return s;
}

void putOnClipboard(const char* text) {
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, std::strlen(text) + 1);
  std::strcpy(static_cast<char*>(GlobalLock(h)), text);
  GlobalUnlock(h);
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  SetClipboardData(CF_TEXT, h);
  CloseClipboard();
}

Step setText(const char* text) {
  return [=](HWND d) { SetDlgItemTextA(d, kInput, text); };
}
Step select(int start, int end) { return post(kInput, EM_SETSEL, start, end); }

class EditField : public ::testing::Test {
 protected:
  void SetUp() override {
    owner = makeOwner();
    ASSERT_NE(owner, nullptr);
  }
  void TearDown() override { DestroyWindow(owner); }
  // Runs the dialog, then presses Okay.
  void run(Script& s) {
    s.then(post(kOkay, BM_CLICK, 0, 0));
    TemplateBuilder t = inputTemplate();
    ASSERT_EQ(runDialog(t.get(), owner, s.steps), 1);
  }
  HWND owner = nullptr;
};

TEST_F(EditField, SelectionMessagesSelectReplaceAndClear) {
  Sel reversed, all, dropped, afterReplace;
  std::string replaced, cleared;
  Script s;
  s.then(setText("hello world"))
      .then(select(6, 2))
      .then([&](HWND d) { reversed = selectionOf(d); })
      .then([&](HWND d) {
        SendMessageA(field(d), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("XY"));
        replaced = fieldText(d);
        afterReplace = selectionOf(d);
      })
      .then(select(0, -1))
      .then([&](HWND d) { all = selectionOf(d); })
      .then(select(-1, 0))
      .then([&](HWND d) { dropped = selectionOf(d); })
      .then(select(0, 4))
      .then(post(kInput, WM_CLEAR, 0, 0))
      .then([&](HWND d) { cleared = fieldText(d); });
  run(s);
  EXPECT_EQ(reversed, Sel(2, 6));
  EXPECT_EQ(replaced, "heXYworld");
  EXPECT_EQ(afterReplace, Sel(4, 4));
  EXPECT_EQ(all, Sel(0, 9));
  EXPECT_EQ(dropped, Sel(9, 9));
  EXPECT_EQ(cleared, "world");
}

TEST_F(EditField, ShiftWithTheCaretKeysExtendsTheSelection) {
  Sel afterShiftLeft, afterShiftHome, afterRight, afterShiftEnd;
  std::string typedOver;
  Script s;
  s.then(typeText(kInput, "abcdef"))
      .input(chord(VK_SHIFT, VK_LEFT))
      .input(chord(VK_SHIFT, VK_LEFT))
      .then([&](HWND d) { afterShiftLeft = selectionOf(d); })
      .input(chord(VK_SHIFT, VK_HOME))
      .then([&](HWND d) { afterShiftHome = selectionOf(d); })
      .input(tapKeys({VK_RIGHT}))
      .then([&](HWND d) { afterRight = selectionOf(d); })
      .input(chord(VK_SHIFT, VK_END))
      .then([&](HWND d) { afterShiftEnd = selectionOf(d); })
      .input(tapKeys({'Z'}))
      .then([&](HWND d) { typedOver = fieldText(d); });
  run(s);
  EXPECT_EQ(afterShiftLeft, Sel(4, 6));
  EXPECT_EQ(afterShiftHome, Sel(0, 6));
  EXPECT_EQ(afterRight, Sel(1, 1));
  EXPECT_EQ(afterShiftEnd, Sel(1, 6));
  EXPECT_EQ(typedOver, "az");  // typing replaces the selection
}

TEST_F(EditField, CtrlASelectsEverything) {
#ifdef _WIN32
  GTEST_SKIP() << "Wine's multi-line edit control ignores Ctrl+A";
#endif
  Sel afterCtrlA;
  Script s;
  s.then(typeText(kInput, "one\ntwo")).input(chord(VK_CONTROL, 'A')).then([&](HWND d) {
    afterCtrlA = selectionOf(d);
  });
  run(s);
  EXPECT_EQ(afterCtrlA, Sel(0, 8));
}

TEST_F(EditField, CtrlKeysCopyCutAndPaste) {
  std::string copied, afterPaste, afterCut, cutText, afterSecondPaste;
  Script s;
  s.then([](HWND) { putOnClipboard("old"); })
      .then(typeText(kInput, "one\ntwo"))
      .then(select(0, -1))
      .input(chord(VK_CONTROL, 'C'))
      .then([&](HWND) { copied = clipboardText(); })
      .input(tapKeys({VK_END}))
      .input(chord(VK_CONTROL, 'V'))
      .then([&](HWND d) { afterPaste = fieldText(d); })
      .then(select(0, 3))
      .input(chord(VK_CONTROL, 'X'))
      .then([&](HWND d) {
        afterCut = fieldText(d);
        cutText = clipboardText();
      })
      .then(select(0, 0))
      .input(chord(VK_CONTROL, 'V'))
      .input(chord(VK_CONTROL, 'V'))
      .then([&](HWND d) { afterSecondPaste = fieldText(d); });
  run(s);
  EXPECT_EQ(copied, "one\r\ntwo");
  EXPECT_EQ(afterPaste, "one\r\ntwoone\r\ntwo");
  EXPECT_EQ(afterCut, "\r\ntwoone\r\ntwo");
  EXPECT_EQ(cutText, "one");
  EXPECT_EQ(afterSecondPaste, "oneone\r\ntwoone\r\ntwo");
}

TEST_F(EditField, TheMousePlacesTheCaretAndDragsASelection) {
  Sel afterClick, duringDrag, afterDrag;
  const Step release = [](HWND) { mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0); };
  HWND captureDuringDrag = nullptr, captureAfter = reinterpret_cast<HWND>(1);
  Script s;
  s.then(setText("hello world"))
      .input([&](HWND d) { mouseAt(kInput, inChar(d, 2), MOUSEEVENTF_LEFTDOWN)(d); })
      .input(release)
      .then([&](HWND d) { afterClick = selectionOf(d); })
      .input([&](HWND d) { mouseAt(kInput, inChar(d, 1), MOUSEEVENTF_LEFTDOWN)(d); })
      .input([&](HWND d) { mouseAt(kInput, inChar(d, 7), 0)(d); })
      .then([&](HWND d) {
        duringDrag = selectionOf(d);
        captureDuringDrag = GetCapture();
      })
      .input([&](HWND d) { mouseAt(kInput, inChar(d, 4), 0)(d); })
      .input(release)
      .then([&](HWND d) {
        afterDrag = selectionOf(d);
        captureAfter = GetCapture();
      });
  run(s);
  EXPECT_EQ(afterClick, Sel(2, 2));
  EXPECT_EQ(duringDrag, Sel(1, 7));
  EXPECT_EQ(afterDrag, Sel(1, 4));
  EXPECT_NE(captureDuringDrag, nullptr);
  EXPECT_EQ(captureAfter, nullptr);
}

TEST_F(EditField, ADoubleClickSelectsAWord) {
  Sel first, last;
  auto doubleClickAt = [](int index) {
    return [=](HWND d) {
      mouseAt(kInput, inChar(d, index), MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP)(d);
      mouse_event(MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    };
  };
  Script s;
  s.then(setText("hello big world"))
      .input(doubleClickAt(1))
      .then([&](HWND d) { first = selectionOf(d); })
      .input(doubleClickAt(12))
      .then([&](HWND d) { last = selectionOf(d); });
  run(s);
  EXPECT_EQ(first, Sel(0, 6));
  EXPECT_EQ(last, Sel(10, 15));
}

// Pixels of the field in a rectangle that have exactly colour c.
int countColour(HWND control, RECT r, COLORREF c) {
  HDC dc = GetDC(control);
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) n += GetPixel(dc, x, y) == c;
  }
  ReleaseDC(control, dc);
  return n;
}

TEST_F(EditField, TheSelectionIsDrawnInTheHighlightColour) {
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  int inside = -1, insideArea = 0, outside = -1, afterFocusLoss = -1;
  auto measure = [&](HWND d, int from, int to, int* area) {
    const POINT a = charPoint(d, from), b = charPoint(d, to);
    // The top rows of the cells: above the letters, only the background.
    const RECT r{a.x + 1, a.y, b.x - 1, a.y + 2};
    if (area) *area = (r.right - r.left) * (r.bottom - r.top);
    return countColour(field(d), r, highlight);
  };
  Script s;
  s.then(setText("abcdefgh"))
      .then(select(2, 5))
      .input([](HWND) {})
      .then([&](HWND d) {
        UpdateWindow(field(d));
        inside = measure(d, 2, 5, &insideArea);
        outside = measure(d, 5, 8, nullptr);
      })
      .then([&](HWND d) { SetFocus(GetDlgItem(d, kOkay)); })
      .input([](HWND) {})
      .then([&](HWND d) {
        UpdateWindow(field(d));
        afterFocusLoss = measure(d, 2, 5, nullptr);
      });
  run(s);
  EXPECT_GT(insideArea, 0);
  EXPECT_EQ(inside, insideArea) << "highlight pixels in the selection's top rows";
  EXPECT_EQ(outside, 0) << "highlight pixels after the selection";
  EXPECT_EQ(afterFocusLoss, 0) << "a field without the focus hides its selection";
}

TEST_F(EditField, TheCaretFollowsTheTextAndIsDrawnThere) {
  POINT atThree{}, charThree{}, atEnd{};
  COLORREF caretPixel = 0, besideCaret = 0;
  Script s;
  s.then(typeText(kInput, "abcdef  "))  // blanks at the end: nothing drawn around the caret
      .then(select(3, 3))
      .input([](HWND) {})
      .then([&](HWND d) {
        GetCaretPos(&atThree);
        charThree = charPoint(d, 3);
      })
      .then(pressKey(kInput, VK_END))
      .input([](HWND) {})
      .then([&](HWND d) {
        UpdateWindow(field(d));
        GetCaretPos(&atEnd);
        HDC dc = GetDC(field(d));
        caretPixel = GetPixel(dc, atEnd.x, atEnd.y + 2);
        besideCaret = GetPixel(dc, atEnd.x + 3, atEnd.y + 2);
        ReleaseDC(field(d), dc);
      });
  run(s);
  EXPECT_EQ(atThree.x, charThree.x);
  EXPECT_EQ(atThree.y, charThree.y);
  EXPECT_GT(atEnd.x, atThree.x);
#ifdef _WIN32
  GTEST_SKIP() << "Win32's caret blinks, so its pixels come and go";
#endif
  EXPECT_EQ(caretPixel, RGB(0, 0, 0)) << "the caret inverts the white field";
  EXPECT_EQ(besideCaret, RGB(255, 255, 255));
}

TEST_F(EditField, TheFieldScrollsToKeepTheCaretLineInView) {
  LRESULT lines = 0, firstWhenFull = -1, firstAtTop = -1;
  POINT caret{};
  RECT client{};
  Script s;
  s.then(typeText(kInput, "1\n2\n3\n4\n5\n6\n7\n8")).input([](HWND) {}).then([&](HWND d) {
    lines = SendMessageA(field(d), EM_GETLINECOUNT, 0, 0);
    firstWhenFull = SendMessageA(field(d), EM_GETFIRSTVISIBLELINE, 0, 0);
    GetCaretPos(&caret);
    GetClientRect(field(d), &client);
  });
  for (int i = 0; i < 7; ++i) s.then(pressKey(kInput, VK_UP));
  s.then([&](HWND d) { firstAtTop = SendMessageA(field(d), EM_GETFIRSTVISIBLELINE, 0, 0); });
  run(s);
  EXPECT_EQ(lines, 8);
  EXPECT_GT(firstWhenFull, 0);
  EXPECT_GE(caret.y, 0);
  EXPECT_LT(caret.y, client.bottom);
  EXPECT_EQ(firstAtTop, 0);
}

// A pixel near the button's top-left corner, where a pushed look shows.
COLORREF cornerPixel(HWND button) {
  HDC dc = GetDC(button);
  const COLORREF c = GetPixel(dc, 2, 2);
  ReleaseDC(button, dc);
  return c;
}

TEST_F(EditField, TheButtonLooksPushedWhileHeldOverIt) {
  LRESULT heldOver = 0, heldOff = 0, released = 0;
  COLORREF before = 0, pushed = 0, off = 0;
  ptrdiff_t clicks = 99;
  Script s;
  s.then([&](HWND d) {
     UpdateWindow(GetDlgItem(d, kOkay));
     before = cornerPixel(GetDlgItem(d, kOkay));
   })
      .input(mouseAt(kOkay, {5, 5}, MOUSEEVENTF_LEFTDOWN))
      .then([&](HWND d) {
        UpdateWindow(GetDlgItem(d, kOkay));
        heldOver = SendMessageA(GetDlgItem(d, kOkay), BM_GETSTATE, 0, 0);
        pushed = cornerPixel(GetDlgItem(d, kOkay));
      })
      .input(mouseAt(kInput, {5, 5}, 0))
      .then([&](HWND d) {
        UpdateWindow(GetDlgItem(d, kOkay));
        heldOff = SendMessageA(GetDlgItem(d, kOkay), BM_GETSTATE, 0, 0);
        off = cornerPixel(GetDlgItem(d, kOkay));
      })
      .input(mouseAt(kInput, {5, 5}, MOUSEEVENTF_LEFTUP))
      .then([&](HWND d) {
        released = SendMessageA(GetDlgItem(d, kOkay), BM_GETSTATE, 0, 0);
        clicks = std::count(record.commands.begin(), record.commands.end(),
                            MAKEWPARAM(kOkay, BN_CLICKED));
      });
  run(s);
  EXPECT_TRUE(heldOver & BST_PUSHED);
  EXPECT_NE(pushed, before) << "the pushed look";
  EXPECT_FALSE(heldOff & BST_PUSHED);
  EXPECT_EQ(off, before);
  EXPECT_FALSE(released & BST_PUSHED);
  EXPECT_EQ(clicks, 0) << "released away from the button: no click";
}

}  // namespace
