#include "games/WordCursor.h"

namespace tavlo {
namespace {

// Puts the cursor on the row after the given one, or on the first row after
// the last.
void MoveCursorPast(WordListState& list, std::size_t row) {
  list.gWordIndex =
      row + 1 >= list.gWords.size() ? std::int16_t{0} : static_cast<std::int16_t>(row + 1);
}

// A cursor left outside the list (a list that shrank under it) starts again
// at the first row rather than reading past the end.
std::size_t CursorRow(const WordListState& list) {
  const int index = list.gWordIndex;
  return index < 0 || index >= static_cast<int>(list.gWords.size())
             ? 0
             : static_cast<std::size_t>(index);
}

}  // namespace

WordRecord TakeRow(WordListState& list) {
  if (list.gWords.empty()) return {};
  const std::size_t index = CursorRow(list);
  MoveCursorPast(list, index);
  return list.gWords[index];
}

std::vector<WordRecord> TakeSceneRows(WordListState& list, std::size_t most) {
  std::vector<WordRecord> rows;
  const std::vector<WordRecord>& words = list.gWords;
  if (words.empty()) return rows;
  const std::size_t start = CursorRow(list);
  const std::string& scene = words[start].Image;
  for (std::size_t visited = 0; visited < words.size() && rows.size() < most; ++visited) {
    const WordRecord& row = words[(start + visited) % words.size()];
    if (row.Image == scene) rows.push_back(row);
  }
  MoveCursorPast(list, start);
  return rows;
}

}  // namespace tavlo
