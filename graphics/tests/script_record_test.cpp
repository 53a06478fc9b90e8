// Recording events into the script file.
#include <string>

#include "script_session.h"

namespace {

using ScriptRecording = ScriptSession;

TEST_F(ScriptRecording, WritesOneLinePerEventAndOneLinePerRunOfTicks) {
  command(CmdRecordScript);
  EXPECT_TRUE(recording);
  EXPECT_TRUE(checked(CmdRecordScript));

  click(-120, 45);
  EXPECT_TRUE(isMouse(next(), -120, 45));
  display().setAnimation(AnimationMode::Run);
  for (int i = 0; i < 6; ++i) EXPECT_TRUE(isPeriodic(next()));
  type('a');
  EXPECT_TRUE(isKey(next(), 'a'));
  for (int i = 0; i < 2; ++i) EXPECT_TRUE(isPeriodic(next()));
  display().setAnimation(AnimationMode::Halt);

  // The run of two is still pending: switching off writes it.
  command(CmdRecordScript);
  EXPECT_FALSE(recording);
  EXPECT_FALSE(checked(CmdRecordScript));
  EXPECT_EQ(periodicCount, 0);
  EXPECT_EQ(readScript(), textLines({"ZT738_MOUSE(-120, 45);", "ZT738_PERIODIC(6);",
                                     "ZT738_KBD(97);", "ZT738_PERIODIC(2);"}));
}

TEST_F(ScriptRecording, EachRecordingStartsAFreshFile) {
  command(CmdRecordScript);
  display().setAnimation(AnimationMode::Run);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(isPeriodic(next()));
  display().setAnimation(AnimationMode::Halt);
  command(CmdRecordScript);
  EXPECT_EQ(readScript(), textLines({"ZT738_PERIODIC(3);"}));

  command(CmdRecordScript);
  // Switching on opens nothing: the old file is still there until an event.
  EXPECT_EQ(readScript(), textLines({"ZT738_PERIODIC(3);"}));
  click(1, 2);
  EXPECT_TRUE(isMouse(next(), 1, 2));
  command(CmdRecordScript);
  EXPECT_EQ(readScript(), textLines({"ZT738_MOUSE(1, 2);"}));
}

TEST_F(ScriptRecording, AQuitWritesThePendingRunAndNothingOfItsOwn) {
  command(CmdRecordScript);
  display().setAnimation(AnimationMode::Run);
  for (int i = 0; i < 2; ++i) EXPECT_TRUE(isPeriodic(next()));
  display().setAnimation(AnimationMode::Halt);
  PostMessageA(graphics(), WM_COMMAND, CmdQuit, 0);
  EXPECT_EQ(next().kind, EventQuit);
  EXPECT_EQ(periodicCount, 0);
  command(CmdRecordScript);
  EXPECT_EQ(readScript(), textLines({"ZT738_PERIODIC(2);"}));
}

TEST_F(ScriptRecording, AQuitAsTheFirstEventLeavesAnOldScriptAlone) {
  writeScript("ZT738_KBD(1);\n");
  command(CmdRecordScript);
  PostMessageA(graphics(), WM_COMMAND, CmdQuit, 0);
  EXPECT_EQ(next().kind, EventQuit);
  command(CmdRecordScript);
  EXPECT_EQ(readScript(), "ZT738_KBD(1);\n");
}

TEST_F(ScriptRecording, NegativeCharactersRoundTrip) {
  const char recorded = static_cast<char>(0xE9);  // -23 as a signed 8-bit value
  ctrlLetter('R');
  EXPECT_TRUE(recording);
  type(recorded);
  EXPECT_TRUE(isKey(next(), recorded));
  ctrlLetter('R');
  EXPECT_FALSE(recording);
  EXPECT_EQ(readScript(), textLines({"ZT738_KBD(-23);"}));

  ctrlLetter('P');
  EXPECT_TRUE(playingBack);
  EXPECT_TRUE(isKey(nextWithSentinel(), recorded));
}

// A character typed on any keyboard arrives as the WM_CHARs of its UTF-8
// bytes: "ж" then "你" are five events, five lines, and the same five bytes
// when played back.
TEST_F(ScriptRecording, AUtf8CharacterIsOneLinePerByteAndPlaysBackByteForByte) {
  const std::string typed = "\xD0\xB6\xE4\xBD\xA0";
  ctrlLetter('R');
  for (char byte : typed) type(byte);
  for (char byte : typed) EXPECT_TRUE(isKey(next(), byte));
  ctrlLetter('R');
  EXPECT_EQ(readScript(), textLines({"ZT738_KBD(-48);", "ZT738_KBD(-74);", "ZT738_KBD(-28);",
                                     "ZT738_KBD(-67);", "ZT738_KBD(-96);"}));
  ctrlLetter('P');
  std::string played;
  for (size_t i = 0; i < typed.size(); ++i) {
    const Event event = nextWithSentinel();
    ASSERT_EQ(event.kind, EventKey);
    played += event.key;
  }
  EXPECT_EQ(played, typed);
}

TEST_F(ScriptRecording, AnUnwritableFileIsReportedForEveryEvent) {
  std::filesystem::create_directory(SCRIPT_FILE_NAME);
  command(CmdRecordScript);
  for (int i = 0; i < 2; ++i) {
    consoleMarker();
    click(i, i);
    EXPECT_TRUE(isMouse(next(), i, i));
    EXPECT_EQ(lastConsoleLine(), "Cannot open script file ZT738.SCR for writing\n");
    EXPECT_TRUE(recording);
    EXPECT_EQ(scriptFile, nullptr);
  }
  command(CmdRecordScript);
  EXPECT_TRUE(std::filesystem::is_directory(SCRIPT_FILE_NAME));
}

}  // namespace
