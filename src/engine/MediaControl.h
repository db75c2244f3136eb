#pragma once

#include <string>
#include <string_view>

namespace tavlo {

// Error codes of media commands. The numbers are the ones media command
// interpreters have always used, so a code in a message box means the same
// as it always did.
namespace media_error {
constexpr int kNone = 0;
constexpr int kInvalidDeviceName = 263;
constexpr int kUnrecognizedKeyword = 259;
constexpr int kUnrecognizedCommand = 261;
constexpr int kHardware = 262;
constexpr int kCannotLoadDriver = 266;
constexpr int kMissingCommandString = 267;
constexpr int kBadInteger = 270;
constexpr int kMissingParameter = 273;
constexpr int kUnsupportedFunction = 274;
constexpr int kFileNotFound = 275;
constexpr int kExtensionNotFound = 281;
constexpr int kOutOfRange = 282;
constexpr int kDuplicateAlias = 289;
constexpr int kMissingDeviceName = 292;
constexpr int kBadTimeFormat = 293;
}  // namespace media_error

// Media devices driven by text commands ("Open FILE ALIAS NAME TYPE
// Waveaudio wait", "Play NAME", "Status NAME mode", ...).
class MediaControl {
 public:
  virtual ~MediaControl() = default;
  // Runs one command. Returns 0 or an error code; a command that answers
  // (Status) puts its answer in answer, every other leaves it empty.
  virtual int SendString(std::string_view command, std::string& answer) = 0;
  // The text that explains an error code.
  virtual std::string ErrorString(int code) = 0;

  int SendString(std::string_view command) {
    std::string ignored;
    return SendString(command, ignored);
  }
};

}  // namespace tavlo
