#include <algorithm>
#include <system_error>

#include "Commands.h"
#include "ListCounts.h"
#include "MediaFiles.h"
#include "TableColumns.h"
#include "ToolArguments.h"
#include "engine/FilePaths.h"
#include "engine/TextFile.h"
#include "platform/ProgramLocation.h"
#include "wordlists/GameTables.h"
#include "wordlists/SqliteDatabase.h"
#include "wordlists/WordListStore.h"

namespace tavlo::wordlist {
namespace {

// The languages whose word-list files the data folder holds.
std::vector<std::string> LanguagesIn(const std::filesystem::path& data_folder) {
  std::vector<std::string> languages;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(data_folder / "db", error)) {
    if (entry.path().extension() == ".sqlite") languages.push_back(entry.path().stem().string());
  }
  std::sort(languages.begin(), languages.end());
  return languages;
}

std::optional<std::string> DefaultListOf(const std::filesystem::path& program_folder,
                                         const std::string& language) {
  const auto lines =
      ReadTextLines(ResolvePath(program_folder, "lang/" + language + "/defaultlist.txt"));
  if (!lines || lines->empty() || lines->front().empty()) return std::nullopt;
  return lines->front();
}

// Where the language files are when no folder is named: beside the data
// folder (the program's own default data) or in the program folder of the
// installation this tool belongs to, which the program itself finds the same
// way (beside the tool in the build tree, share/tavlo/ once installed).
std::vector<std::filesystem::path> ProgramFolders(const std::filesystem::path& data_folder,
                                                  const std::optional<std::string>& named) {
  if (named) return {*named};
  return {std::filesystem::absolute(data_folder).lexically_normal().parent_path(),
          RunningProgramFolder()};
}

class ProblemReport {
 public:
  ProblemReport(std::ostream& out, std::string language)
      : out_(out), language_(std::move(language)) {}

  void Add(const std::string& where, const std::string& what) {
    out_ << language_ << " " << where << ": " << what << "\n";
    ++count_;
  }
  int Count() const { return count_; }

 private:
  std::ostream& out_;
  std::string language_;
  int count_ = 0;
};

std::string ListPlace(std::string_view table, const std::string& list) {
  return std::string(table) + ", list \"" + list + "\"";
}

// The table's columns as the program reads them: a missing one makes every
// load of the table fail.
bool CheckColumns(const std::filesystem::path& database, const GameTable& table,
                  ProblemReport& report) {
  SqliteDatabase file = SqliteDatabase::Open(database, SqliteOpenMode::ReadOnly);
  if (!file.HasTable(table.Name)) {
    report.Add(std::string(table.Name), "the table is missing");
    return false;
  }
  const std::vector<std::string> missing = MissingColumns(file, table);
  for (const std::string& column : missing) {
    report.Add(std::string(table.Name), "the column " + column + " is missing");
  }
  return missing.empty();
}

void CheckList(const std::filesystem::path& data_folder, const std::filesystem::path& database,
               const std::string& language, const GameTable& table, const ListCount& list,
               ProblemReport& report) {
  const std::string place = ListPlace(table.Name, list.Name);
  if (list.Name.empty()) {
    report.Add(place, std::to_string(list.Rows) + " rows name no list, so no game can play them");
    return;
  }
  if (list.Rows < table.MinimumWords) {
    report.Add(place, "has " + std::to_string(list.Rows) + " rows; the game needs at least " +
                          std::to_string(table.MinimumWords));
  }
  if (list.Rows > kMaximumWords) {
    report.Add(place, "has " + std::to_string(list.Rows) + " rows; a game takes at most " +
                          std::to_string(kMaximumWords));
  }
  const auto words = ReadWordList(database, language, std::string(table.Name), list.Name);
  if (!words) {
    report.Add(place,
               "cannot be loaded: a numeric column holds something that is not a whole number");
    return;
  }
  for (std::size_t i = 0; i < words->size(); ++i) {
    const WordRecord& record = (*words)[i];
    const std::string row = place + ", row " + std::to_string(i + 1) + " (\"" + record.Word + "\")";
    for (const MediaFile& file : MediaFilesOf(std::string(table.Name), language, record)) {
      if (file.Path.empty()) {
        report.Add(row, "names no " + file.Kind + " file in the column " + file.Column);
        continue;
      }
      if (!IsNameInsideFolder(file.Name) || !IsNameInsideFolder(file.Path)) {
        report.Add(row, file.Kind + " file " + file.Path +
                            " lies outside the data folder; the games refuse to open it");
        continue;
      }
      std::error_code error;
      if (!std::filesystem::is_regular_file(ResolvePath(data_folder, file.Path), error)) {
        report.Add(row, file.Kind + " file " + file.Path + " is missing");
      }
    }
  }
}

}  // namespace

int RunCheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const ToolArguments args =
      ParseToolArguments(arguments, {"language", "default-list", "program-folder"}, 1, 1);
  const std::filesystem::path data_folder = args.Positional[0];
  const auto program_folders = ProgramFolders(data_folder, args.Option("program-folder"));
  std::error_code error;
  if (!std::filesystem::is_directory(data_folder, error)) {
    err << "tavlo-wordlist check: " << data_folder.string() << ": no such folder\n";
    return kFailure;
  }
  const std::vector<std::string> languages =
      args.Option("language") ? std::vector<std::string>{*args.Option("language")}
                              : LanguagesIn(data_folder);
  if (languages.empty()) {
    out << data_folder.string() << ": no word-list file in db/\n";
    return kFailure;
  }

  int problems = 0;
  for (const std::string& language : languages) {
    ProblemReport report(out, language);
    const std::filesystem::path database = ResolvePath(data_folder, "db/" + language + ".sqlite");
    if (!std::filesystem::is_regular_file(database, error)) {
      report.Add("db/" + language + ".sqlite", "the word-list file is missing");
      problems += report.Count();
      continue;
    }
    std::optional<std::string> default_list = args.Option("default-list");
    for (const auto& folder : program_folders) {
      if (!default_list) default_list = DefaultListOf(folder, language);
    }
    if (!default_list) {
      report.Add("lang/" + language + "/defaultlist.txt",
                 "no default list name found in the program folder (give --program-folder or "
                 "--default-list)");
    }

    for (const GameTable& table : GameTables()) {
      if (!CheckColumns(database, table, report)) continue;
      const auto lists = CountLists(database, language, std::string(table.Name));
      if (!lists) {
        report.Add(std::string(table.Name), "the table cannot be read");
        continue;
      }
      for (const ListCount& list : *lists) {
        CheckList(data_folder, database, language, table, list, report);
      }
      if (default_list && std::none_of(lists->begin(), lists->end(), [&](const ListCount& list) {
            return list.Name == *default_list;
          })) {
        report.Add(ListPlace(table.Name, *default_list), "the default list is missing");
      }
    }
    problems += report.Count();
  }
  if (problems == 0) {
    out << data_folder.string() << ": no problems\n";
    return kSuccess;
  }
  out << problems << (problems == 1 ? " problem\n" : " problems\n");
  return kFailure;
}

}  // namespace tavlo::wordlist
