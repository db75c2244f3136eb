#include "engine/MediaCommands.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <system_error>

#include "engine/Application.h"
#include "engine/AsciiCase.h"
#include "engine/FilePaths.h"
#include "engine/MilliTimer.h"

namespace tavlo {
namespace {

// Splits a command into words at blanks; a word in double quotes may hold
// blanks and loses its quotes.
std::vector<std::string> SplitWords(std::string_view command) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < command.size()) {
    if (std::isspace(static_cast<unsigned char>(command[i]))) {
      ++i;
      continue;
    }
    if (command[i] == '"') {
      const std::size_t end = command.find('"', i + 1);
      const std::size_t stop = end == std::string_view::npos ? command.size() : end;
      words.emplace_back(command.substr(i + 1, stop - i - 1));
      i = stop == command.size() ? stop : stop + 1;
      continue;
    }
    std::size_t end = i;
    while (end < command.size() && !std::isspace(static_cast<unsigned char>(command[end]))) ++end;
    words.emplace_back(command.substr(i, end - i));
    i = end;
  }
  return words;
}

bool ParseMilliseconds(const std::string& text, int& value) {
  const char* first = text.data();
  const char* last = text.data() + text.size();
  const auto result = std::from_chars(first, last, value);
  return result.ec == std::errc() && result.ptr == last && value >= 0;
}

// Words that only ask for the command to complete before it returns; every
// command here completes before it returns except play.
bool IsNotificationWord(const std::string& lower_word) {
  return lower_word == "wait" || lower_word == "notify";
}

}  // namespace

MediaCommands::MediaCommands(Application& app) : app_(app), audio_(app.Host().Audio()) {}

MediaCommands::~MediaCommands() {
  for (auto& [alias, device] : devices_) audio_.CloseStream(device.Stream);
}

MediaCommands::Device* MediaCommands::Find(const std::string& alias) {
  auto found = devices_.find(AsciiLower(alias));
  return found == devices_.end() ? nullptr : &found->second;
}

int MediaCommands::SendString(std::string_view command, std::string& answer) {
  answer.clear();
  const Words words = SplitWords(command);
  if (words.empty()) return media_error::kMissingCommandString;
  const std::string verb = AsciiLower(words[0]);
  if (verb == "open") return Open(words);
  if (verb == "close") return Close(words);
  if (verb == "set") return Set(words);
  if (verb != "play" && verb != "pause" && verb != "resume" && verb != "stop" && verb != "seek" &&
      verb != "status") {
    return media_error::kUnrecognizedCommand;
  }
  if (words.size() < 2) return media_error::kMissingDeviceName;
  Device* device = Find(words[1]);
  if (!device) return media_error::kInvalidDeviceName;
  if (verb == "play") return Play(*device, words[1], words);
  if (verb == "seek") return Seek(*device, words);
  if (verb == "status") return Status(*device, words, answer);
  for (std::size_t i = 2; i < words.size(); ++i) {
    if (!IsNotificationWord(AsciiLower(words[i]))) return media_error::kUnrecognizedKeyword;
  }
  if (verb == "pause") Pause(*device);
  if (verb == "resume") Resume(*device);
  if (verb == "stop") Stop(*device);
  return media_error::kNone;
}

int MediaCommands::Open(const Words& words) {
  if (words.size() < 2) return media_error::kMissingParameter;
  const std::string& file = words[1];
  std::string alias = file;
  std::string type;
  for (std::size_t i = 2; i < words.size(); ++i) {
    const std::string word = AsciiLower(words[i]);
    if (word == "alias" || word == "type") {
      if (i + 1 >= words.size()) return media_error::kMissingParameter;
      (word == "alias" ? alias : type) = words[++i];
    } else if (!IsNotificationWord(word) && word != "shareable") {
      return media_error::kUnrecognizedKeyword;
    }
  }
  if (type.empty()) {
    // Without a type the file's extension names the device, as it would.
    const std::string extension = AsciiLower(PathFromText(file).extension().string());
    if (extension == ".wav") {
      type = "waveaudio";
    } else if (extension == ".mid" || extension == ".midi" || extension == ".rmi") {
      type = "sequencer";
    } else if (extension == ".avi") {
      type = "avivideo";
    } else {
      return media_error::kExtensionNotFound;
    }
  }
  StreamKind kind = StreamKind::Wave;
  const std::string lower_type = AsciiLower(type);
  if (lower_type == "sequencer") {
    kind = StreamKind::Midi;
  } else if (lower_type == "avivideo") {
    // Nothing in the program shows a video, so there is no video player.
    return media_error::kCannotLoadDriver;
  } else if (lower_type != "waveaudio") {
    return media_error::kInvalidDeviceName;
  }
  if (Find(alias)) return media_error::kDuplicateAlias;

  const std::filesystem::path path = app_.ResourcePath(file);
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return media_error::kFileNotFound;
  const int stream = audio_.OpenStream(path, kind);
  if (stream == 0) return media_error::kHardware;
  Device device;
  device.Kind = kind;
  device.Stream = stream;
  device.Length = audio_.StreamLength(stream);
  devices_[AsciiLower(alias)] = device;
  return media_error::kNone;
}

