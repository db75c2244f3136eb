#include "games/RoundRecords.h"

namespace tavlo {

std::vector<const WordRecord*> TakeWordRecords(WordListState& list, int count) {
  std::vector<const WordRecord*> records;
  for (int i = 0; i < count && !list.gWords.empty(); ++i) {
    records.push_back(&list.gWords[static_cast<std::size_t>(list.gWordIndex)]);
    list.gWordIndex += 1;
    if (static_cast<std::size_t>(list.gWordIndex) >= list.gWords.size()) list.gWordIndex = 0;
  }
  return records;
}

std::string TextSlot(const WordRecord& record, std::size_t slot) {
  return slot < record.Texts.size() ? record.Texts[slot] : std::string();
}

std::int32_t NumberSlot(const WordRecord& record, std::size_t slot, std::int32_t missing) {
  return slot < record.Numbers.size() ? record.Numbers[slot] : missing;
}

}  // namespace tavlo
