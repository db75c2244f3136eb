#pragma once

#include <array>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "state/GameNumbers.h"

namespace tavlo {

// A language file the program cannot run without could not be read.
class LanguageFileMissing : public std::runtime_error {
 public:
  explicit LanguageFileMissing(const std::filesystem::path& file)
      : std::runtime_error("File not found: " + file.string()), file_(file) {}
  const std::filesystem::path& File() const { return file_; }

 private:
  std::filesystem::path file_;
};

// The language a user asked for without touching the program folder, which
// lang/lang.txt names otherwise.
struct LanguageRequest {
  // A language named on the command line or in TAVLO_LANGUAGE: a language
  // folder ("den") or a locale naming one ("da", "da_DK").
  std::string Chosen;
  // The user's locale for messages (LC_ALL, LC_MESSAGES or LANG, such as
  // "da_DK.UTF-8"); it decides when nothing was chosen and the program has a
  // folder for its language.
  std::string Locale;
};

// The language folder of a locale ("da_DK.UTF-8" -> "den"); "" for a locale
// whose language the program has no name for.
std::string LanguageFolderOfLocale(const std::string& locale);

// The text with its placeholder %1 replaced by the value, so that a
// translation can put a name where its language wants it.
std::string FillIn(const std::string& text, const std::string& value);

// Every text the user sees, read from the files of the active language folder
// and addressed by line number (0-based).
class LanguageTexts {
 public:
  LanguageTexts(Platform& platform, std::filesystem::path program_folder);

  // The active language's folder name under lang/.
  std::string gLanguage;
  // The current game's data lines (empty lines skipped).
  std::vector<std::string> gGameData;

  // Loaders. All but LoadDefaultList and LoadGameData throw LanguageFileMissing
  // when their file cannot be read.
  // The request's language where it names one, else lang/lang.txt's.
  void LoadLanguageName(const LanguageRequest& request);
  void LoadLanguageName() { LoadLanguageName(LanguageRequest{}); }
  void LoadMenuTexts();
  void LoadGameNames();
  void LoadRewardTexts();
  void LoadOptionTexts();
  void LoadHelpTexts();
  void LoadProfilesTexts();
  void LoadInformationTexts();
  void LoadDefaultList();
  void LoadCredits();
  // Keeps the previous lines when the game has no readable data file; reads
  // at most kMostGameDataLines lines that are not empty.
  static constexpr std::size_t kMostGameDataLines = 16;
  void LoadGameData(const std::string& game_id);
  // Everything start-up reads, in its order.
  void LoadStartupTexts(const LanguageRequest& request = {});
  // Runs a loader for a screen that opens while the program runs. A file
  // that has gone missing since start-up keeps the lines read before, so
  // the screen still opens; false then.
  bool Reload(void (LanguageTexts::*loader)());

  // A line number outside the table gives the table's internal-error text.
  std::string MenuText(int line) const;
  std::string GameName(int index) const;
  std::string OptionText(int line) const;
  std::string HelpText(int line) const;
  std::string ProfilesText(int line) const;
  std::string InformationText(int line) const;
  // True when the language words the line: it exists and is not empty. Texts
  // a language may leave out fall back to the program's own.
  bool HasInformationText(int line) const;
  const std::vector<std::string>& RewardTexts() const { return reward_texts_; }
  const std::vector<std::string>& HelpTexts() const { return help_texts_; }
  const std::array<std::string, 2>& Credits() const { return credits_; }
  // The words of message box buttons: information texts 5 to 7 (yes, no, OK),
  // the English words where the language gives none.
  MessageButtonWords ButtonWords() const;
  // The caption of a message box that reports a failure: information text 18,
  // "Error" where the language gives none.
  std::string ErrorCaption() const;

  // The name of the list every game plays when its profile names none. When
  // it is unknown even after reading the file again, says so in a message box
  // and returns "".
  std::string GetDefaultWordList();

  std::filesystem::path LanguageFile(const std::string& name) const;
  // The recording of a line of one of the language's files, by the file's
  // name without ".txt" ("menu", "games", "Game01data") and the line's number
  // (for a game's data, its number among the lines that are not empty), as
  // a name in the program folder. Spoken scanning says the screens' buttons
  // with these.
  std::string SpokenLine(const std::string& file, int line) const;

 private:
  std::vector<std::string> ReadRequired(const std::filesystem::path& file) const;

  Platform& platform_;
  std::filesystem::path program_folder_;
  std::vector<std::string> menu_texts_;
  std::array<std::string, kGameCount> game_names_;
  std::vector<std::string> reward_texts_;
  std::vector<std::string> option_texts_;
  std::vector<std::string> help_texts_;
  std::vector<std::string> profiles_texts_;
  std::vector<std::string> information_texts_;
  std::string default_list_;
  std::array<std::string, 2> credits_;
};

}  // namespace tavlo