int MediaCommands::Close(const Words& words) {
  if (words.size() < 2) return media_error::kMissingDeviceName;
  for (std::size_t i = 2; i < words.size(); ++i) {
    if (!IsNotificationWord(AsciiLower(words[i]))) return media_error::kUnrecognizedKeyword;
  }
  if (AsciiLower(words[1]) == "all") {
    for (auto& [alias, device] : devices_) audio_.CloseStream(device.Stream);
    devices_.clear();
    return media_error::kNone;
  }
  auto found = devices_.find(AsciiLower(words[1]));
  if (found == devices_.end()) return media_error::kInvalidDeviceName;
  audio_.CloseStream(found->second.Stream);
  devices_.erase(found);
  return media_error::kNone;
}

void MediaCommands::Refresh(Device& device) {
  if (device.State != Mode::Playing) return;
  const auto elapsed = MilliTimer64() - device.Origin;
  const bool past_end = device.Length >= 0 && elapsed >= device.Length;
  if (past_end || !audio_.StreamPlaying(device.Stream)) {
    device.State = Mode::Stopped;
    device.Position = device.Length >= 0 ? device.Length : static_cast<int>(elapsed);
  }
}

int MediaCommands::PositionOf(Device& device) {
  Refresh(device);
  if (device.State != Mode::Playing) return device.Position;
  return static_cast<int>(MilliTimer64() - device.Origin);
}

int MediaCommands::Play(Device& device, const std::string& alias, const Words& words) {
  bool wait = false;
  int from = -1;
  for (std::size_t i = 2; i < words.size(); ++i) {
    const std::string word = AsciiLower(words[i]);
    if (word == "wait") {
      wait = true;
    } else if (word == "from") {
      if (i + 1 >= words.size()) return media_error::kMissingParameter;
      if (!ParseMilliseconds(words[++i], from)) return media_error::kBadInteger;
    } else if (word != "notify") {
      return media_error::kUnrecognizedKeyword;
    }
  }
  if (device.Length >= 0 && from > device.Length) return media_error::kOutOfRange;
  Refresh(device);
  if (device.State == Mode::Paused && from < 0) {
    Resume(device);
  } else {
    const int start = from >= 0 ? from : PositionOf(device);
    audio_.StopStream(device.Stream);
    device.State = Mode::Stopped;
    device.Position = start;
    // At the end there is nothing left to play; the device stays stopped.
    if (device.Length >= 0 && start >= device.Length) return media_error::kNone;
    if (!audio_.PlayStream(device.Stream, start)) return media_error::kHardware;
    device.State = Mode::Playing;
    device.Origin = MilliTimer64() - start;
  }
  if (wait) WaitForEnd(alias);
  return media_error::kNone;
}

void MediaCommands::WaitForEnd(const std::string& alias) {
  // A player that cannot tell its length is asked again every so often.
  constexpr int kPollMilliseconds = 50;
  while (true) {
    Device* device = Find(alias);
    if (!device) return;
    Refresh(*device);
    if (device->State != Mode::Playing) return;
    int remaining = kPollMilliseconds;
    if (device->Length >= 0) {
      const auto left = device->Length - (MilliTimer64() - device->Origin);
      remaining = static_cast<int>(std::max<std::int64_t>(left, 1));
    }
    app_.Wait(remaining);
  }
}

void MediaCommands::Pause(Device& device) {
  Refresh(device);
  if (device.State != Mode::Playing) return;
  device.Position = PositionOf(device);
  audio_.PauseStream(device.Stream);
  device.State = Mode::Paused;
}

void MediaCommands::Resume(Device& device) {
  if (device.State != Mode::Paused) return;
  audio_.ResumeStream(device.Stream);
  device.State = Mode::Playing;
  device.Origin = MilliTimer64() - device.Position;
}

