#pragma once

#include <string>
#include <vector>

namespace tavlo {

class ProfileStore;

// What the font dialog shows and stores for one game: the system's font
// families with the game's face selected.
class FontDialogModel {
 public:
  // installed_family is the family the game's face is drawn with; it is
  // selected when the stored name itself is not among the families (the
  // stored "Arial" is drawn with "Liberation Sans" where Arial is missing).
  FontDialogModel(ProfileStore& profile, std::string game_id, std::vector<std::string> families,
                  const std::string& installed_family);

  const std::vector<std::string>& Families() const { return families_; }
  // The index of the selected family; -1 when the game's face is not installed.
  int Selected = -1;

  // Stores the selected family as the game's face; nothing when none is
  // selected, or when the selection is still the family the stored face is
  // drawn with, so that the stored name keeps working on other systems.
  void StoreFont() const;

 private:
  ProfileStore& profile_;
  std::string game_id_;
  std::vector<std::string> families_;
  int selected_at_start_ = -1;
};

}  // namespace tavlo
