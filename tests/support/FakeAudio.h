#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/AudioNull.h"

namespace tavlo {
class Platform;
}

namespace tavlo::testing {

// One sound played on the wave voice, with the clock times (milliseconds) at
// which it started and stopped sounding: a file, or a text said in a voice.
struct PlayedWave {
  std::filesystem::path File;
  std::string Text;
  std::string Voice;
  std::int64_t StartedAt = 0;
  int Length = 0;
  // When it was cut off or stopped before its end; -1 when it ran out.
  std::int64_t CutAt = -1;
};

// Sound output that tests control: a sound file "exists" when the test gave it
// a length, it plays for exactly that long on the platform's clock, and every
// wave and stream operation is recorded.
class FakeAudio : public NullAudio {
 public:
  explicit FakeAudio(Platform& clock) : clock_(clock) {}

  // Files are known by their file name, whatever folder they are asked for in.
  void SetLength(const std::string& file_name, int milliseconds);
  // The file names of every wave played, in order.
  std::vector<std::string> WaveNames() const;
  // The file names of the last count waves played (all of them when fewer
  // played), in order.
  std::vector<std::string> LastWaveNames(std::size_t count) const;

  int PlayWave(const std::filesystem::path& file) override;
  void StopWave() override;
  bool WavePlaying() override;
  // Every text is said, for a time that grows with its length.
  int SayText(const std::string& text, const std::string& voice) override;

  int OpenStream(const std::filesystem::path& file, StreamKind kind) override;
  void CloseStream(int stream) override;
  bool PlayStream(int stream, int from_milliseconds) override;
  void PauseStream(int stream) override;
  void ResumeStream(int stream) override;
  void StopStream(int stream) override;
  bool StreamPlaying(int stream) override;
  int StreamLength(int stream) override;

  std::vector<PlayedWave> Waves;
  // Stream operations as "open NAME as wave|midi", "play NAME from MS", "pause NAME",
  // "resume NAME", "stop NAME", "close NAME".
  std::vector<std::string> StreamLog;
  // Paths of the streams open now, by stream number.
  std::map<int, std::filesystem::path> OpenStreams;

 private:
  struct FakeStream {
    std::filesystem::path File;
    int Length = 0;
    bool Started = false;
    bool Paused = false;
    // Where the stream would be at clock time 0 when it had played without a
    // break: its position is the clock minus this.
    std::int64_t Origin = 0;
    std::int64_t PausedPosition = 0;
  };

  std::int64_t Now() const;
  int LengthOf(const std::filesystem::path& file) const;
  // An open stream's state, with the operation (and its detail) noted in the
  // log before it; none, and nothing noted, for a stream that is not open.
  FakeStream* Logged(int stream, const std::string& operation, const std::string& detail = "");

  Platform& clock_;
  std::map<std::string, int> lengths_;
  std::map<int, FakeStream> streams_;
  int next_stream_ = 1;
};

}  // namespace tavlo::testing
