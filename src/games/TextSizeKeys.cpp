#include "games/TextSizeKeys.h"

#include <algorithm>

#include "platform/InputEvent.h"
#include "state/ProgramState.h"

namespace tavlo {
namespace {

constexpr int kSmallestSize = 6;
constexpr int kLargestSize = 32;
constexpr const char* kStandardFont = "Arial";

}  // namespace

bool ApplyTextSizeKey(ProgramState& state, int key_code, int standard_size) {
  int size = state.gFontSize;
  switch (key_code) {
    case keys::F(5):
      size -= 1;
      // Anything under 7 becomes the smallest size, 6.
      if (size < kSmallestSize + 1) size = kSmallestSize;
      break;
    case keys::F(6):
      size = std::min(size + 1, kLargestSize);
      break;
    case keys::F(7):
      size = standard_size;
      break;
    case keys::F(8):
      size = standard_size;
      state.gFontName = kStandardFont;
      state.Profiles.SetFontName(state.gGameId, state.gFontName);
      break;
    default:
      return false;
  }
  state.gFontSize = static_cast<std::int16_t>(size);
  state.Profiles.SetFontSize(state.gGameId, state.gFontSize);
  return true;
}

}  // namespace tavlo
