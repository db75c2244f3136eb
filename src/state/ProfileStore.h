#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "engine/AccessSettings.h"
#include "engine/Sound.h"
#include "state/GameNumbers.h"

namespace tavlo {

class LanguageTexts;
class Platform;

// A game's entry in the profile: shown on the main menu or not, and its
// answer counts.
struct GameEntry {
  static constexpr std::int32_t kMostAnswers = std::numeric_limits<std::int32_t>::max();

  bool ShowInMenu = true;
  std::int32_t CorrectCount = 0;
  std::int32_t WrongCount = 0;

  // One more answer; a count that has reached the most a count can hold
  // stays there rather than turning negative.
  void AddCorrect() { CorrectCount += CorrectCount < kMostAnswers ? 1 : 0; }
  void AddWrong() { WrongCount += WrongCount < kMostAnswers ? 1 : 0; }
};

// The current profile: its name, its options and its answer counts, loaded
// from and saved to its option file in the data folder's profiles folder.
// The sound switches (SoundEffects, RewardSounds) come from SoundOptions, so
// that playback can obey them without knowing the rest of the profile.
// Why a name cannot be a profile's name.
enum class ProfileNameProblem {
  None,
  // Nothing but blanks, or nothing at all.
  Empty,
  // A name the profiles folder cannot hold as an ordinary, listed file.
  Refused,
};

class ProfileStore : public SoundOptions {
 public:
  static constexpr int kOptionFileLines = 141;
  // The ending of the file that keeps a profile's access settings beside its
  // option file; such a file is never a profile of its own.
  static constexpr const char* kAccessFileEnding = ".access";

  // Ranges the screens can use; a stored value outside one is read as its
  // nearest end.
  static constexpr int kSmallestFontSize = 6;
  static constexpr int kLargestFontSize = 32;
  static constexpr int kLongestScanSeconds = 32;
  static constexpr int kMostRewardFrequency = 10;
  static constexpr int kSlowestGame15Speed = 50;
  static constexpr int kFastestGame15Speed = 100;
  // How many copies of damaged option files are kept beside a profile's file.
  static constexpr int kMostDamagedCopies = 3;

  // data_path is the data folder, read at each use (it is set after start-up
  // has made this object). What the user must know is told through the
  // platform's message boxes.
  ProfileStore(Platform& platform, LanguageTexts& texts, const std::string& data_path);

  std::string gProfileName;

  bool OneKeyMode = false;
  std::int16_t OneKeyInterval = 1;  // seconds
  bool MenuMusic = true;
  std::array<GameEntry, kGameCount> Games;
  // The switches and scanning of this profile, kept in its access file
  // beside the option file. Loaded and saved with the options.
  AccessSettings Access;

  // Reads profile.txt; when it names no usable profile, the first menu text
  // becomes the current profile and is written there.
  std::string ReadCurrentProfile();
  // Makes name the current profile and writes it to profile.txt. Refuses (and
  // returns false) an empty name and any name that could not be a file name in
  // the profiles folder.
  bool WriteCurrentProfile(const std::string& name);
  // A name is refused when it holds a path separator or a control character,
  // begins with a dot (a hidden file, which the list of profiles leaves out),
  // ends like an access settings file, or is too long for a file name.
  static ProfileNameProblem CheckProfileName(const std::string& name);
  static bool IsValidProfileName(const std::string& name) {
    return CheckProfileName(name) == ProfileNameProblem::None;
  }
  // The names of the profiles in the profiles folder: its ordinary files that
  // are not hidden and keep no access settings, sorted without regard to case.
  std::vector<std::string> ListProfiles() const;
  bool ProfileExists(const std::string& name) const;
  // Deletes the profile's option file and its access settings. The current
  // profile stays current; its next load falls back to the first menu text's
  // profile. False when the name is no profile or the file stays.
  bool RemoveProfile(const std::string& name);
  // The profile that takes over when no other can be used: the first menu
  // text, made into a name that is always a usable file name.
  std::string FallbackProfileName() const;

  // Loads the current profile's option file, then its access file. A
  // missing, short or damaged option file makes the fallback profile current
  // with default options; that profile's own file is loaded when it is
  // readable and written when missing. When it exists but is damaged, a
  // dated copy of it is kept beside it before anything can replace it, and
  // the user is told once. A damaged access file is kept the same way, and
  // its settings are the defaults.
  void LoadProfileOptions();
  // Writes the current profile's option file, and its access file when the
  // profile has one or needs one; false when the options could not be
  // written. The first failure of a run is reported to the user.
  bool SaveProfileOptions();
  // The defaults for everything, access settings included.
  void ResetProfileOptions();
  // Writes the access file alone (after the access dialog); false when it
  // could not. A profile with the default settings and no file gets none.
  bool SaveAccessSettings();

  // Per-game options by game id ("Game01" .. "Game15"). An id outside the
  // fifteen games reads as 0 or "" and is not written.
  std::string GetWordList(const std::string& game_id) const;
  void SetWordList(const std::string& game_id, const std::string& name);
  std::int16_t GetReward(const std::string& game_id) const;
  void SetReward(const std::string& game_id, int value);
  std::int16_t GetRewardFrequency(const std::string& game_id) const;
  void SetRewardFrequency(const std::string& game_id, int value);
  std::int16_t GetRandomWord(const std::string& game_id) const;
  void SetRandomWord(const std::string& game_id, int value);
  std::string GetFontName(const std::string& game_id) const;
  void SetFontName(const std::string& game_id, const std::string& name);
  std::int16_t GetFontSize(const std::string& game_id) const;
  void SetFontSize(const std::string& game_id, int value);
  std::int16_t GetGame15Setting() const;
  void SetGame15Setting(int value);

  std::filesystem::path OptionFile(const std::string& profile_name) const;
  std::filesystem::path AccessSettingsFile(const std::string& profile_name) const;

  // Reads a profile's option file into this store without making it current
  // and without writing anything; false, with the store unchanged, when the
  // file is missing, short or damaged.
  bool ReadOptionFile(const std::string& profile_name);

 private:
  struct GameTexts {
    std::string WordList;
    std::string Reward;
    std::string RewardFrequency;
    std::string RandomWord;
    std::string FontName;
    std::string FontSize;
  };

  // Keeps a dated copy of a damaged option or access file and tells the user.
  void KeepDamagedCopy(const std::filesystem::path& file);
  void LoadAccessSettings();
  void Tell(const std::string& text) const;
  GameTexts* TextsOf(const std::string& game_id);
  const GameTexts* TextsOf(const std::string& game_id) const;
  std::filesystem::path ProfileListFile() const;

  Platform& platform_;
  LanguageTexts& texts_;
  const std::string& data_path_;
  bool save_failure_told_ = false;
  std::array<GameTexts, kGameCount> game_texts_;
  std::string game15_setting_ = "75";
  // The access file's lines this program does not know, written back as read.
  std::vector<std::string> other_access_lines_;
};

}  // namespace tavlo
