#include <system_error>

#include "Commands.h"
#include "ListCounts.h"
#include "ToolArguments.h"
#include "wordlists/GameTables.h"

namespace tavlo::wordlist {

int RunList(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const ToolArguments args = ParseToolArguments(arguments, {"language"}, 1, 1);
  const std::filesystem::path database = args.Positional[0];
  const std::string language = LanguageOf(database, args.Option("language").value_or(""));
  std::error_code error;
  if (!std::filesystem::is_regular_file(database, error)) {
    err << "tavlo-wordlist list: " << database.string() << ": no such file\n";
    return kFailure;
  }

  int status = kSuccess;
  for (const GameTable& table : GameTables()) {
    out << table.Name << " (a list needs at least " << table.MinimumWords << " rows)\n";
    const auto counts = CountLists(database, language, std::string(table.Name));
    if (!counts) {
      out << "  the table cannot be read\n";
      status = kFailure;
      continue;
    }
    if (counts->empty()) out << "  no lists\n";
    for (const ListCount& list : *counts) {
      out << "  " << list.Name << ": " << list.Rows << (list.Rows == 1 ? " row" : " rows");
      if (list.Rows < table.MinimumWords) out << " (too few to play)";
      if (list.Rows > kMaximumWords) out << " (too many to play)";
      out << "\n";
    }
  }
  return status;
}

}  // namespace tavlo::wordlist
