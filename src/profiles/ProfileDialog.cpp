#include "profiles/ProfileDialog.h"

#include <imgui.h>

#include <optional>

#include "profiles/DialogLook.h"
#include "profiles/ProfileDialogModel.h"

namespace tavlo {
namespace {

constexpr float kDialogWidth = 440.0f;
constexpr int kVisibleNames = 7;
const ImVec4 kButtonBack(212 / 255.0f, 208 / 255.0f, 200 / 255.0f, 1.0f);

}  // namespace

ProfileDialog::ProfileDialog(ProfileDialogModel& model, ProfileDialogKeys& keys,
                             const ProfileDialogLook& look, DialogChrome chrome)
    : OkCancelDialog("ProfileDialog", kDialogWidth, keys, std::move(chrome)),
      model_(model),
      keys_(keys),
      look_(look) {}

void ProfileDialog::DrawControls(DialogPictures& pictures) {
  DrawList();
  DrawButtons(pictures);
  DrawCaption();
}

void ProfileDialog::DrawList() {
  const auto& names = model_.Names();
  if (dialog_look::BeginRoomyList("##profileList", kVisibleNames)) {
    std::optional<dialog_look::ItemRect> selected_row;
    for (size_t i = 0; i < names.size(); ++i) {
      const bool selected = static_cast<int>(i) == model_.Selected;
      ImGui::PushID(static_cast<int>(i));
      if (ImGui::Selectable(names[i].c_str(), selected)) {
        model_.Selected = static_cast<int>(i);
        keys_.Focus(ProfileControl::ProfileList);
      }
      if (selected) selected_row = dialog_look::LastItemRect();
      if (selected && (scroll_frames_ > 0 || keys_.ListOpen())) ImGui::SetScrollHereY(0.5f);
      ImGui::PopID();
    }
    if (selected_row && keys_.ListOpen()) {
      dialog_look::DrawFocusBorder(*selected_row, BorderPlace::Inside);
    }
    dialog_look::EndRoomyList();
  }
  // The new window lays itself out over its first frames; then the list
  // follows the selection only while keys move it.
  if (scroll_frames_ > 0) --scroll_frames_;
  if (keys_.Focused() == ProfileControl::ProfileList && !keys_.ListOpen()) {
    dialog_look::DrawFocusBorder();
  }
  ImGui::Spacing();
}

void ProfileDialog::DrawButtons(DialogPictures& pictures) {
  struct Button {
    ProfileControl Control;
    ProfileAction Action;
    const char* Id;
    const char* Text;
    const Surface& Picture;
    const std::string& Tip;
  };
  const Button buttons[] = {
      {ProfileControl::NewButton, ProfileAction::New, "NewButton", "New", look_.NewPicture,
       look_.NewTip},
      {ProfileControl::RemoveButton, ProfileAction::Remove, "RemoveButton", "Remove",
       look_.RemovePicture, look_.RemoveTip},
      {ProfileControl::ResetButton, ProfileAction::Reset, "ResetButton", "Reset",
       look_.ResetPicture, look_.ResetTip},
  };
  ImGui::PushStyleColor(ImGuiCol_Button, kButtonBack);
  bool first = true;
  for (const Button& button : buttons) {
    if (!first) ImGui::SameLine(0, 24);
    first = false;
    ImGui::BeginDisabled(!keys_.Enabled(button.Control));
    if (dialog_look::PictureButton(button.Id, button.Text, button.Picture, pictures)) {
      keys_.Focus(button.Control);
      keys_.Request(button.Action);
    }
    ImGui::EndDisabled();
    if (ImGui::IsItemHovered(ImGuiHoveredFlags_AllowWhenDisabled)) {
      ImGui::SetTooltip("%s", button.Tip.c_str());
    }
    if (keys_.Focused() == button.Control) dialog_look::DrawFocusBorder();
  }
  ImGui::PopStyleColor();
}

void ProfileDialog::DrawCaption() {
  // A switch user cannot point at a button to learn what it does, so the
  // focused button says it here.
  std::string text = look_.Notice;
  if (text.empty()) {
    switch (keys_.Focused()) {
      case ProfileControl::NewButton:
        text = look_.NewTip;
        break;
      case ProfileControl::RemoveButton:
        text = look_.RemoveTip;
        break;
      case ProfileControl::ResetButton:
        text = look_.ResetTip;
        break;
      case ProfileControl::OKButton:
        text = look_.OkTip;
        break;
      case ProfileControl::ProfileList:
        break;
    }
  }
  ImGui::Spacing();
  dialog_look::WrappedText(text, 2);
}

}  // namespace tavlo
