#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "state/WordRecord.h"

namespace tavlo {

enum class WordDirection { Down, Across };

// One word of a crossword: its row of the word list, where its first letter
// square lies (pixels of the 800 x 600 screen) and which way it runs.
struct CrosswordWord {
  std::size_t Row = 0;
  int X = 0;
  int Y = 0;
  WordDirection Direction = WordDirection::Down;
  // Letters, not bytes: "blåbær" has six.
  int Length = 0;
};

// The words in placing order: the upright word first, then the words that
// cross it from top to bottom.
using Crossword = std::vector<CrosswordWord>;

// Builds the small crosswords of the picture crossword game from a word list.
// An attempt stands a word of five letters (four when the list has none of
// five) upright in a random one of five columns, then crosses every second of
// its letters, from the second or the third on, with a word found from a
// random row onward that holds that letter (at its first place) and fits the
// screen; an attempt that finds no such word, or uses one word twice, fails
// and the next one starts from the following row. The list is indexed once,
// so that each attempt takes a few lookups, and giving up after the most
// attempts stays quick.
class CrosswordBuilder {
 public:
  static constexpr int kMostAttempts = 500000;
  static constexpr int kSquare = 80;
  static constexpr int kLeft = 200;
  static constexpr int kTop = 75;
  static constexpr int kColumns = 5;

  explicit CrosswordBuilder(const std::vector<WordRecord>& words);

  // A crossword, searched for from the word position on; empty when none was
  // found in the most attempts (or can ever be, the list having no word of
  // four or five letters). The position moves with the search and afterwards
  // stands on the row after the upright word.
  std::optional<Crossword> Build(std::int16_t& word_position) const;

 private:
  // A word that can cross a letter: its row and the letter's first place in
  // it, counted from 1.
  struct Crossing {
    std::size_t Row;
    int Place;
  };

  // The first row from each position on (around the end of the list) whose
  // word has that many letters; -1 when the list has none.
  std::vector<int> NextOfLength(int letters) const;
  static std::uint64_t CrossingKey(char32_t letter, int column);
  std::optional<Crossword> Attempt(std::size_t upright, int column) const;
  bool AllDifferent(const Crossword& crossword) const;

  const std::vector<WordRecord>& words_;
  std::vector<std::u32string> upper_;
  std::vector<int> next_of_five_;
  std::vector<int> next_of_four_;
  // By letter and column: the words that cross that letter there, by row.
  std::unordered_map<std::uint64_t, std::vector<Crossing>> crossings_;
};

}  // namespace tavlo
