#include "state/ProfileStore.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <ctime>
#include <limits>
#include <optional>
#include <system_error>
#include <vector>

#include "engine/AsciiCase.h"
#include "engine/TextFile.h"
#include "platform/Platform.h"
#include "state/AccessFile.h"
#include "state/LanguageTexts.h"
#include "state/OptionFields.h"

namespace tavlo {
namespace {

constexpr std::array<const char*, kGameCount> kDefaultFontSizes = {
    "17", "12", "13", "12", "12", "13", "16", "13", "16", "13", "14", "12", "13", "14", "25"};

constexpr const char* kLastResortProfileName = "Tavlo";
// The longest name a file system gives a file.
constexpr std::size_t kLongestFileName = 255;
// Room left in a profile's name for the date of a damaged copy.
constexpr std::size_t kLongestCopiedName = 200;
constexpr const char* kDamagedMark = ".damaged-";
constexpr int kSaveFailedText = 10;
constexpr int kDamagedCopyText = 11;

// The value a numeric option text stands for; 0 when it is not a number.
std::int16_t NumberOf(const std::string& text) {
  const auto value = ParseNumberLine(text, std::numeric_limits<std::int16_t>::min(),
                                     std::numeric_limits<std::int16_t>::max());
  return static_cast<std::int16_t>(value.value_or(0));
}

// A numeric option as the screens can use it: out of range reads as the
// nearest end, and what is no number at all as the lowest.
std::int16_t NumberWithin(const std::string& text, int lowest, int highest) {
  const auto value = ParseNumberLine(text, std::numeric_limits<std::int64_t>::min(),
                                     std::numeric_limits<std::int64_t>::max());
  return static_cast<std::int16_t>(
      std::clamp<std::int64_t>(value.value_or(lowest), lowest, highest));
}

bool IsNameCharacter(char c) {
  const auto value = static_cast<unsigned char>(c);
  return c != '/' && c != '\\' && value >= 0x20 && value != 0x7F;
}

// Year, month, day, hour, minute and second, so that copies sort by age.
std::string DateStamp() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
  return text;
}

const char* BooleanText(bool value) { return value ? "1" : "0"; }

// Reads the option file's lines one after the other; the first line that is
// missing or does not hold its kind of value makes the whole read fail.
class OptionLineReader {
 public:
  explicit OptionLineReader(const std::vector<std::string>& lines) : lines_(lines) {}

  bool Failed() const { return failed_; }

  std::optional<std::string> Next() {
    if (failed_ || next_ >= lines_.size()) {
      failed_ = true;
      return std::nullopt;
    }
    return lines_[next_++];
  }

  std::int64_t Number(std::int64_t lowest, std::int64_t highest) {
    const auto line = Next();
    if (!line) return 0;
    const auto value = ParseNumberLine(*line, lowest, highest);
    if (!value) failed_ = true;
    return value.value_or(0);
  }

  bool Boolean() {
    return Number(std::numeric_limits<std::int32_t>::min(),
                  std::numeric_limits<std::int32_t>::max()) != 0;
  }

  std::string Text() { return DecodeTextLine(Next().value_or("")); }

  // An answer count: a number outside what a count can be reads as 0 for
  // that game only; a line that is no number at all fails the file.
  std::int32_t Count() {
    const auto line = Next();
    if (!line) return 0;
    const auto value = ParseNumberLine(*line, std::numeric_limits<std::int64_t>::min(),
                                       std::numeric_limits<std::int64_t>::max());
    if (!value) {
      failed_ = true;
      return 0;
    }
    return *value < 0 || *value > GameEntry::kMostAnswers ? 0 : static_cast<std::int32_t>(*value);
  }

 private:
  const std::vector<std::string>& lines_;
  size_t next_ = 0;
  bool failed_ = false;
};

}  // namespace

ProfileStore::ProfileStore(Platform& platform, LanguageTexts& texts, const std::string& data_path)
    : platform_(platform), texts_(texts), data_path_(data_path) {
  for (int i = 0; i < kGameCount; ++i) {
    game_texts_[static_cast<size_t>(i)] = {"",  "1",     "3",
                                           "1", "Arial", kDefaultFontSizes[static_cast<size_t>(i)]};
  }
}

