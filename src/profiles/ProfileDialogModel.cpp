#include "profiles/ProfileDialogModel.h"

#include <algorithm>

#include "state/ProfileStore.h"

namespace tavlo {

ProfileDialogModel::ProfileDialogModel(ProfileStore& store) : store_(store) {}

std::string ProfileDialogModel::SelectedName() const {
  if (Selected < 0 || static_cast<size_t>(Selected) >= names_.size()) return {};
  return names_[static_cast<size_t>(Selected)];
}

const std::string& ProfileDialogModel::CurrentProfile() const { return store_.gProfileName; }

void ProfileDialogModel::ListProfiles(const std::string& select) {
  names_ = store_.ListProfiles();
  const auto found = std::find(names_.begin(), names_.end(), select);
  Selected = found == names_.end() ? -1 : static_cast<int>(found - names_.begin());
}

NewProfileResult ProfileDialogModel::AddProfile(const std::string& name) {
  if (!ProfileStore::IsValidProfileName(name)) return NewProfileResult::Refused;
  const bool exists = store_.ProfileExists(name);
  store_.WriteCurrentProfile(name);
  if (exists) {
    store_.LoadProfileOptions();
  } else {
    store_.ResetProfileOptions();
    store_.SaveProfileOptions();
  }
  ListProfiles(name);
  return exists ? NewProfileResult::ExistingChosen : NewProfileResult::Created;
}

bool ProfileDialogModel::RemoveSelected() {
  const std::string name = SelectedName();
  if (name.empty()) return false;
  const bool removed = store_.RemoveProfile(name);
  ListProfiles("");
  return removed;
}

void ProfileDialogModel::ResetCurrent() {
  store_.ResetProfileOptions();
  store_.SaveProfileOptions();
}

void ProfileDialogModel::ConfirmChoice() {
  const std::string name = SelectedName();
  store_.WriteCurrentProfile(name.empty() ? store_.FallbackProfileName() : name);
  store_.LoadProfileOptions();
}

}  // namespace tavlo
