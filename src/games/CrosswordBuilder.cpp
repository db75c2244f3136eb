#include "games/CrosswordBuilder.h"

#include <algorithm>

#include "engine/Random.h"
#include "wordlists/Letters.h"

namespace tavlo {
namespace {

constexpr int kRightEdge = 800;
// The place (from 1) of the crossing letter decides where a crossing word
// starts: its letter then lies in the upright word's column.
constexpr int CrossingX(int column, int place) {
  return (column - place) * CrosswordBuilder::kSquare + CrosswordBuilder::kLeft +
         CrosswordBuilder::kSquare;
}

}  // namespace

CrosswordBuilder::CrosswordBuilder(const std::vector<WordRecord>& words) : words_(words) {
  upper_.reserve(words.size());
  for (const WordRecord& word : words) upper_.push_back(UpperLetters(word.Word));
  next_of_five_ = NextOfLength(5);
  next_of_four_ = NextOfLength(4);

  for (std::size_t row = 0; row < upper_.size(); ++row) {
    const std::u32string& letters = upper_[row];
    const int length = static_cast<int>(letters.size());
    for (int place = 1; place <= length; ++place) {
      const char32_t letter = letters[static_cast<std::size_t>(place - 1)];
      // Only a letter's first place in the word counts.
      if (letters.find(letter) != static_cast<std::size_t>(place - 1)) continue;
      for (int column = 0; column < kColumns; ++column) {
        const int x = CrossingX(column, place);
        if (x >= kLeft && x + length * kSquare < kRightEdge) {
          crossings_[CrossingKey(letter, column)].push_back({row, place});
        }
      }
    }
  }
}

std::vector<int> CrosswordBuilder::NextOfLength(int letters) const {
  const int count = static_cast<int>(upper_.size());
  std::vector<int> next(upper_.size(), -1);
  // Two passes from the end fill in the rows found around the end of the list.
  int found = -1;
  for (int pass = 0; pass < 2; ++pass) {
    for (int row = count - 1; row >= 0; --row) {
      if (static_cast<int>(upper_[static_cast<std::size_t>(row)].size()) == letters) found = row;
      next[static_cast<std::size_t>(row)] = found;
    }
  }
  return next;
}

std::uint64_t CrosswordBuilder::CrossingKey(char32_t letter, int column) {
  return (static_cast<std::uint64_t>(letter) << 8) | static_cast<std::uint64_t>(column);
}

std::optional<Crossword> CrosswordBuilder::Build(std::int16_t& word_position) const {
  const int count = static_cast<int>(words_.size());
  if (count == 0) return std::nullopt;
  auto position = static_cast<std::size_t>(std::clamp<int>(word_position, 0, count - 1));
  // Without a word of four or five letters no attempt can stand one upright.
  if (next_of_five_[position] < 0 && next_of_four_[position] < 0) return std::nullopt;

  std::optional<Crossword> crossword;
  for (int attempt = 0; attempt < kMostAttempts && !crossword; ++attempt) {
    const int column = RandomInt(0, kColumns - 1);
    const int five = next_of_five_[position];
    position = static_cast<std::size_t>(five >= 0 ? five : next_of_four_[position]);
    crossword = Attempt(position, column);
    position = (position + 1) % static_cast<std::size_t>(count);
  }
  word_position = static_cast<std::int16_t>(position);
  return crossword;
}

std::optional<Crossword> CrosswordBuilder::Attempt(std::size_t upright, int column) const {
  const std::u32string& letters = upper_[upright];
  const int length = static_cast<int>(letters.size());
  Crossword crossword{{upright, kLeft + kSquare * column, kTop, WordDirection::Down, length}};
  const int upper_row = static_cast<int>(words_.size()) - 1;
  for (int i = RandomInt(1, 2); i < length; i += 2) {
    const int start = RandomInt(0, upper_row);
    const auto found = crossings_.find(CrossingKey(letters[static_cast<std::size_t>(i)], column));
    if (found == crossings_.end()) return std::nullopt;
    // The first fitting word from the start row on, around the end of the list.
    const std::vector<Crossing>& candidates = found->second;
    auto pick = std::lower_bound(
        candidates.begin(), candidates.end(), static_cast<std::size_t>(start),
        [](const Crossing& crossing, std::size_t row) { return crossing.Row < row; });
    if (pick == candidates.end()) pick = candidates.begin();
    crossword.push_back({pick->Row, CrossingX(column, pick->Place), kTop + kSquare * i,
                         WordDirection::Across,
                         static_cast<int>(upper_[pick->Row].size())});
  }
  if (!AllDifferent(crossword)) return std::nullopt;
  return crossword;
}

bool CrosswordBuilder::AllDifferent(const Crossword& crossword) const {
  for (std::size_t a = 0; a < crossword.size(); ++a) {
    for (std::size_t b = a + 1; b < crossword.size(); ++b) {
      if (words_[crossword[a].Row].Word == words_[crossword[b].Row].Word) return false;
    }
  }
  return true;
}

}  // namespace tavlo
