#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/MMedia.h"
#include "engine/MediaCommands.h"
#include "support/BareApplicationTest.h"

namespace tavlo {
namespace {

using Commands = std::vector<std::string>;

// Records every command on its way to the real interpreter.
class RecordingMedia : public MediaControl {
 public:
  explicit RecordingMedia(MediaControl& inner) : inner_(inner) {}
  using MediaControl::SendString;
  int SendString(std::string_view command, std::string& answer) override {
    Sent.emplace_back(command);
    return inner_.SendString(command, answer);
  }
  std::string ErrorString(int code) override { return inner_.ErrorString(code); }
  Commands Sent;

 private:
  MediaControl& inner_;
};

class MMediaTests : public testing::BareApplicationTest {
 protected:
  MMediaTests()
      : commands(app), media(commands), player(media, platform) {
    testing::WriteFile(folder / "sfx/menu/music.wav", "RIFF");
    testing::WriteFile(folder / "sfx/my songs/tune.mid", "MThd");
    platform.Sound.SetLength("music.wav", 4000);
    platform.Sound.SetLength("tune.mid", 5000);
  }

  static constexpr const char* kMusic = "sfx\\menu\\music.wav";

  MediaCommands commands;
  RecordingMedia media;
  MMedia player;
};

TEST_F(MMediaTests, OpenSendsTheFileAsItsOwnAliasWithTypeAndWait) {
  player.OpenMedia(kMusic);
  EXPECT_EQ(media.Sent, Commands{"Open sfx\\menu\\music.wav ALIAS sfx\\menu\\music.wav TYPE "
                                 "Waveaudio wait"});
  EXPECT_EQ(player.Status(), "stopped");
  // Filename reads what only CloseMedia writes.
  EXPECT_EQ(player.Filename(), "");
}

TEST_F(MMediaTests, APathWithASpaceIsQuotedAsFileAndAsAlias) {
  player.OpenMedia("sfx\\my songs\\tune.MID");
  EXPECT_EQ(media.Sent.at(0), "Open \"sfx\\my songs\\tune.MID\" ALIAS \"sfx\\my songs\\tune.MID\" "
                              "TYPE Sequencer wait");
  EXPECT_EQ(player.Length(), 5000);
  player.PlayMedia();
  EXPECT_EQ(media.Sent.back(), "Play \"sfx\\my songs\\tune.MID\"");
  EXPECT_EQ(player.Status(), "playing");
}

TEST_F(MMediaTests, OpeningAgainClosesTheFileBefore) {
  player.OpenMedia(kMusic);
  player.OpenMedia("sfx\\my songs\\tune.mid");
  ASSERT_EQ(media.Sent.size(), 3u);
  EXPECT_EQ(media.Sent[1], "Close sfx\\menu\\music.wav");
  EXPECT_EQ(commands.OpenDevices(), 1u);
}

TEST_F(MMediaTests, AnUnsupportedTypeOpensNothingAndIsShownOnlyWhenAsked) {
  player.OpenMedia(kMusic);
  player.OpenMedia("sfx\\song.mp3");
  EXPECT_EQ(media.Sent.back(), "Close sfx\\menu\\music.wav");
  EXPECT_TRUE(platform.Messages.empty());
  EXPECT_EQ(player.Status(), "");

  player.SetUseErrorMessages(true);
  media.Sent.clear();
  player.OpenMedia("sfx\\song.mp3");
  ASSERT_EQ(platform.Messages.size(), 1u);
  EXPECT_EQ(platform.Messages[0].Text, "OpenMedia: Media type not supported.");
  EXPECT_EQ(platform.Messages[0].Title, "Tavlo");
  EXPECT_EQ(platform.Messages[0].Icon, MessageIcon::Critical);
  EXPECT_TRUE(media.Sent.empty());
}

TEST_F(MMediaTests, PlaySeeksToTheStartAndWaitsOnlyWhenAsked) {
  player.OpenMedia(kMusic);
  media.Sent.clear();
  const std::int64_t start = MilliTimer64();
  player.PlayMedia();
  EXPECT_EQ(media.Sent, (Commands{"Seek sfx\\menu\\music.wav to 0", "Play sfx\\menu\\music.wav"}));
  EXPECT_EQ(MilliTimer64(), start);
  platform.AdvanceMilliseconds(1000);
  EXPECT_FLOAT_EQ(player.Position(), 1000);

  player.SetWait(true);
  player.PlayMedia();
  EXPECT_EQ(media.Sent.back(), "Play sfx\\menu\\music.wav wait");
  EXPECT_EQ(MilliTimer64(), start + 1000 + 4000);
  EXPECT_EQ(player.Status(), "stopped");
}

TEST_F(MMediaTests, PauseStopSeekAndPositionSendTheirCommands) {
  player.OpenMedia(kMusic);
  media.Sent.clear();
  player.PauseMedia();
  player.StopMedia();
  player.SeekMedia(1500);
  player.SetPosition(2.5f);
  EXPECT_EQ(media.Sent, (Commands{"Pause sfx\\menu\\music.wav", "Stop sfx\\menu\\music.wav",
                                  "Seek sfx\\menu\\music.wav to 1500",
                                  "Seek sfx\\menu\\music.wav to 2"}));
  media.Sent.clear();
  EXPECT_EQ(player.Length(), 4000);
  EXPECT_FLOAT_EQ(player.Position(), 2);
  EXPECT_EQ(media.Sent, (Commands{"Set sfx\\menu\\music.wav time format milliseconds",
                                  "Status sfx\\menu\\music.wav length",
                                  "Status sfx\\menu\\music.wav position"}));
}

TEST_F(MMediaTests, WithNothingOpenOnlySeekSendsACommand) {
  player.PlayMedia();
  player.PauseMedia();
  player.StopMedia();
  player.CloseMedia();
  EXPECT_EQ(player.Status(), "");
  EXPECT_EQ(player.Length(), 0);
  EXPECT_EQ(player.Position(), 0);
  EXPECT_TRUE(media.Sent.empty());
  player.SeekMedia(5);
  EXPECT_EQ(media.Sent, Commands{"Seek  to 5"});
}

TEST_F(MMediaTests, CloseForgetsTheFile) {
  player.SetFilename(kMusic);
  player.CloseMedia();
  EXPECT_EQ(media.Sent.back(), "Close sfx\\menu\\music.wav");
  EXPECT_EQ(commands.OpenDevices(), 0u);
  media.Sent.clear();
  player.StopMedia();
  EXPECT_TRUE(media.Sent.empty());
}

TEST_F(MMediaTests, FailedCommandsAreReportedWithTheirCodeOnlyWhenAsked) {
  // A file that is not there: the open fails quietly, the play fails after.
  player.OpenMedia("sfx\\menu\\gone.wav");
  player.PlayMedia();
  EXPECT_TRUE(platform.Messages.empty());

  player.SetUseErrorMessages(true);
  player.StopMedia();
  ASSERT_EQ(platform.Messages.size(), 1u);
  EXPECT_EQ(platform.Messages[0].Title, "MciSendStringError: 263");
  EXPECT_EQ(platform.Messages[0].Text, commands.ErrorString(263));
}

}  // namespace
}  // namespace tavlo
