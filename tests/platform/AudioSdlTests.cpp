#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <thread>
#include <numbers>
#include <string>

#include "engine/Application.h"
#include "engine/MediaCommands.h"
#include "engine/Sound.h"
#include "platform/AudioSdl.h"
#include "platform/NullPlatform.h"
#include "support/TempFolder.h"

namespace tavlo {
namespace {

void PutLittleEndian(std::string& bytes, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A mono 16-bit WAV file of a 440 Hz tone.
std::string ToneWave(int milliseconds) {
  constexpr int kRate = 22050;
  const int samples = kRate * milliseconds / 1000;
  std::string data;
  for (int i = 0; i < samples; ++i) {
    const double value = 8000 * std::sin(2 * std::numbers::pi * 440 * i / kRate);
    PutLittleEndian(data, static_cast<std::uint16_t>(static_cast<std::int16_t>(value)), 2);
  }
  std::string bytes = "RIFF";
  PutLittleEndian(bytes, static_cast<std::uint32_t>(36 + data.size()), 4);
  bytes += "WAVEfmt ";
  PutLittleEndian(bytes, 16, 4);
  PutLittleEndian(bytes, 1, 2);  // PCM
  PutLittleEndian(bytes, 1, 2);  // mono
  PutLittleEndian(bytes, kRate, 4);
  PutLittleEndian(bytes, kRate * 2, 4);
  PutLittleEndian(bytes, 2, 2);
  PutLittleEndian(bytes, 16, 2);
  bytes += "data";
  PutLittleEndian(bytes, static_cast<std::uint32_t>(data.size()), 4);
  return bytes + data;
}

// One middle C for half a second (96 ticks of a quarter note at 120 beats per minute).
std::string OneNoteMidi() {
  std::string track = {0x00, static_cast<char>(0x90), 60, 100,   // note on
                       0x60, static_cast<char>(0x80), 60, 0,     // note off after 96 ticks
                       0x00, static_cast<char>(0xFF), 0x2F, 0};  // end of track
  std::string bytes = "MThd";
  bytes += std::string{0, 0, 0, 6, 0, 0, 0, 1, 0, 96};
  bytes += "MTrk";
  bytes += std::string{0, 0, 0, static_cast<char>(track.size())};
  return bytes + track;
}

// The loudest 16-bit sample SDL's disk driver wrote.
int LoudestSample(const std::filesystem::path& file) {
  const std::string bytes = testing::ReadFile(file);
  int loudest = 0;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto sample = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[i]) |
                                                  (static_cast<std::uint8_t>(bytes[i + 1]) << 8));
    loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
  }
  return loudest;
}

// Milliseconds from the first to the last loud sample SDL's disk driver
// wrote (44.1 kHz stereo): how much of a tone was played.
int LoudSpanMilliseconds(const std::filesystem::path& file) {
  const std::string bytes = testing::ReadFile(file);
  std::size_t first = bytes.size();
  std::size_t last = 0;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto sample = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[i]) |
                                                  (static_cast<std::uint8_t>(bytes[i + 1]) << 8));
    if (std::abs(static_cast<int>(sample)) < 4000) continue;
    first = std::min(first, i);
    last = i;
  }
  if (first > last) return 0;
  return static_cast<int>((last - first) / 4 * 1000 / 44100);
}

bool AudioThreadNamed() {
  for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
    std::ifstream comm(task.path() / "comm");
    std::string name;
    std::getline(comm, name);
    if (name.starts_with("SDLAudio")) return true;
  }
  return false;
}

