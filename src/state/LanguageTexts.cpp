#include "state/LanguageTexts.h"

#include <algorithm>
#include <cctype>
#include <system_error>
#include <utility>

#include "engine/AsciiCase.h"
#include "engine/FilePaths.h"
#include "engine/TextFile.h"

namespace tavlo {
namespace {

constexpr int kYesButtonText = 5;
constexpr int kNoButtonText = 6;
constexpr int kOkButtonText = 7;
constexpr int kErrorCaptionText = 18;

// The languages the program has folders for, by their code in locales.
constexpr std::pair<const char*, const char*> kLocaleLanguages[] = {{"da", "den"}, {"en", "eng"}};

std::string Lookup(const std::vector<std::string>& table, int line, const char* error_text) {
  if (line < 0 || static_cast<size_t>(line) >= table.size()) return error_text;
  return table[static_cast<size_t>(line)];
}

}  // namespace

std::string FillIn(const std::string& text, const std::string& value) {
  std::string filled = text;
  const size_t place = filled.find("%1");
  if (place != std::string::npos) filled.replace(place, 2, value);
  return filled;
}

bool LanguageTexts::Reload(void (LanguageTexts::*loader)()) {
  try {
    (this->*loader)();
    return true;
  } catch (const LanguageFileMissing&) {
    return false;
  }
}

LanguageTexts::LanguageTexts(Platform& platform, std::filesystem::path program_folder)
    : platform_(platform), program_folder_(std::move(program_folder)) {}

std::filesystem::path LanguageTexts::LanguageFile(const std::string& name) const {
  return ResolvePath(program_folder_, "lang/" + gLanguage + "/" + name);
}

std::string LanguageTexts::SpokenLine(const std::string& file, int line) const {
  return "lang/" + gLanguage + "/spoken/" + file + "-" + std::to_string(line) + ".wav";
}

std::vector<std::string> LanguageTexts::ReadRequired(const std::filesystem::path& file) const {
  auto lines = ReadTextLines(file);
  if (!lines) throw LanguageFileMissing(file);
  return std::move(*lines);
}

std::string LanguageFolderOfLocale(const std::string& locale) {
  // "da_DK.UTF-8@euro": the language is what comes before the territory, the
  // character set and the modifier.
  const std::string language = AsciiLower(locale.substr(0, locale.find_first_of("_.@-")));
  for (const auto& [code, folder] : kLocaleLanguages) {
    if (language == code) return folder;
  }
  return "";
}

void LanguageTexts::LoadLanguageName(const LanguageRequest& request) {
  std::error_code error;
  const auto installed = [&](const std::string& folder) {
    return !folder.empty() &&
           std::filesystem::is_directory(ResolvePath(program_folder_, "lang/" + folder), error);
  };
  if (!request.Chosen.empty()) {
    // A choice that names no installed folder is kept, so that start-up
    // reports the language files it lacks instead of quietly ignoring it.
    const std::string folder = LanguageFolderOfLocale(request.Chosen);
    gLanguage = installed(request.Chosen) || !installed(folder) ? request.Chosen : folder;
    return;
  }
  if (const std::string folder = LanguageFolderOfLocale(request.Locale); installed(folder)) {
    gLanguage = folder;
    return;
  }
  const auto lines = ReadRequired(ResolvePath(program_folder_, "lang/lang.txt"));
  gLanguage.clear();
  for (const auto& line : lines) {
    if (!line.empty()) gLanguage = line;
  }
}

void LanguageTexts::LoadMenuTexts() { menu_texts_ = ReadRequired(LanguageFile("menu.txt")); }

void LanguageTexts::LoadGameNames() {
  const auto lines = ReadRequired(LanguageFile("games.txt"));
  for (size_t i = 0; i < game_names_.size(); ++i) {
    game_names_[i] = i < lines.size() ? lines[i] : std::string();
  }
}

void LanguageTexts::LoadRewardTexts() { reward_texts_ = ReadRequired(LanguageFile("rewards.txt")); }

void LanguageTexts::LoadOptionTexts() { option_texts_ = ReadRequired(LanguageFile("options.txt")); }

void LanguageTexts::LoadHelpTexts() { help_texts_ = ReadRequired(LanguageFile("help.txt")); }

void LanguageTexts::LoadProfilesTexts() {
  profiles_texts_ = ReadRequired(LanguageFile("profiles.txt"));
}

void LanguageTexts::LoadInformationTexts() {
  information_texts_ = ReadRequired(LanguageFile("information.txt"));
}

void LanguageTexts::LoadDefaultList() {
  const auto lines = ReadTextLines(LanguageFile("defaultlist.txt"));
  default_list_ = (lines && !lines->empty()) ? lines->front() : std::string();
}

void LanguageTexts::LoadCredits() {
  const auto lines = ReadRequired(LanguageFile("credits.txt"));
  credits_ = {};
  size_t next = 0;
  for (const auto& line : lines) {
    if (next == credits_.size()) break;
    if (!line.empty()) credits_[next++] = line;
  }
}

void LanguageTexts::LoadGameData(const std::string& game_id) {
  const auto lines = ReadTextLines(LanguageFile(game_id + "data.txt"));
  if (!lines) return;
  gGameData.clear();
  for (const auto& line : *lines) {
    // The lines become a game's buttons; a screen has room for a few only.
    if (gGameData.size() == kMostGameDataLines) break;
    if (!line.empty()) gGameData.push_back(line);
  }
}

void LanguageTexts::LoadStartupTexts(const LanguageRequest& request) {
  LoadLanguageName(request);
  LoadInformationTexts();
  LoadMenuTexts();
  LoadGameNames();
  LoadDefaultList();
  LoadOptionTexts();
  LoadCredits();
  LoadRewardTexts();
}

std::string LanguageTexts::MenuText(int line) const {
  return Lookup(menu_texts_, line, "Internal Error: Option string not defined.");
}

std::string LanguageTexts::GameName(int index) const {
  if (index < 0 || index >= kGameCount) return "Internal Error: Game name not defined.";
  return game_names_[static_cast<size_t>(index)];
}

std::string LanguageTexts::OptionText(int line) const {
  return Lookup(option_texts_, line, "Internal Error: Option string not defined.");
}

std::string LanguageTexts::HelpText(int line) const {
  return Lookup(help_texts_, line, "Internal Error: Help string not defined.");
}

std::string LanguageTexts::ProfilesText(int line) const {
  return Lookup(profiles_texts_, line, "Internal Error: Profiles string not defined.");
}

std::string LanguageTexts::InformationText(int line) const {
  return Lookup(information_texts_, line, "Internal Error: Information string not defined.");
}

MessageButtonWords LanguageTexts::ButtonWords() const {
  MessageButtonWords words;
  const auto take = [&](int line, std::string& word) {
    if (HasInformationText(line)) word = InformationText(line);
  };
  take(kYesButtonText, words.Yes);
  take(kNoButtonText, words.No);
  take(kOkButtonText, words.Ok);
  return words;
}

std::string LanguageTexts::ErrorCaption() const {
  return HasInformationText(kErrorCaptionText) ? InformationText(kErrorCaptionText) : "Error";
}

bool LanguageTexts::HasInformationText(int line) const {
  return line >= 0 && static_cast<size_t>(line) < information_texts_.size() &&
         !information_texts_[static_cast<size_t>(line)].empty();
}

std::string LanguageTexts::GetDefaultWordList() {
  if (default_list_.empty()) LoadDefaultList();
  if (default_list_.empty()) {
    platform_.ShowMessageBox(
        "Internal Error. Default list for " + gLanguage + " could not be loaded.", "Tavlo",
        MessageButtons::Ok, MessageIcon::None);
  }
  return default_list_;
}

}  // namespace tavlo
