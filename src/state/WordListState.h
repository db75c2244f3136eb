#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "state/WordRecord.h"

namespace tavlo {

// The loaded word list the games read, and the position of their next item.
struct WordListState {
  // The list to load, named by the game's options or the default list.
  std::string gWordListName;
  // The rows of the last successful load, in word order until a shuffle.
  std::vector<WordRecord> gWords;
  // The row the next item takes.
  std::int16_t gWordIndex = 0;
  // The running game's random-order option, as read at its set-up.
  bool gRandomWord = false;

  // Swaps every row once with a row drawn from the whole list, itself and
  // rows already visited included.
  void ShuffleWordList();
  // Moves to the next row; past the last one back to the first, shuffling
  // the list again first when the game plays in random order.
  void NextWord();
};

}  // namespace tavlo
