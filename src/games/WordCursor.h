#pragma once

#include <cstddef>
#include <vector>

#include "state/WordListState.h"
#include "state/WordRecord.h"

namespace tavlo {

// The row the next item takes; the cursor moves on by one row, back to the
// first after the last. The games step through their list this way, without
// shuffling it again at the wrap.
WordRecord TakeRow(WordListState& list);

// The rows of one scene: every row whose picture is the picture of the row at
// the cursor, found from there to the end of the list and on from its start,
// at most `most` of them (the row at the cursor first). The cursor then moves
// on by one row only, so the next scene starts at the next row, which may
// belong to the same scene. An empty list gives no rows.
std::vector<WordRecord> TakeSceneRows(WordListState& list, std::size_t most);

}  // namespace tavlo
