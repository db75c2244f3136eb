#pragma once

#include <filesystem>
#include <string>

namespace tavlo {

// What a media stream holds: sampled sound, or notes that a synthesiser plays.
enum class StreamKind { Wave, Midi };

// The program's sound output. It has one wave voice for effects and speech (a
// new sound cuts off the one before) and any number of media streams, which
// the media command interpreter drives. Nothing here blocks: waiting for a
// sound to end is the caller's business, so that the window stays alive. A
// file that cannot be played gives silence, never an error.
class AudioOutput {
 public:
  virtual ~AudioOutput() = default;

  // Starts the file on the wave voice, cutting off whatever it played, and
  // returns its playing time in milliseconds. -1 when the file could not be
  // played; the voice is silent then.
  virtual int PlayWave(const std::filesystem::path& file) = 0;
  virtual void StopWave() = 0;
  virtual bool WavePlaying() = 0;
  // Says the text in generated speech, in the voice ("en-gb", "da"), on the
  // wave voice as PlayWave plays a file, and returns its playing time in
  // milliseconds; -1, with the voice silent, when it cannot be said.
  virtual int SayText(const std::string& text, const std::string& voice) = 0;

  // Opens a stream; 0 when the file cannot be opened, else a number above 0
  // that names the stream until it is closed.
  virtual int OpenStream(const std::filesystem::path& file, StreamKind kind) = 0;
  virtual void CloseStream(int stream) = 0;
  // Plays from the given millisecond to the end; false when it cannot.
  virtual bool PlayStream(int stream, int from_milliseconds) = 0;
  virtual void PauseStream(int stream) = 0;
  virtual void ResumeStream(int stream) = 0;
  virtual void StopStream(int stream) = 0;
  // True while a started stream has not reached its end.
  virtual bool StreamPlaying(int stream) = 0;
  // The stream's length in milliseconds; -1 when unknown.
  virtual int StreamLength(int stream) = 0;
};

}  // namespace tavlo
