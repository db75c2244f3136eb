#include "profiles/GeneralOptionsDialog.h"

#include <imgui.h>

#include "profiles/DialogLook.h"
#include "profiles/GeneralOptionsModel.h"
#include "profiles/WordListCombo.h"

namespace tavlo {
namespace {

constexpr float kDialogWidth = 480.0f;

bool IsFocused(const GeneralOptionsKeys& keys, GeneralOptionsControl control) {
  return keys.Focused() == control;
}

}  // namespace

GeneralOptionsDialog::GeneralOptionsDialog(GeneralOptionsModel& model, GeneralOptionsKeys& keys,
                                           GeneralOptionsCaptions captions, DialogChrome chrome)
    : OkCancelDialog("GeneralOptions", kDialogWidth, keys, std::move(chrome)),
      model_(model),
      keys_(keys),
      captions_(std::move(captions)) {}

void GeneralOptionsDialog::DrawControls(DialogPictures& /*pictures*/) {
  DrawWordList();
  if (ImGui::Checkbox(captions_.RandomWord.c_str(), &model_.RandomWord)) {
    keys_.Focus(GeneralOptionsControl::RandomWord);
  }
  if (IsFocused(keys_, GeneralOptionsControl::RandomWord)) dialog_look::DrawFocusBorder();
  DrawRewardControls();
}

void GeneralOptionsDialog::DrawWordList() {
  if (DrawWordListCombo(captions_.WordListLabel, model_)) {
    keys_.Focus(GeneralOptionsControl::WordList);
  }
  if (IsFocused(keys_, GeneralOptionsControl::WordList)) dialog_look::DrawFocusBorder();
  ImGui::Spacing();
}

void GeneralOptionsDialog::DrawRewardControls() {
  ImGui::BeginDisabled(!model_.RewardControlsEnabled());
  bool reward = model_.Reward;
  if (ImGui::Checkbox(captions_.Reward.c_str(), &reward)) {
    model_.SetReward(reward);
    keys_.Focus(GeneralOptionsControl::Reward);
  }
  if (IsFocused(keys_, GeneralOptionsControl::Reward)) dialog_look::DrawFocusBorder();
  ImGui::Spacing();

  // The label and the slider go grey together whenever rewards are off.
  ImGui::BeginDisabled(!model_.FrequencyEnabled());
  ImGui::TextUnformatted(captions_.FreqLabel.c_str());
  int frequency = model_.RewardFrequency;
  ImGui::SetNextItemWidth(-1);
  if (ImGui::SliderInt("##rewardFrequency", &frequency, GeneralOptionsModel::kLowestFrequency,
                       GeneralOptionsModel::kHighestFrequency, "%d",
                       ImGuiSliderFlags_AlwaysClamp)) {
    model_.SetRewardFrequency(frequency);
  }
  if (ImGui::IsItemActivated()) keys_.Focus(GeneralOptionsControl::RewardFrequency);
  if (IsFocused(keys_, GeneralOptionsControl::RewardFrequency)) dialog_look::DrawFocusBorder();
  ImGui::EndDisabled();
  ImGui::EndDisabled();
}

}  // namespace tavlo
