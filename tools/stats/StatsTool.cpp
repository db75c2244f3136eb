#include "StatsTool.h"

#include <filesystem>
#include <sstream>

#include "ToolArguments.h"
#include "platform/AtomicFile.h"
#include "platform/NullPlatform.h"
#include "platform/ProgramLocation.h"
#include "state/GameNumbers.h"
#include "state/LanguageTexts.h"
#include "state/ProfileStore.h"

namespace tavlo::stats {
namespace {

constexpr int kSuccess = 0;
constexpr int kFailure = 1;
constexpr int kUsage = 2;

// The names of the games in the language of the program folder: the data
// folder's parent (a program folder with its own data) is tried first, then
// the program folder of this installation. The game ids stand in for names
// that cannot be read.
std::vector<std::string> GameNames(Platform& platform, const std::filesystem::path& data_folder,
                                   const std::optional<std::string>& program_folder,
                                   const std::optional<std::string>& language) {
  std::vector<std::filesystem::path> folders;
  if (program_folder) {
    folders.push_back(*program_folder);
  } else {
    folders.push_back(std::filesystem::absolute(data_folder).lexically_normal().parent_path());
    folders.push_back(RunningProgramFolder());
  }
  for (const auto& folder : folders) {
    LanguageTexts texts(platform, folder);
    if (language) {
      texts.gLanguage = *language;
    } else if (!texts.Reload(&LanguageTexts::LoadLanguageName)) {
      continue;
    }
    if (!texts.Reload(&LanguageTexts::LoadGameNames)) continue;
    std::vector<std::string> names;
    for (int i = 0; i < kGameCount; ++i) names.push_back(texts.GameName(i));
    return names;
  }
  std::vector<std::string> ids;
  for (int number = 1; number <= kGameCount; ++number) ids.push_back(GameIdOf(number));
  return ids;
}

}  // namespace

std::string HelpText() {
  return R"(tavlo-stats: writes the answers of every Tavlo player as CSV for a spreadsheet.

Usage: tavlo-stats [--output FILE] [--language LANGUAGE] [--program-folder FOLDER] DATA_FOLDER

Reads the option file of every player in DATA_FOLDER/profiles (Tavlo's data
folder, for example ~/Documents/Tavlo) and writes one row per player and game:
the player, the game's number, the game's name, the right answers and the
wrong answers, after a header row. Fields with commas or quotes are quoted.
Nothing in the data folder is changed.

Options:
  --output FILE            Writes the table to FILE (replaced whole) instead
                           of the terminal.
  --language LANGUAGE      Names the games in this language (the folder name
                           under lang/, such as eng) instead of Tavlo's own.
  --program-folder FOLDER  Takes the game names from this program folder
                           instead of the data folder's parent or this
                           installation's.
  --help, -h               Shows this text.

Exit status: 0 when every player was read, 1 when a player's option file
could not be read (the others are written) or the table could not be
written, 2 when the command line was wrong.
Example: tavlo-stats --output answers.csv ~/Documents/Tavlo
)";
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + "\"";
}

int RunStatsTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  for (const auto& argument : arguments) {
    if (argument == "--help" || argument == "-h" || argument == "help") {
      out << HelpText();
      return kSuccess;
    }
  }
  wordlist::ToolArguments args;
  try {
    args = wordlist::ParseToolArguments(arguments, {"output", "language", "program-folder"}, 1, 1);
  } catch (const wordlist::UsageError& error) {
    err << "tavlo-stats: " << error.what() << "; see tavlo-stats --help\n";
    return kUsage;
  }
  const std::filesystem::path data_folder = args.Positional[0];
  std::error_code error;
  if (!std::filesystem::is_directory(data_folder / "profiles", error)) {
    err << "tavlo-stats: " << data_folder.string() << " holds no profiles folder\n";
    return kFailure;
  }

  NullPlatform platform;
  const std::vector<std::string> game_names =
      GameNames(platform, data_folder, args.Option("program-folder"), args.Option("language"));
  LanguageTexts texts(platform, data_folder);
  const std::string data_path = data_folder.string() + "/";
  ProfileStore store(platform, texts, data_path);

  int status = kSuccess;
  std::ostringstream table;
  table << "profile,game,game name,right,wrong\n";
  for (const std::string& name : store.ListProfiles()) {
    if (!store.ReadOptionFile(name)) {
      err << "tavlo-stats: the option file of " << name << " cannot be read; left out\n";
      status = kFailure;
      continue;
    }
    for (int i = 0; i < kGameCount; ++i) {
      const GameEntry& game = store.Games[static_cast<size_t>(i)];
      table << CsvField(name) << ',' << i + 1 << ',' << CsvField(game_names[static_cast<size_t>(i)])
            << ',' << game.CorrectCount << ',' << game.WrongCount << '\n';
    }
  }

  if (const auto output = args.Option("output")) {
    if (!ReplaceFileAtomically(*output, table.str())) {
      err << "tavlo-stats: " << *output << " cannot be written\n";
      return kFailure;
    }
  } else {
    out << table.str();
  }
  return status;
}

}  // namespace tavlo::stats
