#include "profiles/AccessOptionsModel.h"

#include "state/ProfileStore.h"

namespace tavlo {
namespace {

int NextChoice(int value, std::span<const int> choices) {
  for (const int choice : choices) {
    if (choice > value) return choice;
  }
  return choices.front();
}

}  // namespace

AccessOptionsModel::AccessOptionsModel(ProfileStore& profile)
    : Settings(profile.Access), profile_(profile) {}

const SwitchSource& AccessOptionsModel::Switch(SwitchRole role) const {
  return role == SwitchRole::Step ? Settings.Switch1 : Settings.Switch2;
}

void AccessOptionsModel::StartLearning(SwitchRole role) {
  learning_ = role;
  same_switches_ = false;
}

bool AccessOptionsModel::Learn(const SwitchSource& source) {
  if (!learning_) return false;
  const std::string name = SwitchSourceName(source);
  // Only what the access file can name can be a switch.
  if (name.empty() || ParseSwitchSource(name) != source) return false;
  (*learning_ == SwitchRole::Step ? Settings.Switch1 : Settings.Switch2) = source;
  learning_.reset();
  return true;
}

void AccessOptionsModel::StepAccept() {
  Settings.AcceptMilliseconds = NextChoice(Settings.AcceptMilliseconds, kAcceptChoices);
}

void AccessOptionsModel::StepPostSelectPause() {
  Settings.PostSelectPauseMilliseconds =
      NextChoice(Settings.PostSelectPauseMilliseconds, kPauseChoices);
}

void AccessOptionsModel::StepFirstItemDelay() {
  Settings.FirstItemDelayMilliseconds =
      NextChoice(Settings.FirstItemDelayMilliseconds, kPauseChoices);
}

void AccessOptionsModel::StepScanLoops() {
  Settings.ScanLoops = Settings.ScanLoops >= kMostLoopsChoice ? 0 : Settings.ScanLoops + 1;
}

int AccessOptionsModel::ChoiceIndex(int value, std::span<const int> choices) {
  int index = 0;
  for (int i = 0; i < static_cast<int>(choices.size()); ++i) {
    if (choices[static_cast<std::size_t>(i)] <= value) index = i;
  }
  return index;
}

bool AccessOptionsModel::Store() {
  same_switches_ = Settings.Switch1 == Settings.Switch2;
  if (same_switches_) return false;
  profile_.Access = Settings;
  return true;
}

}  // namespace tavlo