std::filesystem::path ProfileStore::OptionFile(const std::string& profile_name) const {
  return std::filesystem::path(data_path_) / "profiles" / profile_name;
}

std::filesystem::path ProfileStore::AccessSettingsFile(const std::string& profile_name) const {
  return OptionFile(profile_name).string() + kAccessFileEnding;
}

std::filesystem::path ProfileStore::ProfileListFile() const {
  return std::filesystem::path(data_path_) / "profile.txt";
}

ProfileNameProblem ProfileStore::CheckProfileName(const std::string& name) {
  if (name.find_first_not_of(" \t") == std::string::npos) return ProfileNameProblem::Empty;
  if (name.front() == '.' || name.ends_with(kAccessFileEnding) || name.size() > kLongestFileName ||
      !std::all_of(name.begin(), name.end(), IsNameCharacter)) {
    return ProfileNameProblem::Refused;
  }
  return ProfileNameProblem::None;
}

std::vector<std::string> ProfileStore::ListProfiles() const {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(
           std::filesystem::path(data_path_) / "profiles", error)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_regular_file(error) && IsValidProfileName(name)) names.push_back(name);
  }
  std::sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
    const std::string fa = AsciiLower(a);
    const std::string fb = AsciiLower(b);
    return fa != fb ? fa < fb : a < b;
  });
  return names;
}

bool ProfileStore::ProfileExists(const std::string& name) const {
  std::error_code error;
  return IsValidProfileName(name) && std::filesystem::is_regular_file(OptionFile(name), error);
}

bool ProfileStore::RemoveProfile(const std::string& name) {
  if (!ProfileExists(name)) return false;
  std::error_code error;
  std::filesystem::remove(AccessSettingsFile(name), error);
  return std::filesystem::remove(OptionFile(name), error) && !error;
}

std::string ProfileStore::FallbackProfileName() const {
  std::string name = texts_.MenuText(0);
  std::replace_if(
      name.begin(), name.end(), [](char c) { return !IsNameCharacter(c); }, '_');
  name = CutUtf8(std::move(name), kLongestCopiedName);
  return IsValidProfileName(name) ? name : kLastResortProfileName;
}

std::string ProfileStore::ReadCurrentProfile() {
  const auto lines = ReadTextLines(ProfileListFile());
  std::string name = (lines && !lines->empty()) ? DecodeTextLine(lines->front()) : std::string();
  if (IsValidProfileName(name)) {
    gProfileName = name;
  } else {
    WriteCurrentProfile(FallbackProfileName());
  }
  return gProfileName;
}

bool ProfileStore::WriteCurrentProfile(const std::string& name) {
  if (!IsValidProfileName(name)) return false;
  gProfileName = name;
  WriteTextLinesAtomically(ProfileListFile(), {EncodeTextLine(name)});
  return true;
}

