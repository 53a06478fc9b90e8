// Recording and playback exclude each other: starting one ends the other.
#include "script_session.h"

namespace {

using ScriptSwitching = ScriptSession;

TEST_F(ScriptSwitching, RecordingEndsAPlaybackAndStartsAFreshFile) {
  writeScript("ZT738_KBD(65);\nZT738_KBD(66);\n");
  command(CmdPlaybackScript);
  EXPECT_TRUE(isKey(nextWithSentinel(), 'A'));

  command(CmdRecordScript);
  EXPECT_FALSE(playingBack);
  EXPECT_FALSE(checked(CmdPlaybackScript));
  EXPECT_TRUE(recording);
  EXPECT_TRUE(checked(CmdRecordScript));
  EXPECT_EQ(scriptFile, nullptr);

  // Live input again, recorded into an emptied file.
  click(3, 4);
  EXPECT_TRUE(isMouse(next(), 3, 4));
  command(CmdRecordScript);
  EXPECT_EQ(readScript(), textLines({"ZT738_MOUSE(3, 4);"}));
}

TEST_F(ScriptSwitching, PlaybackEndsARecordingAndPlaysItFromTheTop) {
  command(CmdRecordScript);
  click(3, 4);
  EXPECT_TRUE(isMouse(next(), 3, 4));
  display().setAnimation(AnimationMode::Run);
  for (int i = 0; i < 2; ++i) EXPECT_TRUE(isPeriodic(next()));

  command(CmdPlaybackScript);
  EXPECT_FALSE(recording);
  EXPECT_FALSE(checked(CmdRecordScript));
  EXPECT_TRUE(checked(CmdPlaybackScript));
  EXPECT_FALSE(animating);
  EXPECT_EQ(periodicCount, 0);

  EXPECT_TRUE(isMouse(nextWithSentinel(), 3, 4));
  EXPECT_TRUE(isPeriodic(nextWithSentinel()));
  EXPECT_TRUE(isPeriodic(nextWithSentinel()));
  EXPECT_TRUE(isSentinel(nextWithSentinel()));
  // Nothing that playback gave was recorded.
  EXPECT_EQ(readScript(), textLines({"ZT738_MOUSE(3, 4);", "ZT738_PERIODIC(2);"}));
}

TEST_F(ScriptSwitching, PlayOneEndsARecording) {
  ctrlLetter('R');
  display().setAnimation(AnimationMode::Run);
  EXPECT_TRUE(isPeriodic(next()));
  display().setAnimation(AnimationMode::Halt);

  ctrlLetter('O');
  EXPECT_FALSE(recording);
  EXPECT_FALSE(checked(CmdRecordScript));
  EXPECT_EQ(readScript(), textLines({"ZT738_PERIODIC(1);"}));
  EXPECT_TRUE(isPeriodic(nextWithSentinel()));
  EXPECT_TRUE(isSentinel(nextWithSentinel()));
}

TEST_F(ScriptSwitching, ANewRecordingEmptiesTheSlotThatAnEndedPlaybackLeft) {
  writeScript("ZT738_KBD(65);\n");
  ctrlLetter('P');
  EXPECT_TRUE(isKey(nextWithSentinel(), 'A'));
  EXPECT_TRUE(isSentinel(nextWithSentinel()));
  EXPECT_NE(scriptFile, nullptr);  // left open at its end

  ctrlLetter('R');
  EXPECT_EQ(scriptFile, nullptr);
  type('z');
  EXPECT_TRUE(isKey(next(), 'z'));
  ctrlLetter('R');

  ctrlLetter('P');
  EXPECT_TRUE(isKey(nextWithSentinel(), 'z'));
}

}  // namespace
