#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/MediaCommands.h"
#include "support/BareApplicationTest.h"

namespace tavlo {
namespace {

namespace err = media_error;

class MediaCommandsTests : public testing::BareApplicationTest {
 protected:
  MediaCommandsTests() : media(app) {
    testing::WriteFile(folder / "sfx/menu/music.wav", "RIFF");
    testing::WriteFile(folder / "sfx/my songs/tune.mid", "MThd");
    testing::WriteFile(folder / "sfx/film.avi", "RIFF");
    platform.Sound.SetLength("music.wav", 3000);
    platform.Sound.SetLength("tune.mid", 5000);
    platform.Sound.SetLength("film.avi", 5000);
  }

  std::string Ask(const std::string& command) {
    std::string answer;
    EXPECT_EQ(media.SendString(command, answer), 0) << command;
    return answer;
  }

  void OpenMusic() {
    ASSERT_EQ(media.SendString("Open sfx\\menu\\music.wav ALIAS sfx\\menu\\music.wav TYPE "
                               "Waveaudio wait"),
              0);
  }

  static constexpr const char* kMusic = "sfx\\menu\\music.wav";

  MediaCommands media;
};

TEST_F(MediaCommandsTests, OpensByAliasAndReportsLengthAndMode) {
  OpenMusic();
  EXPECT_EQ(platform.Sound.StreamLog, std::vector<std::string>{"open music.wav as wave"});
  EXPECT_EQ(Ask("Set sfx\\menu\\music.wav time format milliseconds"), "");
  EXPECT_EQ(Ask("Status sfx\\menu\\music.wav length"), "3000");
  EXPECT_EQ(Ask("status SFX\\MENU\\MUSIC.WAV mode"), "stopped");
  EXPECT_EQ(Ask("Status sfx\\menu\\music.wav position"), "0");
}

TEST_F(MediaCommandsTests, AQuotedPathWithSpacesIsOneFileAndOneAlias) {
  ASSERT_EQ(media.SendString("Open \"sfx\\my songs\\tune.mid\" ALIAS \"sfx\\my songs\\tune.mid\" "
                             "TYPE Sequencer wait"),
            0);
  EXPECT_EQ(platform.Sound.StreamLog, std::vector<std::string>{"open tune.mid as midi"});
  EXPECT_EQ(Ask("Status \"sfx\\my songs\\tune.mid\" length"), "5000");
  EXPECT_EQ(media.SendString("Close \"sfx\\my songs\\tune.mid\""), 0);
  EXPECT_EQ(media.OpenDevices(), 0u);
}

TEST_F(MediaCommandsTests, FailedOpensGiveTheirErrorCodes) {
  OpenMusic();
  EXPECT_EQ(media.SendString("open sfx\\menu\\music.wav alias sfx\\menu\\music.wav"),
            err::kDuplicateAlias);
  EXPECT_EQ(media.SendString("open sfx\\none.wav alias none type waveaudio"), err::kFileNotFound);
  EXPECT_EQ(media.SendString("open sfx\\film.avi alias film type AviVideo wait"),
            err::kCannotLoadDriver);
  EXPECT_EQ(media.SendString("open sfx\\menu\\music.wav alias x type cdaudio"),
            err::kInvalidDeviceName);
  EXPECT_EQ(media.SendString("open sfx\\menu\\music.wav alias y colour red"),
            err::kUnrecognizedKeyword);
  EXPECT_EQ(media.SendString("open"), err::kMissingParameter);
  EXPECT_EQ(media.OpenDevices(), 1u);
  // Without a type the extension decides.
  EXPECT_EQ(media.SendString("open sfx\\menu\\music.wav alias plain"), 0);
  EXPECT_EQ(media.OpenDevices(), 2u);
}

TEST_F(MediaCommandsTests, UnknownCommandsAndDevicesAreErrors) {
  EXPECT_EQ(media.SendString("dance music"), err::kUnrecognizedCommand);
  EXPECT_EQ(media.SendString(""), err::kMissingCommandString);
  EXPECT_EQ(media.SendString("play nothing"), err::kInvalidDeviceName);
  EXPECT_EQ(media.SendString("play"), err::kMissingDeviceName);
  // What a player sends for a seek with nothing open.
  EXPECT_EQ(media.SendString("Seek  to 0"), err::kInvalidDeviceName);
  OpenMusic();
  std::string answer = "old";
  EXPECT_EQ(media.SendString(std::string("Status ") + kMusic + " colour", answer),
            err::kUnrecognizedKeyword);
  EXPECT_EQ(answer, "");
  EXPECT_EQ(media.SendString(std::string("Set ") + kMusic + " time format frames"),
            err::kBadTimeFormat);
  EXPECT_FALSE(media.ErrorString(err::kFileNotFound).empty());
  EXPECT_NE(media.ErrorString(err::kFileNotFound), media.ErrorString(err::kDuplicateAlias));
}

TEST_F(MediaCommandsTests, PlayReturnsAtOnceAndTheDeviceStopsAtTheEnd) {
  OpenMusic();
  const std::int64_t start = MilliTimer64();
  EXPECT_EQ(media.SendString(std::string("Play ") + kMusic), 0);
  EXPECT_EQ(MilliTimer64(), start);
  EXPECT_EQ(Ask(std::string("Status ") + kMusic + " mode"), "playing");
  platform.AdvanceMilliseconds(1200);
  EXPECT_EQ(Ask(std::string("Status ") + kMusic + " position"), "1200");
  platform.AdvanceMilliseconds(2000);
  EXPECT_EQ(Ask(std::string("Status ") + kMusic + " mode"), "stopped");
  EXPECT_EQ(Ask(std::string("Status ") + kMusic + " position"), "3000");
}

TEST_F(MediaCommandsTests, PlayWaitBlocksUntilTheEndOfTheFile) {
  OpenMusic();
  ASSERT_EQ(media.SendString(std::string("Seek ") + kMusic + " to 500"), 0);
  const std::int64_t start = MilliTimer64();
  EXPECT_EQ(media.SendString(std::string("Play ") + kMusic + " wait"), 0);
  EXPECT_EQ(MilliTimer64() - start, 2500);
  EXPECT_EQ(Ask(std::string("Status ") + kMusic + " mode"), "stopped");
  // At the end there is nothing left: a second play returns at once.
  EXPECT_EQ(media.SendString(std::string("Play ") + kMusic + " wait"), 0);
  EXPECT_EQ(MilliTimer64() - start, 2500);
}

TEST_F(MediaCommandsTests, PauseKeepsThePlaceAndPlayGoesOnFromIt) {
  OpenMusic();
  media.SendString(std::string("Play ") + kMusic);
  platform.AdvanceMilliseconds(300);
  ASSERT_EQ(media.SendString(std::string("Pause ") + kMusic), 0);
  platform.AdvanceMilliseconds(5000);
  EXPECT_EQ(Ask(std::string("Status ") + kMusic + " mode"), "paused");
  EXPECT_EQ(Ask(std::string("Status ") + kMusic + " position"), "300");
  media.SendString(std::string("Play ") + kMusic);
  platform.AdvanceMilliseconds(200);
  EXPECT_EQ(Ask(std::string("Status ") + kMusic + " position"), "500");
  EXPECT_EQ(platform.Sound.StreamLog.back(), "resume music.wav");
}

TEST_F(MediaCommandsTests, SeekStopsAndMovesThePlace) {
  OpenMusic();
  media.SendString(std::string("Play ") + kMusic);
  ASSERT_EQ(media.SendString(std::string("Seek ") + kMusic + " to 1000 wait"), 0);
  EXPECT_EQ(Ask(std::string("Status ") + kMusic + " mode"), "stopped");
  EXPECT_EQ(Ask(std::string("Status ") + kMusic + " position"), "1000");
  EXPECT_EQ(media.SendString(std::string("Seek ") + kMusic + " to 3001"), err::kOutOfRange);
  EXPECT_EQ(media.SendString(std::string("Seek ") + kMusic + " to soon"), err::kBadInteger);
  EXPECT_EQ(media.SendString(std::string("Seek ") + kMusic + " to end"), 0);
  EXPECT_EQ(Ask(std::string("Status ") + kMusic + " position"), "3000");
  media.SendString(std::string("Play ") + kMusic + " from 2000");
  EXPECT_EQ(platform.Sound.StreamLog.back(), "play music.wav from 2000");
}

TEST_F(MediaCommandsTests, StopEndsPlayingAndCloseAllClosesEverything) {
  OpenMusic();
  ASSERT_EQ(media.SendString("open \"sfx\\my songs\\tune.mid\" alias tune type sequencer"), 0);
  media.SendString("play tune");
  platform.AdvanceMilliseconds(400);
  ASSERT_EQ(media.SendString("stop tune"), 0);
  EXPECT_EQ(Ask("status tune mode"), "stopped");
  EXPECT_FALSE(platform.Sound.StreamPlaying(2));
  ASSERT_EQ(media.SendString("close all"), 0);
  EXPECT_EQ(media.OpenDevices(), 0u);
  EXPECT_TRUE(platform.Sound.OpenStreams.empty());
  EXPECT_EQ(media.SendString("close tune"), err::kInvalidDeviceName);
}

}  // namespace
}  // namespace tavlo
