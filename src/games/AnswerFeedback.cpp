#include "games/AnswerFeedback.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "engine/Application.h"
#include "engine/AsciiCase.h"
#include "engine/Random.h"
#include "engine/Sound.h"

namespace tavlo {
namespace {

}  // namespace

void PlayCorrectSound(Application& app, const SoundOptions& options) {
  // Each answer sound has a single file today; the number keeps room for more.
  const int n = RandomInt(0, 0);
  PlayEffectSound(app, options, "sfx\\correct" + std::to_string(n) + ".wav");
}

void PlayWrongSound(Application& app, const SoundOptions& options) {
  const int n = RandomInt(0, 0);
  PlayEffectSound(app, options, "sfx\\wrong" + std::to_string(n) + ".wav");
}

std::string RandomRewardSound(Application& app, RewardSoundFiles& gRewardSoundFiles) {
  if (!gRewardSoundFiles.Loaded) {
    gRewardSoundFiles.Names = ListFilesLike(app.ResourcePath("sfx\\rewards"), "", ".wav");
    // An empty folder is not remembered, so sounds added later are still found.
    gRewardSoundFiles.Loaded = !gRewardSoundFiles.Names.empty();
  }
  if (!gRewardSoundFiles.Loaded) return "";
  const int last = static_cast<int>(gRewardSoundFiles.Names.size()) - 1;
  return gRewardSoundFiles.Names[static_cast<std::size_t>(RandomInt(0, last))];
}

std::vector<std::string> ListFilesLike(const std::filesystem::path& folder, std::string_view prefix,
                                       std::string_view suffix) {
  std::vector<std::string> names;
  std::error_code error;
  std::filesystem::directory_iterator entries(folder, error);
  if (error) return names;
  for (const auto& entry : entries) {
    if (!entry.is_regular_file(error)) continue;
    const std::string name = entry.path().filename().string();
    if (name.size() < prefix.size() + suffix.size()) continue;
    if (!SameIgnoringAsciiCase(std::string_view(name).substr(0, prefix.size()), prefix)) continue;
    if (!SameIgnoringAsciiCase(std::string_view(name).substr(name.size() - suffix.size()), suffix)) {
      continue;
    }
    names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace tavlo
