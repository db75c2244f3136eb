// The picture crossword's builder: a typical build from the default English
// list, and the two lists on which every attempt fails, so that the game gives
// up only after the most attempts (a list without a word of four or five
// letters, and a list whose upright words no other word can cross).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/MilliTimer.h"
#include "games/CrosswordBuilder.h"
#include "platform/NullPlatform.h"

namespace tavlo {
namespace {

// The default English list "Everyday words".
const std::vector<std::string> kEverydayWords = {
    "apple", "bed",  "bell", "bike",  "boat",  "book", "bread", "bus",   "cake", "car",  "cat",
    "chair", "clock", "corn", "cup",  "dog",   "drum", "egg",   "hat",   "house", "kite", "ship",
    "lemon", "moon", "pen",  "plane", "sock",  "spoon", "star", "sun",   "tent", "train", "tree"};

const std::vector<std::string> kNoUprightWord = {"ant", "bee", "cat", "dog", "elephant",
                                                 "ox",  "hen", "pig", "umbrella"};

// "abcde" stands upright, but only it holds its fourth and fifth letters.
const std::vector<std::string> kNoCrossing = {"abcde", "xbx", "bzz", "zcz", "cq", "bob", "cow"};

void Build(benchmark::State& run, const std::vector<std::string>& words) {
  NullPlatform platform;
  ClockSource clock(platform);
  std::vector<WordRecord> list(words.size());
  for (size_t row = 0; row < words.size(); ++row) list[row].Word = words[row];
  std::int16_t position = 0;
  for (auto _ : run) {
    const CrosswordBuilder builder(list);
    benchmark::DoNotOptimize(builder.Build(position));
  }
}

void TypicalBuild(benchmark::State& run) { Build(run, kEverydayWords); }
BENCHMARK(TypicalBuild)->Unit(benchmark::kMicrosecond);

void NoWordOfFourOrFiveLetters(benchmark::State& run) { Build(run, kNoUprightWord); }
BENCHMARK(NoWordOfFourOrFiveLetters)->Unit(benchmark::kMillisecond);

void NoCrossingFits(benchmark::State& run) { Build(run, kNoCrossing); }
BENCHMARK(NoCrossingFits)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace tavlo
