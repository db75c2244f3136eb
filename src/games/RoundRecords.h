#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "state/WordListState.h"

namespace tavlo {

// Takes the records for a round of several pieces: count records from the
// list's position on, moving the position past them and back to the first
// record after the last (a short list gives some twice). Unlike NextWord it
// never reshuffles: these games step through the list as it was shuffled at
// set-up. An empty list gives none.
std::vector<const WordRecord*> TakeWordRecords(WordListState& list, int count);

// A text column of a record, or "" where the record has none in that slot.
std::string TextSlot(const WordRecord& record, std::size_t slot);

// A number column of a record, or missing where the record has none in that slot.
std::int32_t NumberSlot(const WordRecord& record, std::size_t slot, std::int32_t missing);

}  // namespace tavlo
