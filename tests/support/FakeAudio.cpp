#include "support/FakeAudio.h"

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

int FakeAudio::PlayWave(const std::filesystem::path& file) {
  StopWave();
  const int length = LengthOf(file);
  if (length < 0) return -1;
  Waves.push_back({file, Now(), length, -1});
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

std::string FakeAudio::NameOf(int stream) const {
  auto found = streams_.find(stream);
  return found == streams_.end() ? "?" : found->second.File.filename().string();
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
  if (!streams_.count(stream)) return;
  StreamLog.push_back("close " + NameOf(stream));
  streams_.erase(stream);
  OpenStreams.erase(stream);
}

bool FakeAudio::PlayStream(int stream, int from_milliseconds) {
  auto found = streams_.find(stream);
  if (found == streams_.end()) return false;
  StreamLog.push_back("play " + NameOf(stream) + " from " + std::to_string(from_milliseconds));
  found->second.Started = true;
  found->second.Paused = false;
  found->second.Origin = Now() - from_milliseconds;
  return true;
}

void FakeAudio::PauseStream(int stream) {
  auto found = streams_.find(stream);
  if (found == streams_.end()) return;
  StreamLog.push_back("pause " + NameOf(stream));
  if (found->second.Started && !found->second.Paused) {
    found->second.Paused = true;
    found->second.PausedPosition = Now() - found->second.Origin;
  }
}

void FakeAudio::ResumeStream(int stream) {
  auto found = streams_.find(stream);
  if (found == streams_.end()) return;
  StreamLog.push_back("resume " + NameOf(stream));
  if (found->second.Paused) {
    found->second.Paused = false;
    found->second.Origin = Now() - found->second.PausedPosition;
  }
}

void FakeAudio::StopStream(int stream) {
  auto found = streams_.find(stream);
  if (found == streams_.end()) return;
  StreamLog.push_back("stop " + NameOf(stream));
  found->second.Started = false;
  found->second.Paused = false;
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
