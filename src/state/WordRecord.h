#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavlo {

// One row of a word list: the four columns every game table has, and the
// running game's own columns, numbers and texts in the slots its game reads.
struct WordRecord {
  std::string WordList;
  std::string Word;
  // The picture's file name; each game names the folder it lies in.
  std::string Image;
  // The recorded word's file name under the language's speech folder.
  std::string Sound;
  std::vector<std::int32_t> Numbers{0};
  std::vector<std::string> Texts{std::string()};

  bool operator==(const WordRecord&) const = default;
};

}  // namespace tavlo