bool ProfileStore::ReadOptionFile(const std::string& profile_name) {
  const auto lines = ReadTextLines(OptionFile(profile_name));
  if (!lines) return false;
  OptionLineReader reader(*lines);

  const bool one_key_mode = reader.Boolean();
  const auto one_key_interval = static_cast<std::int16_t>(reader.Number(
      std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
  const bool sound_effects = reader.Boolean();
  const bool menu_music = reader.Boolean();
  const bool reward_sounds = reader.Boolean();
  std::array<GameEntry, kGameCount> games;
  for (auto& game : games) {
    game.ShowInMenu = reader.Boolean();
    game.CorrectCount = reader.Count();
    game.WrongCount = reader.Count();
  }
  std::array<GameTexts, kGameCount> game_texts;
  for (auto& texts : game_texts) {
    texts.WordList = reader.Text();
    texts.Reward = reader.Text();
    texts.RewardFrequency = reader.Text();
    texts.RandomWord = reader.Text();
    texts.FontName = reader.Text();
    texts.FontSize = reader.Text();
  }
  const std::string game15_setting = reader.Text();
  if (reader.Failed()) return false;

  OneKeyMode = one_key_mode;
  OneKeyInterval = std::clamp<std::int16_t>(one_key_interval, 1, kLongestScanSeconds);
  SoundEffects = sound_effects;
  MenuMusic = menu_music;
  RewardSounds = reward_sounds;
  Games = games;
  game_texts_ = game_texts;
  game15_setting_ = game15_setting;
  return true;
}

void ProfileStore::LoadProfileOptions() {
  if (gProfileName.empty()) return;
  if (ReadOptionFile(gProfileName)) {
    LoadAccessSettings();
    return;
  }

  const std::string failed_profile = gProfileName;
  WriteCurrentProfile(FallbackProfileName());
  ResetProfileOptions();
  // The fallback profile keeps its own settings and counts: they are loaded
  // when its file is readable. A damaged file of its own will be replaced at
  // the next save, so a copy of it is kept first.
  std::error_code error;
  const bool fallback_exists = std::filesystem::exists(OptionFile(gProfileName), error);
  if (!fallback_exists) {
    SaveProfileOptions();
  } else if (gProfileName == failed_profile || !ReadOptionFile(gProfileName)) {
    KeepDamagedCopy(OptionFile(gProfileName));
    ResetProfileOptions();
  }
  LoadAccessSettings();
}

void ProfileStore::LoadAccessSettings() {
  AccessFile contents;
  const std::filesystem::path file = AccessSettingsFile(gProfileName);
  // A damaged file is replaced at the next save, so a copy of it is kept.
  if (AccessFile::Read(file, contents) == AccessFileRead::Damaged) KeepDamagedCopy(file);
  Access = contents.Settings;
  other_access_lines_ = std::move(contents.OtherLines);
}

bool ProfileStore::SaveAccessSettings() {
  if (gProfileName.empty()) return false;
  const std::filesystem::path file = AccessSettingsFile(gProfileName);
  std::error_code error;
  // Existing profiles keep working as they always did, without a new file.
  if (Access == AccessSettings{} && other_access_lines_.empty() &&
      !std::filesystem::exists(file, error)) {
    return true;
  }
  return AccessFile{Access, other_access_lines_}.Write(file);
}

void ProfileStore::KeepDamagedCopy(const std::filesystem::path& file) {
  const std::filesystem::path folder = file.parent_path();
  // Hidden, so that the list of profiles never shows it as a player.
  const std::string prefix =
      "." + CutUtf8(file.filename().string(), kLongestCopiedName) + kDamagedMark;
  const std::string copy_name = prefix + DateStamp();
  std::error_code error;
  std::filesystem::copy_file(file, folder / copy_name,
                             std::filesystem::copy_options::overwrite_existing, error);
  if (error) return;

  std::vector<std::filesystem::path> copies;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.path().filename().string().starts_with(prefix)) copies.push_back(entry.path());
  }
  std::sort(copies.begin(), copies.end());
  for (std::size_t oldest = 0; oldest + kMostDamagedCopies < copies.size(); ++oldest) {
    std::filesystem::remove(copies[oldest], error);
  }
  Tell(texts_.InformationText(kDamagedCopyText) + " " + copy_name);
}

void ProfileStore::Tell(const std::string& text) const {
  platform_.ShowMessageBox(text, texts_.MenuText(0), MessageButtons::Ok, MessageIcon::Exclamation);
}

bool ProfileStore::SaveProfileOptions() {
  if (gProfileName.empty()) return false;
  std::vector<std::string> lines;
  lines.reserve(kOptionFileLines);
  lines.push_back(BooleanText(OneKeyMode));
  lines.push_back(std::to_string(OneKeyInterval));
  lines.push_back(BooleanText(SoundEffects));
  lines.push_back(BooleanText(MenuMusic));
  lines.push_back(BooleanText(RewardSounds));
  for (const auto& game : Games) {
    lines.push_back(BooleanText(game.ShowInMenu));
    lines.push_back(std::to_string(game.CorrectCount));
    lines.push_back(std::to_string(game.WrongCount));
  }
  for (const auto& texts : game_texts_) {
    for (const std::string* text : {&texts.WordList, &texts.Reward, &texts.RewardFrequency,
                                    &texts.RandomWord, &texts.FontName, &texts.FontSize}) {
      lines.push_back(EncodeTextLine(*text));
    }
  }
  lines.push_back(EncodeTextLine(game15_setting_));

  // Counts must not be lost to a profiles folder someone deleted.
  std::error_code error;
  std::filesystem::create_directory(std::filesystem::path(data_path_) / "profiles", error);
  if (WriteTextLinesAtomically(OptionFile(gProfileName), lines)) {
    SaveAccessSettings();
    return true;
  }
  if (!save_failure_told_) {
    save_failure_told_ = true;
    Tell(texts_.InformationText(kSaveFailedText));
  }
  return false;
}

