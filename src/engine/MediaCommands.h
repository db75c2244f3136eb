#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/MediaControl.h"
#include "platform/Audio.h"

namespace tavlo {

class Application;

// The program's own media command interpreter over the platform's sound
// output. It keeps the open devices by alias and understands the commands
// the program sends:
//   open FILE [alias NAME] [type Waveaudio|Sequencer|AviVideo] [wait]
//   close NAME | close all
//   play NAME [from MS] [wait]      pause NAME     resume NAME     stop NAME
//   seek NAME to MS|start|end
//   set NAME time format milliseconds
//   status NAME length|position|mode|ready|time format
// Keywords and aliases ignore case; a file name or alias in double quotes may
// hold spaces. Times are milliseconds. Video devices are not supported.
// Waiting ("wait" on play) goes through the application's wait, so the window
// stays alive and input is dropped meanwhile.
class MediaCommands : public MediaControl {
 public:
  explicit MediaCommands(Application& app);
  ~MediaCommands() override;
  MediaCommands(const MediaCommands&) = delete;
  MediaCommands& operator=(const MediaCommands&) = delete;

  using MediaControl::SendString;
  int SendString(std::string_view command, std::string& answer) override;
  std::string ErrorString(int code) override;

  std::size_t OpenDevices() const { return devices_.size(); }

 private:
  enum class Mode { Stopped, Playing, Paused };
  struct Device {
    StreamKind Kind = StreamKind::Wave;
    int Stream = 0;
    Mode State = Mode::Stopped;
    // Milliseconds; -1 when the player cannot tell.
    int Length = -1;
    // The position while stopped or paused.
    int Position = 0;
    // While playing: the clock time at which position 0 would have played.
    std::int64_t Origin = 0;
  };
  using Words = std::vector<std::string>;

  int Open(const Words& words);
  int Close(const Words& words);
  int Play(Device& device, const std::string& alias, const Words& words);
  int Seek(Device& device, const Words& words);
  int Set(const Words& words);
  int Status(Device& device, const Words& words, std::string& answer);
  void Pause(Device& device);
  void Resume(Device& device);
  void Stop(Device& device);
  void WaitForEnd(const std::string& alias);

  // Brings a playing device's mode up to date: it stops when its sound ended.
  void Refresh(Device& device);
  int PositionOf(Device& device);
  Device* Find(const std::string& alias);

  Application& app_;
  AudioOutput& audio_;
  std::map<std::string, Device> devices_;
};

}  // namespace tavlo
