// The package's life: the entry point, the setters before the display,
// the one-display rule, and the ends of the two windows. The tests that
// construct a display run in a child process each.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "package.h"

using namespace zt::package;

namespace {

int editorCalls = 0;

void useProgramInstance() {
  startInstance = GetModuleHandleA(nullptr);
  startPrevInstance = nullptr;
  startCmdShow = SW_SHOWNORMAL;
}

bool dialogConfirmed = false;

// Presses "Okay" on the line-input dialog whenever one is showing.
void CALLBACK confirmDialog(HWND, UINT, UINT_PTR, DWORD) {
  HWND dialog = FindWindowA(nullptr, "ZT738_gets");
  if (dialog == nullptr) return;
  char prompt[256] = {};
  GetDlgItemTextA(dialog, IdGetsPrompt, prompt, sizeof prompt);
  const std::string expected = "Error: Attempted to instantiate multiple ZT738 displays";
  if (std::string(prompt).rfind(expected, 0) != 0) std::exit(3);  // the wrong prompt
  dialogConfirmed = true;
  SendMessageA(dialog, WM_COMMAND, IdGetsOkay, 0);
}

// At exit: a process that ends without having shown the dialog ends with 4.
void requireConfirmedDialog() {
  if (!dialogConfirmed) std::_Exit(4);
}

TEST(Lifecycle, SettersDoNothingBeforeTheGraphicsWindowExists) {
  ASSERT_EQ(nullptr, graphicsWindow);
  EXPECT_EQ(0, ZT738_set_animation(2));
  EXPECT_FALSE(animating);
  EXPECT_EQ(0, ZT738_set_logging(0));
  EXPECT_TRUE(logging);  // on until a display switches it off
  // Console lines before the text window exists are only stored.
  EXPECT_EQ(7, ZT738_console_printf("early %d", 1));
  EXPECT_EQ("early 1", consoleHistory[consoleFirst]);
}

TEST(Lifecycle, WinMainKeepsItsArgumentsAndRunsTheProgram) {
  char commandLine[] = "ignored";
  HINSTANCE self = GetModuleHandleA(nullptr);
  EXPECT_EQ(0, WinMain(self, nullptr, commandLine, SW_SHOWMINNOACTIVE));
  EXPECT_EQ(1, editorCalls);
  EXPECT_EQ(self, startInstance);
  EXPECT_EQ(nullptr, startPrevInstance);
  EXPECT_EQ(commandLine, startCmdLine);
  EXPECT_EQ(SW_SHOWMINNOACTIVE, startCmdShow);
}

// exit(-1) reports 255 to a POSIX parent and -1 to a Windows one.
#ifdef _WIN32
constexpr int FailureStatus = -1;
#else
constexpr int FailureStatus = 255;
#endif

TEST(LifecycleDeathTest, ASecondDisplayEndsTheProcessWithMinusOne) {
  EXPECT_EXIT(
      {
        useProgramInstance();
        Display first;
        Display copy = first;  // a copy is no construction
        SetTimer(nullptr, 0, 50, confirmDialog);
        std::atexit(requireConfirmedDialog);
        Display second;
        std::exit(0);  // not reached
      },
      ::testing::ExitedWithCode(FailureStatus), "");
}

TEST(LifecycleDeathTest, ConstructionOpensBothWindowsAndSwitchesLoggingOff) {
  EXPECT_EXIT(
      {
        useProgramInstance();
        Display display;
        HWND graphics = FindWindowA("DrawWndClass", "ZT738 Graphics");
        HWND text = FindWindowA("TextWndClass", "ZT738 Text");
        RECT outer = {};
        GetWindowRect(graphics, &outer);
        const bool ok =
            graphics == graphicsWindow && text == textWindow && IsWindowVisible(graphics) &&
            IsWindowVisible(text) && !logging && displayExists && canvas != nullptr &&
            windowDC != nullptr && instance == startInstance && outer.right - outer.left == 601 &&
            outer.bottom - outer.top == 540 && display.width == 600 && display.height == 500;
        std::exit(ok ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST(LifecycleDeathTest, ClosingTheGraphicsWindowQuits) {
  EXPECT_EXIT(
      {
        useProgramInstance();
        Display display;
        HWND graphics = FindWindowA("DrawWndClass", "ZT738 Graphics");
        PostMessageA(graphics, WM_CLOSE, 0, 0);
        int x = 0;
        int y = 0;
        char key = 0;
        const EventKind kind = display.nextEvent(&x, &y, &key);
        // Without the window the setters change nothing.
        const bool ok = kind == EventQuit && !IsWindow(graphics) &&
                        display.setAnimation(::Run) == 0 && !animating;
        std::exit(ok ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST(LifecycleDeathTest, ClosingTheTextWindowLeavesTheProgramRunning) {
  EXPECT_EXIT(
      {
        useProgramInstance();
        Display display;
        PostMessageA(textWindow, WM_CLOSE, 0, 0);
        PostMessageA(graphicsWindow, WM_CHAR, 'k', 1);
        int x = 0;
        int y = 0;
        char key = 0;
        const EventKind kind = display.nextEvent(&x, &y, &key);
        ZT738_console_printf("still %s", "stored");
        const bool ok = kind == EventKey && key == 'k' && !IsWindow(textWindow) &&
                        IsWindow(graphicsWindow) && consoleHistory[0] == "still stored";
        std::exit(ok ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace

int editorMain() {
  ++editorCalls;
  return 7;
}