void ProfileStore::ResetProfileOptions() {
  OneKeyMode = false;
  OneKeyInterval = 1;
  SoundEffects = true;
  MenuMusic = true;
  RewardSounds = true;
  game15_setting_ = "75";
  Games.fill(GameEntry{});
  Access = AccessSettings{};
  other_access_lines_.clear();
  // One look-up for all fifteen games: when the default list is unknown, the
  // user hears about it once, not fifteen times.
  const std::string default_list = texts_.GetDefaultWordList();
  for (int i = 0; i < kGameCount; ++i) {
    game_texts_[static_cast<size_t>(i)] = {
        default_list, "1", "3", "1", "Arial", kDefaultFontSizes[static_cast<size_t>(i)]};
  }
}

ProfileStore::GameTexts* ProfileStore::TextsOf(const std::string& game_id) {
  const int index = GameIndexOf(game_id);
  return index < 0 ? nullptr : &game_texts_[static_cast<size_t>(index)];
}

const ProfileStore::GameTexts* ProfileStore::TextsOf(const std::string& game_id) const {
  const int index = GameIndexOf(game_id);
  return index < 0 ? nullptr : &game_texts_[static_cast<size_t>(index)];
}

std::string ProfileStore::GetWordList(const std::string& game_id) const {
  const auto* texts = TextsOf(game_id);
  return texts ? texts->WordList : std::string();
}

void ProfileStore::SetWordList(const std::string& game_id, const std::string& name) {
  if (auto* texts = TextsOf(game_id)) texts->WordList = name;
}

std::int16_t ProfileStore::GetReward(const std::string& game_id) const {
  const auto* texts = TextsOf(game_id);
  return texts ? NumberOf(texts->Reward) : 0;
}

void ProfileStore::SetReward(const std::string& game_id, int value) {
  if (auto* texts = TextsOf(game_id)) texts->Reward = std::to_string(value);
}

std::int16_t ProfileStore::GetRewardFrequency(const std::string& game_id) const {
  const auto* texts = TextsOf(game_id);
  return texts ? NumberWithin(texts->RewardFrequency, 1, kMostRewardFrequency) : 0;
}

void ProfileStore::SetRewardFrequency(const std::string& game_id, int value) {
  if (auto* texts = TextsOf(game_id)) texts->RewardFrequency = std::to_string(value);
}

std::int16_t ProfileStore::GetRandomWord(const std::string& game_id) const {
  const auto* texts = TextsOf(game_id);
  return texts ? NumberOf(texts->RandomWord) : 0;
}

void ProfileStore::SetRandomWord(const std::string& game_id, int value) {
  if (auto* texts = TextsOf(game_id)) texts->RandomWord = std::to_string(value);
}

std::string ProfileStore::GetFontName(const std::string& game_id) const {
  const auto* texts = TextsOf(game_id);
  return texts ? texts->FontName : std::string();
}

void ProfileStore::SetFontName(const std::string& game_id, const std::string& name) {
  if (auto* texts = TextsOf(game_id)) texts->FontName = name;
}

std::int16_t ProfileStore::GetFontSize(const std::string& game_id) const {
  const auto* texts = TextsOf(game_id);
  return texts ? NumberWithin(texts->FontSize, kSmallestFontSize, kLargestFontSize) : 0;
}

void ProfileStore::SetFontSize(const std::string& game_id, int value) {
  if (auto* texts = TextsOf(game_id)) texts->FontSize = std::to_string(value);
}

std::int16_t ProfileStore::GetGame15Setting() const {
  return NumberWithin(game15_setting_, kSlowestGame15Speed, kFastestGame15Speed);
}

void ProfileStore::SetGame15Setting(int value) { game15_setting_ = std::to_string(value); }

}  // namespace tavlo
