#pragma once

#include <string>
#include <vector>

namespace tavlo {

class ProfileStore;

// What the font dialog shows and stores for one game: the system's font
// families with the game's face selected.
class FontDialogModel {
 public:
  FontDialogModel(ProfileStore& profile, std::string game_id, std::vector<std::string> families);

  const std::vector<std::string>& Families() const { return families_; }
  // The index of the selected family; -1 when the game's face is not installed.
  int Selected = -1;

  // Stores the selected family as the game's face; nothing when none is selected.
  void StoreFont() const;

 private:
  ProfileStore& profile_;
  std::string game_id_;
  std::vector<std::string> families_;
};

}  // namespace tavlo
