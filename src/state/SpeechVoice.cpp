#include "state/SpeechVoice.h"

#include <array>
#include <string_view>
#include <utility>

namespace tavlo {

std::string SpeechVoiceOf(const std::string& language) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kVoices{{
      {"eng", "en-gb"},
      {"den", "da"},
  }};
  for (const auto& [folder, voice] : kVoices) {
    if (folder == language) return std::string(voice);
  }
  return "";
}

}  // namespace tavlo
