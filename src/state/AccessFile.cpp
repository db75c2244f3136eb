#include "state/AccessFile.h"

#include <limits>
#include <optional>
#include <string_view>

#include "engine/TextFile.h"
#include "state/OptionFields.h"

namespace tavlo {
namespace {

constexpr const char* kSpeakHighlight = "speak_highlight";
constexpr const char* kSwitch1 = "switch1";
constexpr const char* kSwitch2 = "switch2";
constexpr const char* kAccept = "accept_ms";
constexpr const char* kPostSelectPause = "post_select_pause_ms";
constexpr const char* kFirstItemDelay = "first_item_delay_ms";
constexpr const char* kScanLoops = "scan_loops";
constexpr const char* kScanFrameButtons = "scan_frame_buttons";

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// A whole number of the file, at most highest; a larger one reads as highest.
bool ReadNumber(std::string_view value, int highest, int& number) {
  const auto parsed = ParseNumberLine(value, 0, std::numeric_limits<std::int32_t>::max());
  if (!parsed) return false;
  number = static_cast<int>(std::min<std::int64_t>(*parsed, highest));
  return true;
}

bool ReadBoolean(std::string_view value, bool& flag) {
  const auto parsed = ParseNumberLine(value, std::numeric_limits<std::int32_t>::min(),
                                      std::numeric_limits<std::int32_t>::max());
  if (!parsed) return false;
  flag = *parsed != 0;
  return true;
}

bool ReadSwitch(std::string_view value, SwitchSource& source) {
  const auto parsed = ParseSwitchSource(value);
  if (!parsed) return false;
  source = *parsed;
  return true;
}

// Reads a known key's value into the settings; false when the value is none
// the key can hold. Unknown keys are left to the caller.
std::optional<bool> ReadKnown(std::string_view key, std::string_view value, AccessSettings& s) {
  if (key == kSpeakHighlight) return ReadBoolean(value, s.SpeakHighlight);
  if (key == kSwitch1) return ReadSwitch(value, s.Switch1);
  if (key == kSwitch2) return ReadSwitch(value, s.Switch2);
  if (key == kAccept) {
    return ReadNumber(value, AccessSettings::kLongestAcceptMilliseconds, s.AcceptMilliseconds);
  }
  if (key == kPostSelectPause) {
    return ReadNumber(value, AccessSettings::kLongestPauseMilliseconds,
                      s.PostSelectPauseMilliseconds);
  }
  if (key == kFirstItemDelay) {
    return ReadNumber(value, AccessSettings::kLongestPauseMilliseconds,
                      s.FirstItemDelayMilliseconds);
  }
  if (key == kScanLoops) return ReadNumber(value, AccessSettings::kMostScanLoops, s.ScanLoops);
  if (key == kScanFrameButtons) return ReadBoolean(value, s.ScanFrameButtons);
  return std::nullopt;
}

std::string Line(const char* key, const std::string& value) { return std::string(key) + "=" + value; }

}  // namespace

AccessFileRead AccessFile::Read(const std::filesystem::path& file, AccessFile& contents) {
  contents = AccessFile{};
  std::error_code error;
  if (!std::filesystem::exists(file, error)) return AccessFileRead::Missing;
  const auto lines = ReadTextLines(file);
  AccessFile read;
  bool damaged = !lines;
  for (const std::string& line : lines.value_or(std::vector<std::string>{})) {
    const std::string_view text = Trimmed(line);
    if (text.empty()) continue;
    if (text.front() == '#') {
      read.OtherLines.emplace_back(text);
      continue;
    }
    const auto equals = text.find('=');
    const std::string_view key = equals == std::string_view::npos ? "" : Trimmed(text.substr(0, equals));
    if (key.empty()) {
      damaged = true;
      break;
    }
    const std::string_view value = Trimmed(text.substr(equals + 1));
    const std::optional<bool> known = ReadKnown(key, value, read.Settings);
    if (!known) {
      read.OtherLines.emplace_back(text);
    } else if (!*known) {
      damaged = true;
      break;
    }
  }
  if (damaged) return AccessFileRead::Damaged;
  contents = std::move(read);
  return AccessFileRead::Read;
}

bool AccessFile::Write(const std::filesystem::path& file) const {
  const auto flag = [](bool value) { return std::string(value ? "1" : "0"); };
  std::vector<std::string> lines = {
      Line(kSpeakHighlight, flag(Settings.SpeakHighlight)),
      Line(kSwitch1, SwitchSourceName(Settings.Switch1)),
      Line(kSwitch2, SwitchSourceName(Settings.Switch2)),
      Line(kAccept, std::to_string(Settings.AcceptMilliseconds)),
      Line(kPostSelectPause, std::to_string(Settings.PostSelectPauseMilliseconds)),
      Line(kFirstItemDelay, std::to_string(Settings.FirstItemDelayMilliseconds)),
      Line(kScanLoops, std::to_string(Settings.ScanLoops)),
      Line(kScanFrameButtons, flag(Settings.ScanFrameButtons)),
  };
  lines.insert(lines.end(), OtherLines.begin(), OtherLines.end());
  return WriteTextLinesAtomically(file, lines);
}

}  // namespace tavlo
