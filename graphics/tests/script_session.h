// A fixture for script tests against the running package: one Display for
// the whole binary, a fresh current directory per test (so that "ZT738.SCR"
// lands there), and helpers that post real window messages to the graphics
// window.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "package_test_support.h"

// A live click that the tests post before a wait that a script should
// answer: a script event replaces it, so it only comes back when the script
// has ended, and a missing script event fails the test instead of hanging it.
constexpr int SENTINEL_X = 11;
constexpr int SENTINEL_Y = -13;

class ScriptSession : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  static Display& display() { return sharedDisplay(); }
  static HWND graphics() { return findGraphicsWindow(); }

  // Posting input; the wait (next) turns it into events.
  static void click(int x, int y);
  static void type(char c);
  // Posts a Run menu command and lets the window procedure handle it.
  static void command(int id);
  // Ctrl+letter as the keyboard sends it: Ctrl down, the letter, Ctrl up.
  static void ctrlLetter(char letter);
  // Runs the pump over every message posted so far.
  static void drainPosted();

  static Event next() { return nextEvent(); }
  static Event nextWithSentinel();
  static bool isSentinel(const Event& event);

  static bool checked(int id);
  static std::string lastConsoleLine();
  // Writes a line to the console, so that a later "no message" can be seen.
  static void consoleMarker();
  static const char* markerLine();

  // The script file, byte for byte.
  static void writeScript(const std::string& bytes);
  static std::string readScript();
  // The lines as this build writes them in text mode.
  static std::string textLines(const std::vector<std::string>& lines);

 private:
  std::filesystem::path previous_;
  std::filesystem::path directory_;
};

// Whole-event comparisons; fields that the kind does not set must be 0.
::testing::AssertionResult isMouse(const Event& event, int x, int y);
::testing::AssertionResult isKey(const Event& event, char key);
::testing::AssertionResult isPeriodic(const Event& event);
