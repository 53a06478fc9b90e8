// Playing a script file back, with Playback Script and Play One Script.
#include <climits>

#include "script_session.h"

namespace {

using ScriptPlayback = ScriptSession;

constexpr const char* END_MESSAGE = "EOF encountered in script file ZT738.SCR\n";

TEST_F(ScriptPlayback, PeriodicLinesGiveTheirCountAtLeastOne) {
  writeScript("ZT738_PERIODIC(3);\nZT738_PERIODIC(0);\nZT738_PERIODIC(1);\nZT738_KBD(98);\n");
  command(CmdPlaybackScript);
  EXPECT_TRUE(checked(CmdPlaybackScript));
  // The animation is halted, so every periodic event comes from the script.
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(isPeriodic(nextWithSentinel())) << "event " << i;
  EXPECT_TRUE(isKey(nextWithSentinel(), 'b'));

  consoleMarker();
  EXPECT_TRUE(isSentinel(nextWithSentinel()));
  EXPECT_EQ(lastConsoleLine(), END_MESSAGE);
  EXPECT_FALSE(playingBack);
  EXPECT_FALSE(checked(CmdPlaybackScript));
}

TEST_F(ScriptPlayback, ScriptEventsReplaceLiveInputOfTheSamePass) {
  writeScript("ZT738_KBD(65);\nZT738_PERIODIC(2);\n");
  command(CmdPlaybackScript);
  // The sentinel click comes in the same pass; none of its fields survive.
  EXPECT_TRUE(isKey(nextWithSentinel(), 'A'));
  EXPECT_TRUE(isPeriodic(nextWithSentinel()));
  EXPECT_TRUE(isPeriodic(nextWithSentinel()));
}

TEST_F(ScriptPlayback, BlankLinesAreSkippedOtherLinesEndPlayback) {
  writeScript("\n\nZT738_KBD(65);\n\n\n\nZT738_MOUSE(1, 2);\n      \nZT738_KBD(66);\n");
  command(CmdPlaybackScript);
  EXPECT_TRUE(isKey(nextWithSentinel(), 'A'));
  EXPECT_TRUE(isMouse(nextWithSentinel(), 1, 2));

  // The line of spaces is not an event: playback ends without a message.
  consoleMarker();
  EXPECT_TRUE(isSentinel(nextWithSentinel()));
  EXPECT_EQ(lastConsoleLine(), markerLine());
  EXPECT_FALSE(playingBack);
  EXPECT_FALSE(checked(CmdPlaybackScript));

  // The file stays open after that line: the next playback goes on there.
  command(CmdPlaybackScript);
  EXPECT_TRUE(isKey(nextWithSentinel(), 'B'));
}

TEST_F(ScriptPlayback, OnlyTheSeventhCharacterSelectsTheEvent) {
  writeScript("#!@ a?M(5, 6);\nabcdefK(67)\nZT738_X(1);\nZT738_KBD(68);\n");
  command(CmdPlaybackScript);
  EXPECT_TRUE(isMouse(nextWithSentinel(), 5, 6));
  EXPECT_TRUE(isKey(nextWithSentinel(), 'C'));
  consoleMarker();
  EXPECT_TRUE(isSentinel(nextWithSentinel()));
  EXPECT_EQ(lastConsoleLine(), markerLine());
  EXPECT_FALSE(checked(CmdPlaybackScript));
}

TEST_F(ScriptPlayback, AShortLineIsNotAnEvent) {
  // The short line must not be read as the seventh character ("K") that the
  // line before it left in the buffer.
  writeScript("ZT738_KBD(65);\nZT\nZT738_KBD(66);\n");
  command(CmdPlaybackScript);
  EXPECT_TRUE(isKey(nextWithSentinel(), 'A'));
  consoleMarker();
  EXPECT_TRUE(isSentinel(nextWithSentinel()));
  EXPECT_EQ(lastConsoleLine(), markerLine());
  EXPECT_FALSE(playingBack);
}

TEST_F(ScriptPlayback, ALastLineWithoutLineEndIsLost) {
  writeScript("ZT738_KBD(65);\nZT738_KBD(66);");
  command(CmdPlaybackScript);
  EXPECT_TRUE(isKey(nextWithSentinel(), 'A'));
  consoleMarker();
  EXPECT_TRUE(isSentinel(nextWithSentinel()));
  EXPECT_EQ(lastConsoleLine(), END_MESSAGE);
}

TEST_F(ScriptPlayback, AfterTheEndPlaybackEndsAtOnceUntilTheSlotIsEmptied) {
  writeScript("ZT738_KBD(65);\n");
  command(CmdPlaybackScript);
  EXPECT_TRUE(isKey(nextWithSentinel(), 'A'));
  EXPECT_TRUE(isSentinel(nextWithSentinel()));

  consoleMarker();
  command(CmdPlaybackScript);
  EXPECT_TRUE(isSentinel(nextWithSentinel()));
  EXPECT_EQ(lastConsoleLine(), END_MESSAGE);
  EXPECT_FALSE(checked(CmdPlaybackScript));

  // Switching playback on and off again closes the file; the next playback
  // starts at the top.
  command(CmdPlaybackScript);
  command(CmdPlaybackScript);
  EXPECT_EQ(scriptFile, nullptr);
  command(CmdPlaybackScript);
  EXPECT_TRUE(isKey(nextWithSentinel(), 'A'));
}

TEST_F(ScriptPlayback, PlayOneGivesOneEventPerChoice) {
  writeScript("ZT738_MOUSE(1, 2);\nZT738_KBD(66);\nZT738_PERIODIC(1);\nZT738_KBD(67);\n");
  command(CmdPlayOne);
  EXPECT_TRUE(isMouse(nextWithSentinel(), 1, 2));
  EXPECT_FALSE(checked(CmdPlaybackScript));
  ctrlLetter('O');
  EXPECT_TRUE(isKey(nextWithSentinel(), 'B'));
  command(CmdPlayOne);
  EXPECT_TRUE(isPeriodic(nextWithSentinel()));
  // No request, no script event.
  EXPECT_TRUE(isSentinel(nextWithSentinel()));
  EXPECT_FALSE(playOneRequested);
  EXPECT_FALSE(playingBack);
}

TEST_F(ScriptPlayback, APeriodicRunIsSharedBetweenPlayOneAndPlayback) {
  writeScript("ZT738_PERIODIC(3);\nZT738_KBD(120);\n");
  command(CmdPlayOne);
  EXPECT_TRUE(isPeriodic(nextWithSentinel()));
  command(CmdPlayOne);
  EXPECT_TRUE(isPeriodic(nextWithSentinel()));
  command(CmdPlaybackScript);
  EXPECT_TRUE(isPeriodic(nextWithSentinel()));
  EXPECT_TRUE(isKey(nextWithSentinel(), 'x'));
  EXPECT_TRUE(isSentinel(nextWithSentinel()));
}

TEST_F(ScriptPlayback, SwitchingPlaybackOffDropsTheRestOfARun) {
  writeScript("ZT738_PERIODIC(5);\nZT738_KBD(120);\n");
  command(CmdPlaybackScript);
  EXPECT_TRUE(isPeriodic(nextWithSentinel()));
  command(CmdPlaybackScript);
  EXPECT_EQ(scriptFile, nullptr);
  // Back at the top: the run starts again with its full count.
  command(CmdPlaybackScript);
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(isPeriodic(nextWithSentinel())) << "event " << i;
  EXPECT_TRUE(isKey(nextWithSentinel(), 'x'));
}

TEST_F(ScriptPlayback, AMissingFileIsReported) {
  consoleMarker();
  command(CmdPlaybackScript);
  EXPECT_TRUE(isSentinel(nextWithSentinel()));
  EXPECT_EQ(lastConsoleLine(), "Cannot open script file ZT738.SCR for reading\n");
  EXPECT_FALSE(playingBack);
  EXPECT_FALSE(checked(CmdPlaybackScript));

  consoleMarker();
  command(CmdPlayOne);
  EXPECT_TRUE(isSentinel(nextWithSentinel()));
  EXPECT_EQ(lastConsoleLine(), "Cannot open script file ZT738.SCR for reading\n");
  EXPECT_FALSE(playOneRequested);
}

TEST_F(ScriptPlayback, CarriageReturnLineEndsAreRead) {
  writeScript("ZT738_MOUSE(-7, 8);\r\n\r\nZT738_PERIODIC(2);\r\n\r\nZT738_KBD(99);\r\n");
  command(CmdPlaybackScript);
  EXPECT_TRUE(isMouse(nextWithSentinel(), -7, 8));
  EXPECT_TRUE(isPeriodic(nextWithSentinel()));
  EXPECT_TRUE(isPeriodic(nextWithSentinel()));
  EXPECT_TRUE(isKey(nextWithSentinel(), 'c'));
  consoleMarker();
  EXPECT_TRUE(isSentinel(nextWithSentinel()));
  EXPECT_EQ(lastConsoleLine(), END_MESSAGE);
}

TEST_F(ScriptPlayback, MissingAndHugeNumbers) {
  writeScript(
      "ZT738_MOUSE(99999999999, -99999999999);\nZT738_KBD();\nZT738_MOUSE(7);\n"
      "ZT738_PERIODIC();\nZT738_KBD(1);\n");
  command(CmdPlaybackScript);
  EXPECT_TRUE(isMouse(nextWithSentinel(), INT_MAX, INT_MIN));
  EXPECT_TRUE(isKey(nextWithSentinel(), 0));
  EXPECT_TRUE(isMouse(nextWithSentinel(), 7, 0));
  EXPECT_TRUE(isPeriodic(nextWithSentinel()));
  EXPECT_TRUE(isKey(nextWithSentinel(), 1));
}

TEST_F(ScriptPlayback, AQuitIsNeverReplaced) {
  writeScript("ZT738_KBD(65);\n");
  command(CmdPlaybackScript);
  PostQuitMessage(0);
  EXPECT_EQ(next().kind, EventQuit);
  // The quit pass read no line.
  EXPECT_TRUE(isKey(nextWithSentinel(), 'A'));
}

}  // namespace
