#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/Application.h"
#include "engine/Form.h"
#include "engine/MediaCommands.h"
#include "engine/MilliTimer.h"
#include "engine/Sound.h"
#include "support/BareApplicationTest.h"
#include "support/TempFolder.h"

namespace tavlo {
namespace {

// A form that counts the keys it receives.
class KeyForm : public Form {
 public:
  using Form::Form;
  void Form_KeyDown(int, int) override { ++Keys; }
  int Keys = 0;
};

class SoundTests : public testing::BareApplicationTest {
 protected:
  SoundTests() {
    platform.Sound.SetLength("correct0.wav", 700);
    platform.Sound.SetLength("speech.wav", 1200);
    platform.Sound.SetLength("silence.wav", 100);
    platform.Sound.SetLength("music.wav", 30'000);
    testing::WriteFile(folder / "sfx/menu/music.wav", "RIFF");
  }

  std::int64_t Now() { return MilliTimer64(); }

  SoundOptions profiles;
};

TEST_F(SoundTests, SynchronousPlayReturnsWhenTheSoundHasEnded) {
  const std::int64_t start = Now();
  EXPECT_TRUE(PlaySound(app, "sfx\\correct0.wav"));
  EXPECT_EQ(Now() - start, 700);
  ASSERT_EQ(platform.Sound.Waves.size(), 1u);
  EXPECT_EQ(platform.Sound.Waves[0].File, folder.Path() / "sfx/correct0.wav");
  EXPECT_EQ(platform.Sound.Waves[0].CutAt, -1);
}

TEST_F(SoundTests, AsynchronousPlayReturnsAtOnceAndANewSoundCutsItOff) {
  const std::int64_t start = Now();
  EXPECT_TRUE(PlaySound(app, "sfx\\speech.wav", PlayMode::Asynchronous));
  EXPECT_EQ(Now(), start);
  EXPECT_TRUE(platform.Sound.WavePlaying());
  platform.AdvanceMilliseconds(300);
  PlaySound(app, "sfx\\correct0.wav");
  ASSERT_EQ(platform.Sound.Waves.size(), 2u);
  EXPECT_EQ(platform.Sound.Waves[0].CutAt, start + 300);
  EXPECT_EQ(Now(), start + 1000);
}

TEST_F(SoundTests, AMissingFileIsSilenceWithoutWaiting) {
  PlaySound(app, "sfx\\speech.wav", PlayMode::Asynchronous);
  const std::int64_t start = Now();
  EXPECT_FALSE(PlaySound(app, "sfx\\nothing.wav"));
  EXPECT_EQ(Now(), start);
  // Like any new sound, it ends the one before.
  EXPECT_FALSE(platform.Sound.WavePlaying());
}

TEST_F(SoundTests, InputDuringASynchronousSoundIsDropped) {
  KeyForm form(app);
  app.Show(form);
  platform.PushKey(keys::kSpace);
  PlaySound(app, "sfx\\speech.wav");
  app.DoEvents();
  EXPECT_EQ(form.Keys, 0);
  EXPECT_EQ(platform.PendingEvents(), 0u);
}

TEST_F(SoundTests, AbsolutePathsSuchAsSpeechFilesPassThrough) {
  const auto speech = folder.Path() / "data" / "speech" / "eng" / "speech.wav";
  PlaySound(app, speech.string());
  ASSERT_EQ(platform.Sound.Waves.size(), 1u);
  EXPECT_EQ(platform.Sound.Waves[0].File, speech);
}

TEST_F(SoundTests, EffectSoundsPlayOnlyWithSoundEffectsOn) {
  profiles.SoundEffects = false;
  const std::int64_t start = Now();
  EXPECT_FALSE(PlayEffectSound(app, profiles, "sfx\\correct0.wav"));
  EXPECT_EQ(Now(), start);
  EXPECT_TRUE(platform.Sound.Waves.empty());

  profiles.SoundEffects = true;
  EXPECT_TRUE(PlayEffectSound(app, profiles, "sfx\\correct0.wav"));
  EXPECT_EQ(Now(), start + 700);
}

TEST_F(SoundTests, RewardSoundsOffPauseTwoAndAHalfSecondsInstead) {
  profiles.RewardSounds = false;
  const std::int64_t start = Now();
  EXPECT_FALSE(PlayRewardSound(app, profiles, "sfx\\rewards\\speech.wav"));
  EXPECT_EQ(Now(), start + 2500);
  EXPECT_TRUE(platform.Sound.Waves.empty());

  profiles.RewardSounds = true;
  EXPECT_TRUE(PlayRewardSound(app, profiles, "sfx\\rewards\\speech.wav"));
  EXPECT_EQ(Now(), start + 2500 + 1200);
}

TEST_F(SoundTests, StopAllSoundsCutsTheVoiceAndClosesEveryMediaDevice) {
  MediaCommands media(app);
  ASSERT_EQ(media.SendString("open sfx\\menu\\music.wav alias music type waveaudio"), 0);
  ASSERT_EQ(media.SendString("play music"), 0);
  PlaySound(app, "sfx\\speech.wav", PlayMode::Asynchronous);
  const std::int64_t start = Now();

  StopAllSounds(app, media);
  EXPECT_EQ(Now(), start);
  EXPECT_FALSE(platform.Sound.WavePlaying());
  EXPECT_EQ(platform.Sound.WaveNames(), (std::vector<std::string>{"speech.wav", "silence.wav"}));
  EXPECT_EQ(media.OpenDevices(), 0u);
  EXPECT_TRUE(platform.Sound.OpenStreams.empty());
}

TEST_F(SoundTests, StopAllSoundsSilencesEvenWithoutTheSilenceFile) {
  platform.Sound.SetLength("silence.wav", -1);
  MediaCommands media(app);
  PlaySound(app, "sfx\\speech.wav", PlayMode::Asynchronous);
  StopAllSounds(app, media);
  EXPECT_FALSE(platform.Sound.WavePlaying());
}

}  // namespace
}  // namespace tavlo
