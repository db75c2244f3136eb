#pragma once

#include <cstdint>
#include <string>

namespace tavlo {

class MediaControl;
class Platform;

// A media player driven by text commands: the main menu's music. It opens one
// file at a time under the file's own name as alias and sends the commands of
// the media interface for every operation. Failures are silent unless
// UseErrorMessages is on; then they are shown in message boxes.
class MMedia {
 public:
  MMedia(MediaControl& media, Platform& host) : media_(media), host_(host) {}
  ~MMedia() = default;
  MMedia(const MMedia&) = delete;
  MMedia& operator=(const MMedia&) = delete;

  // Opens a WAV, AVI or MID file (by its last three letters); a file of any
  // other kind opens nothing. A file open before is closed first.
  void OpenMedia(const std::string& file);
  void CloseMedia();
  void PauseMedia();
  // Plays from the start; with Wait on, returns when the file has ended.
  void PlayMedia();
  void StopMedia();
  void SeekMedia(std::int32_t position);

  // A file has been opened (whether or not its device took it) and not closed.
  bool IsOpen() const { return !Alias.empty(); }
  std::string Filename() const { return FileText; }
  void SetFilename(const std::string& file) { OpenMedia(file); }
  bool Wait() const { return WaitForEnd; }
  void SetWait(bool wait) { WaitForEnd = wait; }
  // Milliseconds; 0 with nothing open or when the device gives no number.
  std::int32_t Length();
  float Position();
  void SetPosition(float value);
  // The device's mode word ("playing", "stopped", ...); "" with nothing open.
  std::string Status();
  bool UseErrorMessages() const { return ShowErrors; }
  void SetUseErrorMessages(bool use) { ShowErrors = use; }

 private:
  void ReportMciError(int code);
  // Sends the command, reports its failure, and returns its answer.
  std::string Ask(const std::string& command);

  MediaControl& media_;
  Platform& host_;
  std::string Alias;
  std::string FileText;
  bool WaitForEnd = false;
  bool ShowErrors = false;
};

}  // namespace tavlo
