// Whatever bytes the word-list file holds, reading the list names and the
// lists of a game table never crashes or hangs: it fails, or gives names and
// records of the table's shape, each list in word order.
//
// Every read opens the file anew, as the program does, which is what a run
// costs; so only the game tables the bytes name are read (Game01 when they
// name none), and a change to a table's name in the schema reads another.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "support/TempFolder.h"
#include "wordlists/GameTables.h"
#include "wordlists/IcuCollation.h"
#include "wordlists/WordListStore.h"

namespace {

// A list of this name is in no seed; reading it must still give a sound answer.
const std::string kAbsentList = "\x01no such list";

void CheckList(const tavlo::GameTable& table, const std::vector<tavlo::WordRecord>& words) {
  static const tavlo::WordCollator collator = tavlo::WordCollator::ForLanguage("eng");
  for (const auto& record : words) {
    if (record.Texts.size() != static_cast<std::size_t>(table.TextSlots)) std::abort();
    if (record.Numbers.size() != static_cast<std::size_t>(table.NumberSlots)) std::abort();
  }
  const bool in_order = std::is_sorted(
      words.begin(), words.end(),
      [](const auto& a, const auto& b) { return collator.Compare(a.Word, b.Word) < 0; });
  if (!in_order) std::abort();
}

// The game tables whose names occur in the bytes, each once.
std::vector<std::string> NamedTables(std::string_view bytes) {
  std::vector<std::string> tables;
  for (std::size_t at = bytes.find("Game"); at != std::string_view::npos;
       at = bytes.find("Game", at + 1)) {
    const std::string name(bytes.substr(at, 6));
    if (tavlo::IsGameTable(name) && std::find(tables.begin(), tables.end(), name) == tables.end()) {
      tables.push_back(name);
    }
  }
  if (tables.empty()) tables.emplace_back("Game01");
  return tables;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static tavlo::testing::TempFolder folder;
  static const auto file = folder / "eng.sqlite";
  // A journal or write-ahead log the engine left beside the last input would
  // be read with this one, so no run could be replayed alone.
  for (const char* suffix : {"-journal", "-wal", "-shm"}) {
    std::filesystem::remove(folder / ("eng.sqlite" + std::string(suffix)));
  }
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  tavlo::testing::WriteFile(file, bytes);

  for (const std::string& name : NamedTables(bytes)) {
    const tavlo::GameTable& table = tavlo::FindGameTable(name);
    std::vector<std::string> names = {"left alone"};
    const std::int32_t last = tavlo::ReadWordListNames(file, "eng", name, names);
    if (last < 0) {
      if (names != std::vector<std::string>{"left alone"}) std::abort();
      continue;
    }
    if (names.size() != static_cast<std::size_t>(last) + 1) std::abort();
    names.resize(1);
    names.push_back(kAbsentList);
    for (const auto& list : names) {
      const auto words = tavlo::ReadWordList(file, "eng", name, list);
      if (words) CheckList(table, *words);
    }
  }
  return 0;
}
