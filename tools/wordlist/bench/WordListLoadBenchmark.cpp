#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "wordlists/IcuCollation.h"
#include "wordlists/WordListDatabase.h"
#include "wordlists/WordListStore.h"

namespace tavlo {
namespace {

constexpr int kRows = 2000;
const std::string kList = "Benchmark words";

// Words made of letters, about as long as a reader's words, a third of them
// capitalised.
std::vector<std::string> MakeWords() {
  std::vector<std::string> words;
  for (int i = 0; i < kRows; ++i) {
    std::string word;
    for (int n = i * 37 + 11; n > 0; n /= 26) word += static_cast<char>('a' + n % 26);
    word += "ing";
    if (i % 3 == 0) word[0] = static_cast<char>(word[0] - 'a' + 'A');
    words.push_back(word);
  }
  return words;
}

enum class StoredOrder { WordOrder, Shuffled };

// A word-list file whose Game12 list (four text game columns, SentenceA to
// SentenceD, and the number Correct) has 2 000 rows, among as many rows of two
// other lists. The tool stores lists in word order; another SQLite program may
// store them in any order, which the load must then sort.
std::filesystem::path MakeDatabase(StoredOrder order) {
  const auto file = std::filesystem::temp_directory_path() /
                    ("tavlo-wordlist-bench-" + std::to_string(::getpid()) + ".sqlite");
  std::filesystem::remove(file);
  std::vector<std::string> words = MakeWords();
  const WordCollator collator = WordCollator::ForLanguage("eng");
  std::sort(words.begin(), words.end(),
            [&](const std::string& a, const std::string& b) { return collator.Compare(a, b) < 0; });
  if (order == StoredOrder::Shuffled) {
    for (std::size_t i = 0; i < words.size(); ++i)
      std::swap(words[i], words[(i * 7919) % words.size()]);
  }

  SqliteDatabase database = OpenWordListDatabase(file, "eng", SqliteOpenMode::Create);
  database.Execute("BEGIN");
  CreateWordListTables(database);
  SqliteStatement insert = database.Prepare(
      "INSERT INTO Game12 (WordList, Word, Image, Sound, SentenceA, SentenceB, SentenceC, "
      "SentenceD, Correct) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)");
  for (int list = 0; list < 3; ++list) {
    for (int i = 0; i < kRows; ++i) {
      const std::string& word = words[static_cast<std::size_t>(i)];
      insert.Reset();
      insert.BindText(1, list == 0 ? kList : "Other list " + std::to_string(list));
      insert.BindText(2, word);
      insert.BindText(3, word + ".png");
      insert.BindText(4, word + ".wav");
      insert.BindText(5, word);
      insert.BindText(6, word + "s");
      insert.BindText(7, "a " + word);
      insert.BindText(8, "the " + word);
      insert.BindInteger(9, i % 4);
      insert.Step();
    }
  }
  database.Execute("COMMIT");
  return file;
}

void LoadList(benchmark::State& state, StoredOrder order) {
  const std::filesystem::path file = MakeDatabase(order);
  for (auto _ : state) {
    auto words = ReadWordList(file, "eng", "Game12", kList);
    if (!words || words->size() != kRows) state.SkipWithError("the list did not load");
    benchmark::DoNotOptimize(words);
  }
  std::filesystem::remove(file);
}

void BM_LoadWordList2000RowsStoredInWordOrder(benchmark::State& state) {
  LoadList(state, StoredOrder::WordOrder);
}
void BM_LoadWordList2000RowsStoredShuffled(benchmark::State& state) {
  LoadList(state, StoredOrder::Shuffled);
}

BENCHMARK(BM_LoadWordList2000RowsStoredInWordOrder)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_LoadWordList2000RowsStoredShuffled)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace tavlo
