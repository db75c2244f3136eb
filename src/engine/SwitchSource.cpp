#include "engine/SwitchSource.h"

#include <array>
#include <cctype>
#include <charconv>

#include "engine/AsciiCase.h"
#include "platform/InputEvent.h"

namespace tavlo {
namespace {

struct NamedKey {
  const char* Name;
  int Code;
};

// The keys that have a name of more than one letter or digit.
constexpr std::array<NamedKey, 14> kNamedKeys = {{
    {"Space", keys::kSpace},
    {"Enter", keys::kEnter},
    {"Tab", keys::kTab},
    {"Backspace", keys::kBackspace},
    {"PageUp", keys::kPageUp},
    {"PageDown", keys::kPageDown},
    {"Home", keys::kHome},
    {"End", keys::kEnd},
    {"Insert", keys::kInsert},
    {"Delete", keys::kDelete},
    {"Left", keys::kLeft},
    {"Up", keys::kUp},
    {"Right", keys::kRight},
    {"Down", keys::kDown},
}};

constexpr std::array<NamedKey, 3> kMouseButtons = {{
    {"left", mouse_buttons::kLeft},
    {"right", mouse_buttons::kRight},
    {"middle", mouse_buttons::kMiddle},
}};

constexpr std::string_view kMousePrefix = "mouse:";
constexpr std::string_view kJoystickPrefix = "joystick:";
// More buttons than any gamepad has; a larger number is a typing error.
constexpr int kMostJoystickButtons = 128;

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && SameIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

std::optional<int> SmallNumber(std::string_view text, int below) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0 || value >= below) {
    return std::nullopt;
  }
  return value;
}

std::optional<int> KeyCodeOf(std::string_view name) {
  if (name.size() == 1) {
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    if (c >= 'A' && c <= 'Z') return keys::kA + (c - 'A');
    if (c >= '0' && c <= '9') return keys::k0 + (c - '0');
  }
  for (const NamedKey& key : kNamedKeys) {
    if (SameIgnoringAsciiCase(name, key.Name)) return key.Code;
  }
  if (name.size() >= 2 && (name[0] == 'F' || name[0] == 'f')) {
    if (const auto number = SmallNumber(name.substr(1), 13); number && *number >= 1) {
      return keys::F(*number);
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<SwitchSource> ParseSwitchSource(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (StartsWith(text, kMousePrefix)) {
    const std::string_view button = text.substr(kMousePrefix.size());
    for (const NamedKey& mouse : kMouseButtons) {
      if (SameIgnoringAsciiCase(button, mouse.Name)) return SwitchSource::Mouse(mouse.Code);
    }
    return std::nullopt;
  }
  if (StartsWith(text, kJoystickPrefix)) {
    const auto number = SmallNumber(text.substr(kJoystickPrefix.size()), kMostJoystickButtons);
    if (!number) return std::nullopt;
    return SwitchSource::Joystick(*number);
  }
  if (const auto code = KeyCodeOf(text)) return SwitchSource::Key(*code);
  return std::nullopt;
}

std::string SwitchSourceName(const SwitchSource& source) {
  switch (source.Kind) {
    case SwitchKind::MouseButton:
      for (const NamedKey& mouse : kMouseButtons) {
        if (mouse.Code == source.Code) return std::string(kMousePrefix) + mouse.Name;
      }
      return std::string(kMousePrefix) + "left";
    case SwitchKind::JoystickButton:
      return std::string(kJoystickPrefix) + std::to_string(source.Code);
    case SwitchKind::Key:
      break;
  }
  const int code = source.Code;
  if (code >= keys::kA && code <= keys::kZ) return std::string(1, static_cast<char>(code));
  if (code >= keys::k0 && code <= keys::k0 + 9) return std::string(1, static_cast<char>(code));
  if (code >= keys::kF1 && code <= keys::kF12) return "F" + std::to_string(code - keys::kF1 + 1);
  for (const NamedKey& key : kNamedKeys) {
    if (key.Code == code) return key.Name;
  }
  return "";
}

}  // namespace tavlo
