#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tavlo {

class Application;
struct SoundOptions;

// The sound of a right answer, played to its end; silent with sound effects off.
void PlayCorrectSound(Application& app, const SoundOptions& options);
// The sound of a wrong answer, played to its end; silent with sound effects off.
void PlayWrongSound(Application& app, const SoundOptions& options);

// The names of the reward sounds of the program folder, listed on first use.
struct RewardSoundFiles {
  std::vector<std::string> Names;
  bool Loaded = false;
};

// A random file name (without folder) of the program folder's "sfx/rewards"
// waves, or "" when it holds none. The folder is listed once; an empty folder
// is listed again on the next call.
std::string RandomRewardSound(Application& app, RewardSoundFiles& gRewardSoundFiles);

// The names of the files in the folder that begin with the prefix and end with
// the suffix, both compared without regard to case, sorted by name so that the
// same folder always gives the same order. A missing folder gives none.
std::vector<std::string> ListFilesLike(const std::filesystem::path& folder, std::string_view prefix,
                                       std::string_view suffix);

}  // namespace tavlo