// SDL's mixing thread names itself once it runs, a moment after the device
// opened; a closed device has joined it.
bool AudioThreadRunning() {
  for (int tries = 0; tries < 100; ++tries) {
    if (AudioThreadNamed()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

std::int64_t NowMilliseconds() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// The real clock and real sound, through SDL's disk driver into a file.
class DiskAudioPlatform : public NullPlatform {
 public:
  AudioOutput& Audio() override { return Sound; }
  AudioSdl Sound;
};

class AudioSdlTests : public ::testing::Test {
 protected:
  AudioSdlTests() {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output.string().c_str(), 1);
    testing::WriteFile(folder / "tone.wav", ToneWave(400));
    testing::WriteFile(folder / "note.mid", OneNoteMidi());
  }

  testing::TempFolder folder;
  std::filesystem::path output = folder / "output.raw";
  DiskAudioPlatform platform;
  FontLibrary fonts;
  Application app{platform, fonts};
};

using Clock = std::chrono::steady_clock;

int MillisecondsSince(Clock::time_point start) {
  return static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

TEST_F(AudioSdlTests, ASynchronousPlayLastsTheFilesLengthAndMakesSound) {
  const auto start = Clock::now();
  EXPECT_TRUE(PlaySound(app, (folder / "tone.wav").string()));
  const int took = MillisecondsSince(start);
  EXPECT_GE(took, 390);
  EXPECT_LT(took, 1000);
  EXPECT_FALSE(platform.Sound.WavePlaying());
  platform.Sound.Shutdown();
  EXPECT_GT(LoudestSample(output), 4000);
}

TEST_F(AudioSdlTests, ATextIsSaidInGeneratedSpeechOnTheWaveVoice) {
  EXPECT_EQ(platform.Sound.SayText("dog", "no-such-voice"), -1);
  EXPECT_FALSE(platform.Sound.WavePlaying());
  // Danish is said too (the same synthesizer, another voice).
  EXPECT_GT(platform.Sound.SayText("hund", "da"), 200);
  // One short word at the recordings' slow pace: about half a second.
  const int length = platform.Sound.SayText("dog", "en-gb");
  EXPECT_GT(length, 250);
  EXPECT_LT(length, 1500);
  EXPECT_TRUE(platform.Sound.WavePlaying());
  app.Wait(length + 100);
  EXPECT_FALSE(platform.Sound.WavePlaying());
  platform.Sound.Shutdown();
  EXPECT_GE(LoudSpanMilliseconds(output), 150) << "the word was not heard";
}

TEST_F(AudioSdlTests, AMissingFileOrAPipeIsSilence) {
  const auto start = Clock::now();
  EXPECT_FALSE(PlaySound(app, (folder / "none.wav").string()));
  EXPECT_LT(MillisecondsSince(start), 100);
  testing::MakePipe(folder / "pipe.wav");
  EXPECT_TRUE(testing::EndsWithoutAWriter(
      folder / "pipe.wav", [&] { EXPECT_FALSE(PlaySound(app, (folder / "pipe.wav").string())); }));
  platform.Sound.Shutdown();
  EXPECT_EQ(LoudestSample(output), 0);
}

TEST_F(AudioSdlTests, WithoutASoundDeviceSoundsAreSilentButKeepTheirLength) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  const auto start = Clock::now();
  EXPECT_TRUE(PlaySound(app, (folder / "tone.wav").string()));
  const int took = MillisecondsSince(start);
  EXPECT_GE(took, 390);
  EXPECT_LT(took, 1000);
  platform.Sound.Shutdown();
  EXPECT_FALSE(std::filesystem::exists(output));
}

TEST_F(AudioSdlTests, AWaveStreamKnowsItsLengthAndPlaysFromASoughtPlace) {
  const int stream = platform.Sound.OpenStream(folder / "tone.wav", StreamKind::Wave);
  ASSERT_GT(stream, 0);
  EXPECT_NEAR(platform.Sound.StreamLength(stream), 400, 1);
  ASSERT_TRUE(platform.Sound.PlayStream(stream, 300));
  EXPECT_TRUE(platform.Sound.StreamPlaying(stream));
  // The wave voice plays beside the stream.
  EXPECT_GT(platform.Sound.PlayWave(folder / "tone.wav"), 0);
  EXPECT_TRUE(platform.Sound.StreamPlaying(stream));
  app.Wait(250);
  EXPECT_FALSE(platform.Sound.StreamPlaying(stream));
  platform.Sound.CloseStream(stream);
}

TEST_F(AudioSdlTests, OpeningAStreamLeavesTheDeviceClosedUntilTheStreamIsNeeded) {
  const int stream = platform.Sound.OpenStream(folder / "tone.wav", StreamKind::Wave);
  ASSERT_GT(stream, 0);
  EXPECT_EQ(platform.Sound.OpenStream(folder / "none.wav", StreamKind::Wave), 0);
  // The disk driver makes its file when the device opens.
  EXPECT_FALSE(std::filesystem::exists(output));
  EXPECT_FALSE(AudioThreadNamed());
  EXPECT_NEAR(platform.Sound.StreamLength(stream), 400, 1);
  EXPECT_TRUE(std::filesystem::exists(output));
}

TEST_F(AudioSdlTests, ASilentDeviceClosesWithItsThreadAndASoundLoadedBeforePlaysWhole) {
  const int stream = platform.Sound.OpenStream(folder / "tone.wav", StreamKind::Wave);
  ASSERT_NEAR(platform.Sound.StreamLength(stream), 400, 1);
  EXPECT_TRUE(AudioThreadRunning());
  const std::int64_t now = NowMilliseconds();
  EXPECT_EQ(platform.Sound.CloseWhenIdle(now), IdleDeviceRule::kCloseAfterMilliseconds);
  EXPECT_EQ(platform.Sound.CloseWhenIdle(now + IdleDeviceRule::kCloseAfterMilliseconds), -1);
  EXPECT_FALSE(AudioThreadNamed());

  // The next sound opens the device again (the disk driver starts a new file).
  ASSERT_TRUE(platform.Sound.PlayStream(stream, 0));
  EXPECT_EQ(platform.Sound.CloseWhenIdle(now + 2 * IdleDeviceRule::kCloseAfterMilliseconds),
            IdleDeviceRule::kLookWhileSoundingMilliseconds);
  app.Wait(600);
  platform.Sound.Shutdown();
  EXPECT_GE(LoudSpanMilliseconds(output), 380) << "the start or end of the sound was cut";
}

TEST_F(AudioSdlTests, AMidiFilePlaysThroughTheSynthesiserAndWaitBlocksUntilItsEnd) {
  MediaCommands media(app);
  ASSERT_EQ(media.SendString("open \"" + (folder / "note.mid").string() +
                             "\" alias note type sequencer wait"),
            0);
  const auto start = Clock::now();
  ASSERT_EQ(media.SendString("play note wait"), 0);
  // The synthesiser lets the note ring out after its end before it reports
  // the music done, so the wait lasts a few seconds more than the note.
  const int took = MillisecondsSince(start);
  EXPECT_GE(took, 450);
  EXPECT_LT(took, 8000);
  media.SendString("close all");
  platform.Sound.Shutdown();
  EXPECT_GT(LoudestSample(output), 500);
}

}  // namespace
}  // namespace tavlo
