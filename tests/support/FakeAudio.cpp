#include "support/FakeAudio.h"

#include <algorithm>

#include "engine/MilliTimer.h"
#include "platform/Platform.h"

namespace tavlo::testing {

std::int64_t FakeAudio::Now() const {
  return RoundNanosecondsToMilliseconds(clock_.MonotonicNanoseconds());
}

void FakeAudio::SetLength(const std::string& file_name, int milliseconds) {
  lengths_[file_name] = milliseconds;
}

int FakeAudio::LengthOf(const std::filesystem::path& file) const {
  auto found = lengths_.find(file.filename().string());
  return found == lengths_.end() ? -1 : found->second;
}

std::vector<std::string> FakeAudio::WaveNames() const {
  std::vector<std::string> names;
  for (const auto& wave : Waves) names.push_back(wave.File.filename().string());
  return names;
}

std::vector<std::string> FakeAudio::LastWaveNames(std::size_t count) const {
  std::vector<std::string> names = WaveNames();
  names.erase(names.begin(), names.end() - static_cast<long>(std::min(count, names.size())));
  return names;
}

int FakeAudio::PlayWave(const std::filesystem::path& file) {
  StopWave();
  const int length = LengthOf(file);
  if (length < 0) return -1;
  Waves.push_back({file, "", "", Now(), length, -1});
  return length;
}

int FakeAudio::SayText(const std::string& text, const std::string& voice) {
  StopWave();
  constexpr int kMillisecondsPerLetter = 80;
  const int length = 200 + kMillisecondsPerLetter * static_cast<int>(text.size());
  Waves.push_back({"", text, voice, Now(), length, -1});
  return length;
}

void FakeAudio::StopWave() {
  if (WavePlaying()) Waves.back().CutAt = Now();
}

bool FakeAudio::WavePlaying() {
  if (Waves.empty()) return false;
  const PlayedWave& last = Waves.back();
  return last.CutAt < 0 && Now() < last.StartedAt + last.Length;
}

FakeAudio::FakeStream* FakeAudio::Logged(int stream, const std::string& operation,
                                         const std::string& detail) {
  auto found = streams_.find(stream);
  if (found == streams_.end()) return nullptr;
  StreamLog.push_back(operation + " " + found->second.File.filename().string() + detail);
  return &found->second;
}

int FakeAudio::OpenStream(const std::filesystem::path& file, StreamKind kind) {
  const int length = LengthOf(file);
  if (length < 0) return 0;
  const int number = next_stream_++;
  streams_[number] = FakeStream{file, length};
  OpenStreams[number] = file;
  StreamLog.push_back("open " + file.filename().string() +
                      (kind == StreamKind::Midi ? " as midi" : " as wave"));
  return number;
}

void FakeAudio::CloseStream(int stream) {
  if (!Logged(stream, "close")) return;
  streams_.erase(stream);
  OpenStreams.erase(stream);
}

bool FakeAudio::PlayStream(int stream, int from_milliseconds) {
  FakeStream* played = Logged(stream, "play", " from " + std::to_string(from_milliseconds));
  if (!played) return false;
  played->Started = true;
  played->Paused = false;
  played->Origin = Now() - from_milliseconds;
  return true;
}

void FakeAudio::PauseStream(int stream) {
  FakeStream* paused = Logged(stream, "pause");
  if (paused && paused->Started && !paused->Paused) {
    paused->Paused = true;
    paused->PausedPosition = Now() - paused->Origin;
  }
}

void FakeAudio::ResumeStream(int stream) {
  FakeStream* resumed = Logged(stream, "resume");
  if (resumed && resumed->Paused) {
    resumed->Paused = false;
    resumed->Origin = Now() - resumed->PausedPosition;
  }
}

void FakeAudio::StopStream(int stream) {
  if (FakeStream* stopped = Logged(stream, "stop")) {
    stopped->Started = false;
    stopped->Paused = false;
  }
}

bool FakeAudio::StreamPlaying(int stream) {
  auto found = streams_.find(stream);
  if (found == streams_.end() || !found->second.Started) return false;
  if (found->second.Paused) return true;
  return Now() - found->second.Origin < found->second.Length;
}

int FakeAudio::StreamLength(int stream) {
  auto found = streams_.find(stream);
  return found == streams_.end() ? -1 : found->second.Length;
}

}  // namespace tavlo::testing
