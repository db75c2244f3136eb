#include "state/WordListState.h"

#include <cstddef>
#include <utility>

#include "engine/Random.h"

namespace tavlo {

void WordListState::ShuffleWordList() {
  RandomSource::Reseed();
  const int upper = static_cast<int>(gWords.size()) - 1;
  for (int i = 0; i <= upper; ++i) {
    const int j = RandomInt(0, upper);
    std::swap(gWords[static_cast<std::size_t>(i)], gWords[static_cast<std::size_t>(j)]);
  }
}

void WordListState::NextWord() {
  // Counted in a wider type: a list never holds more rows than the cursor can
  // address, but the step past the last row must not overflow on the way.
  const int next = gWordIndex + 1;
  if (next > static_cast<int>(gWords.size()) - 1) {
    gWordIndex = 0;
    if (gRandomWord) ShuffleWordList();
    return;
  }
  gWordIndex = static_cast<std::int16_t>(next);
}

}  // namespace tavlo
