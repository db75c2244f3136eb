#include "profiles/AccessOptionsDialog.h"

#include <imgui.h>

#include <cstdio>

#include "platform/InputEvent.h"
#include "profiles/AccessOptionsModel.h"
#include "profiles/DialogLook.h"

namespace tavlo {
namespace {

constexpr float kDialogWidth = 640.0f;
// Where the controls start, right of their captions.
constexpr float kControlsLeft = 330.0f;
constexpr ImU32 kProblemColour = IM_COL32(190, 30, 30, 255);

std::string Seconds(int milliseconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%g s", milliseconds / 1000.0);
  return text;
}

}  // namespace

AccessOptionsDialog::AccessOptionsDialog(AccessOptionsModel& model, AccessOptionsKeys& keys,
                                         AccessOptionsCaptions captions, DialogChrome chrome)
    : OkCancelDialog("AccessOptions", kDialogWidth, keys, std::move(chrome)),
      model_(model),
      keys_(keys),
      captions_(std::move(captions)) {}

bool AccessOptionsDialog::WantsRawInput() const { return model_.Learning().has_value(); }

void AccessOptionsDialog::Caption(const std::string& caption) {
  ImGui::AlignTextToFramePadding();
  ImGui::TextUnformatted(caption.c_str());
  ImGui::SameLine(kControlsLeft);
  ImGui::SetNextItemWidth(-1);
}

void AccessOptionsDialog::MarkFocus(AccessOptionsControl control) {
  if (keys_.Focused() == control) dialog_look::DrawFocusBorder();
  ImGui::Spacing();
}

void AccessOptionsDialog::DrawControls(DialogPictures& /*pictures*/) {
  // A click that starts learning must not be learnt itself.
  const bool was_learning = model_.Learning().has_value();
  DrawCheckBox(AccessOptionsControl::SpeakHighlight, captions_.SpeakHighlight,
               model_.Settings.SpeakHighlight);
  DrawSwitch(AccessOptionsControl::StepSwitch, SwitchRole::Step, captions_.StepSwitch,
             was_learning);
  DrawSwitch(AccessOptionsControl::SelectSwitch, SwitchRole::Select, captions_.SelectSwitch,
             was_learning);
  DrawTime(AccessOptionsControl::Accept, captions_.Accept, model_.Settings.AcceptMilliseconds,
           AccessOptionsModel::kAcceptChoices);
  DrawTime(AccessOptionsControl::PostSelectPause, captions_.PostSelectPause,
           model_.Settings.PostSelectPauseMilliseconds, AccessOptionsModel::kPauseChoices);
  DrawTime(AccessOptionsControl::FirstItemDelay, captions_.FirstItemDelay,
           model_.Settings.FirstItemDelayMilliseconds, AccessOptionsModel::kPauseChoices);
  DrawLoops();
  DrawCheckBox(AccessOptionsControl::ScanFrameButtons, captions_.ScanFrameButtons,
               model_.Settings.ScanFrameButtons);
  // The line is kept even when empty, so the buttons below do not jump.
  dialog_look::WrappedText(model_.SameSwitches() ? captions_.SameSwitches : "", 1, kProblemColour);
}

void AccessOptionsDialog::DrawCheckBox(AccessOptionsControl control, const std::string& caption,
                                       bool& value) {
  if (ImGui::Checkbox(caption.c_str(), &value)) keys_.Focus(control);
  MarkFocus(control);
}

void AccessOptionsDialog::DrawSwitch(AccessOptionsControl control, SwitchRole role,
                                     const std::string& caption, bool was_learning) {
  Caption(caption);
  const bool learning = model_.Learning() == role;
  const std::string text =
      (learning ? captions_.PressNewSwitch : SwitchSourceName(model_.Switch(role))) + "##" +
      std::to_string(static_cast<int>(control));
  if (ImGui::Button(text.c_str(), ImVec2(-1, 0)) && !learning) {
    keys_.Focus(control);
    model_.StartLearning(role);
  }
  // A mouse button that is a switch is learnt by clicking this button with it.
  if (learning && was_learning && ImGui::IsItemHovered()) {
    const std::pair<ImGuiMouseButton, int> mouse[] = {{ImGuiMouseButton_Left, mouse_buttons::kLeft},
                                                      {ImGuiMouseButton_Right, mouse_buttons::kRight},
                                                      {ImGuiMouseButton_Middle, mouse_buttons::kMiddle}};
    for (const auto& [button, code] : mouse) {
      if (ImGui::IsMouseClicked(button)) model_.Learn(SwitchSource::Mouse(code));
    }
  }
  MarkFocus(control);
}

void AccessOptionsDialog::DrawTime(AccessOptionsControl control, const std::string& caption,
                                   int& milliseconds, std::span<const int> choices) {
  Caption(caption);
  int index = AccessOptionsModel::ChoiceIndex(milliseconds, choices);
  // The slider shows the time, not the choice's number.
  const std::string shown = Seconds(milliseconds);
  const std::string id = "##" + std::to_string(static_cast<int>(control));
  if (ImGui::SliderInt(id.c_str(), &index, 0, static_cast<int>(choices.size()) - 1,
                       shown.c_str(), ImGuiSliderFlags_AlwaysClamp)) {
    milliseconds = choices[static_cast<std::size_t>(index)];
  }
  if (ImGui::IsItemActivated()) keys_.Focus(control);
  MarkFocus(control);
}

void AccessOptionsDialog::DrawLoops() {
  Caption(captions_.ScanLoops);
  int loops = model_.Settings.ScanLoops;
  const std::string shown = loops == 0 ? captions_.NeverRest : std::to_string(loops);
  if (ImGui::SliderInt("##loops", &loops, 0, AccessOptionsModel::kMostLoopsChoice, shown.c_str(),
                       ImGuiSliderFlags_AlwaysClamp)) {
    model_.Settings.ScanLoops = loops;
  }
  if (ImGui::IsItemActivated()) keys_.Focus(AccessOptionsControl::ScanLoops);
  MarkFocus(AccessOptionsControl::ScanLoops);
}

}  // namespace tavlo
