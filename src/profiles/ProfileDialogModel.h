#pragma once

#include <string>
#include <vector>

namespace tavlo {

class ProfileStore;

// What became of a name given for a new profile.
enum class NewProfileResult {
  Created,
  // The name was a profile already: it was made current with its file as it
  // was, its counts and settings kept.
  ExistingChosen,
  Refused,
};

// The profile dialog's list of profiles, its selection, and what its buttons
// do to the profile store. The view only draws this state.
class ProfileDialogModel {
 public:
  explicit ProfileDialogModel(ProfileStore& store);

  const std::vector<std::string>& Names() const { return names_; }
  // The index of the selected name; -1 for none.
  int Selected = -1;
  // The selected name; empty for none.
  std::string SelectedName() const;

  // Reads the list of profiles again and selects the name (none when it is
  // not listed).
  void ListProfiles(const std::string& select);

  // New: makes the name the current profile. A new profile starts with
  // default options, saved at once; an existing one keeps its file and its
  // options are loaded. Either way it is selected.
  NewProfileResult AddProfile(const std::string& name);
  // Remove: deletes the selected profile; the current profile stays current
  // even when it was the one removed. Afterwards nothing is selected.
  bool RemoveSelected();
  // Reset: the current profile, not the selected one, starts afresh with
  // default options and no answers, saved at once.
  void ResetCurrent();
  // OK: the selected profile becomes current, or the first menu text's
  // profile when none is selected; its options are loaded.
  void ConfirmChoice();

  const std::string& CurrentProfile() const;

 private:
  ProfileStore& store_;
  std::vector<std::string> names_;
};

}  // namespace tavlo
