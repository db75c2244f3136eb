#include "profiles/FontDialogModel.h"

#include <algorithm>

#include "state/ProfileStore.h"

namespace tavlo {

FontDialogModel::FontDialogModel(ProfileStore& profile, std::string game_id,
                                 std::vector<std::string> families,
                                 const std::string& installed_family)
    : profile_(profile), game_id_(std::move(game_id)), families_(std::move(families)) {
  auto found = std::find(families_.begin(), families_.end(), profile_.GetFontName(game_id_));
  if (found == families_.end()) found = std::find(families_.begin(), families_.end(), installed_family);
  if (found != families_.end()) Selected = static_cast<int>(found - families_.begin());
  selected_at_start_ = Selected;
}

void FontDialogModel::StoreFont() const {
  if (Selected < 0 || static_cast<size_t>(Selected) >= families_.size()) return;
  if (Selected == selected_at_start_) return;
  profile_.SetFontName(game_id_, families_[static_cast<size_t>(Selected)]);
}

}  // namespace tavlo