void MediaCommands::Stop(Device& device) {
  device.Position = PositionOf(device);
  audio_.StopStream(device.Stream);
  device.State = Mode::Stopped;
}

int MediaCommands::Seek(Device& device, const Words& words) {
  if (words.size() < 4 || AsciiLower(words[2]) != "to") return media_error::kMissingParameter;
  for (std::size_t i = 4; i < words.size(); ++i) {
    if (!IsNotificationWord(AsciiLower(words[i]))) return media_error::kUnrecognizedKeyword;
  }
  const std::string target = AsciiLower(words[3]);
  int position = 0;
  if (target == "start") {
    position = 0;
  } else if (target == "end") {
    position = std::max(device.Length, 0);
  } else if (!ParseMilliseconds(words[3], position)) {
    return media_error::kBadInteger;
  }
  if (device.Length >= 0 && position > device.Length) return media_error::kOutOfRange;
  // Seeking stops a device that plays, as it always has.
  audio_.StopStream(device.Stream);
  device.State = Mode::Stopped;
  device.Position = position;
  return media_error::kNone;
}

int MediaCommands::Set(const Words& words) {
  if (words.size() < 2) return media_error::kMissingDeviceName;
  if (!Find(words[1])) return media_error::kInvalidDeviceName;
  if (words.size() < 5 || AsciiLower(words[2]) != "time" || AsciiLower(words[3]) != "format") {
    return media_error::kUnsupportedFunction;
  }
  const std::string format = AsciiLower(words[4]);
  if (format != "milliseconds" && format != "ms") return media_error::kBadTimeFormat;
  for (std::size_t i = 5; i < words.size(); ++i) {
    if (!IsNotificationWord(AsciiLower(words[i]))) return media_error::kUnrecognizedKeyword;
  }
  return media_error::kNone;
}

int MediaCommands::Status(Device& device, const Words& words, std::string& answer) {
  if (words.size() < 3) return media_error::kMissingParameter;
  std::size_t next = 3;
  const std::string item = AsciiLower(words[2]);
  if (item == "length") {
    answer = std::to_string(std::max(device.Length, 0));
  } else if (item == "position") {
    answer = std::to_string(PositionOf(device));
  } else if (item == "mode") {
    Refresh(device);
    answer = device.State == Mode::Playing  ? "playing"
             : device.State == Mode::Paused ? "paused"
                                            : "stopped";
  } else if (item == "ready") {
    answer = "true";
  } else if (item == "time" && words.size() > 3 && AsciiLower(words[3]) == "format") {
    answer = "milliseconds";
    next = 4;
  } else {
    return media_error::kUnrecognizedKeyword;
  }
  for (std::size_t i = next; i < words.size(); ++i) {
    if (!IsNotificationWord(AsciiLower(words[i]))) {
      answer.clear();
      return media_error::kUnrecognizedKeyword;
    }
  }
  return media_error::kNone;
}

std::string MediaCommands::ErrorString(int code) {
  switch (code) {
    case media_error::kNone:
      return "The command completed.";
    case media_error::kInvalidDeviceName:
      return "No device of that name is open, or the device type is unknown.";
    case media_error::kUnrecognizedKeyword:
      return "The command holds a word it does not understand.";
    case media_error::kUnrecognizedCommand:
      return "The command is not known.";
    case media_error::kHardware:
      return "The sound output could not play the file.";
    case media_error::kCannotLoadDriver:
      return "This kind of media is not supported.";
    case media_error::kMissingCommandString:
      return "No command was given.";
    case media_error::kBadInteger:
      return "A number in the command is not a whole number of milliseconds.";
    case media_error::kMissingParameter:
      return "The command lacks a value it needs.";
    case media_error::kUnsupportedFunction:
      return "The device cannot do that.";
    case media_error::kFileNotFound:
      return "The file was not found.";
    case media_error::kExtensionNotFound:
      return "The file's extension names no kind of media.";
    case media_error::kOutOfRange:
      return "The position lies past the end of the media.";
    case media_error::kDuplicateAlias:
      return "A device of that name is open already.";
    case media_error::kMissingDeviceName:
      return "The command names no device.";
    case media_error::kBadTimeFormat:
      return "Only milliseconds are supported as the time format.";
    default:
      return "Unknown media error " + std::to_string(code) + ".";
  }
}

}  // namespace tavlo
