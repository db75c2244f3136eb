#include "WordListTool.h"

#include <functional>
#include <map>

#include "Commands.h"
#include "TableText.h"
#include "ToolArguments.h"

namespace tavlo::wordlist {

std::string HelpText() {
  return R"(tavlo-wordlist: makes, lists, exports, imports and checks Tavlo's word lists.

Every language has one word-list file, db/<language>.sqlite in Tavlo's data
folder, with one table per game (Game01 to Game15). A word list is the set of
rows of one table that share a name in the column WordList. Words are sorted as
a reader of the language expects (and stored so by build and import); the
language is taken from the file's name (eng.sqlite: eng) unless --language
names it.

Table files are UTF-8 text with a header row naming the columns. A .csv file is
comma-separated (quotes around fields with commas, quotes or line ends); any
other file is tab-separated (no tabs or line ends inside fields). An empty
field means "nothing" (a 0 in a numeric column). The numeric columns are
Correct0 to Correct3, Correct and Color; they take whole numbers, decimal or
hexadecimal after 0x.

Commands:

  build [--language LANGUAGE] CONTENT_FOLDER DATABASE
      Makes a new word-list file from the table files Game01.tsv ... Game15.tsv
      (or .csv) of a folder; a game without a file gets an empty table. An
      existing DATABASE is replaced only when everything was read.
      Example: tavlo-wordlist build content/eng data/db/eng.sqlite

  list [--language LANGUAGE] DATABASE
      Shows each game's lists with their numbers of rows, and marks lists too
      short for their game.
      Example: tavlo-wordlist list ~/Tavlo/db/eng.sqlite

  export [--list NAME] [--format csv|tsv] [--language LANGUAGE] DATABASE TABLE [FILE]
      Writes one game table, or only its list NAME, as a table file (to the
      terminal without FILE). The format follows FILE's extension unless
      --format names it; TSV without either.
      Example: tavlo-wordlist export --list "Everyday words" ~/Tavlo/db/eng.sqlite Game02 words.csv

  import [--list NAME] [--format csv|tsv] [--language LANGUAGE] DATABASE TABLE FILE
      Adds the lists of a table file to a game table of an existing word-list
      file; a list of the same name is replaced. With --list, every row goes to
      the list NAME and the file needs no WordList column. All or nothing: on
      any error the file is left as it was.
      Example: tavlo-wordlist import --list "Anna's words" ~/Tavlo/db/eng.sqlite Game02 words.csv

  check [--language LANGUAGE] [--default-list NAME] [--program-folder FOLDER] DATA_FOLDER
      Checks every word-list file in DATA_FOLDER/db (or only LANGUAGE's): that
      each table has its columns, that every picture and recording a row names
      is where its game looks for it, that every list has the rows its game
      needs, and that the default list is in every table. The default list is
      the first line of lang/<language>/defaultlist.txt in the program folder
      (by default the data folder's parent, else the program folder of this
      installation: beside this tool, or share/tavlo once installed) unless
      --default-list names it.
      Prints one line per problem, naming language, table, list and row, and
      exits with status 1 when there is any.
      Example: tavlo-wordlist check build/program/data

  help, --help, -h
      Shows this text.

Exit status: 0 when all went well, 1 when the input was bad or a check found
problems, 2 when the command line was wrong.
)";
}

int RunWordListTool(const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err) {
  using Command = std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)>;
  static const std::map<std::string, Command> commands = {
      {"build", RunBuild},   {"list", RunList},   {"export", RunExport},
      {"import", RunImport}, {"check", RunCheck},
  };

  if (arguments.empty()) {
    err << "tavlo-wordlist: no command given; see tavlo-wordlist --help\n";
    return kUsage;
  }
  const std::string& name = arguments.front();
  const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
  if (name == "help" || name == "--help" || name == "-h") {
    out << HelpText();
    return kSuccess;
  }
  const auto command = commands.find(name);
  if (command == commands.end()) {
    err << "tavlo-wordlist: unknown command \"" << name << "\"; see tavlo-wordlist --help\n";
    return kUsage;
  }
  for (const auto& argument : rest) {
    if (argument == "--help" || argument == "-h") {
      out << HelpText();
      return kSuccess;
    }
  }
  try {
    return command->second(rest, out, err);
  } catch (const UsageError& error) {
    err << "tavlo-wordlist " << name << ": " << error.what() << "; see tavlo-wordlist --help\n";
    return kUsage;
  } catch (const TableFileError& error) {
    err << "tavlo-wordlist " << name << ": " << error.what() << "\n";
    return kFailure;
  } catch (const std::exception& error) {
    err << "tavlo-wordlist " << name << ": " << error.what() << "\n";
    return kFailure;
  }
}

std::string LanguageOf(const std::filesystem::path& database, const std::string& option) {
  return option.empty() ? database.stem().string() : option;
}

}  // namespace tavlo::wordlist
