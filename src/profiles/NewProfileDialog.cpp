#include "profiles/NewProfileDialog.h"

#include <imgui.h>

#include "profiles/DialogLook.h"
#include "profiles/NewProfileModel.h"

namespace tavlo {
namespace {

constexpr float kDialogWidth = 520.0f;
constexpr float kKeySize = 46.0f;
constexpr float kKeyGap = 8.0f;
constexpr ImU32 kProblemColor = IM_COL32(190, 20, 20, 255);

}  // namespace

NewProfileDialog::NewProfileDialog(NewProfileModel& model, NewProfileKeys& keys,
                                   DialogChrome chrome)
    : OkCancelDialog("NewProfileDialog", kDialogWidth, keys, std::move(chrome)),
      model_(model),
      keys_(keys) {}

void NewProfileDialog::DrawControls(DialogPictures& /*pictures*/) {
  dialog_look::WrappedText(model_.Texts().Question, 1);
  DrawNameBox();
  dialog_look::WrappedText(model_.Problem(), 2, kProblemColor);
  DrawKeyboard();
}

void NewProfileDialog::DrawNameBox() {
  const ImGuiStyle& style = ImGui::GetStyle();
  const float width = ImGui::GetContentRegionAvail().x;
  const float height = ImGui::GetFontSize() + style.FramePadding.y * 2;
  const ImVec2 corner = ImGui::GetCursorScreenPos();
  if (ImGui::InvisibleButton("##newProfileTextBox", ImVec2(width, height))) keys_.FocusNameBox();
  ImDrawList* draw = ImGui::GetWindowDrawList();
  const ImVec2 far_corner(corner.x + width, corner.y + height);
  draw->AddRectFilled(corner, far_corner, IM_COL32_WHITE, style.FrameRounding);
  draw->AddRect(corner, far_corner, IM_COL32(120, 120, 120, 255), style.FrameRounding);
  // The caret stands after the name: letters are only ever added there.
  const std::string shown = model_.Name() + "|";
  draw->PushClipRect(corner, far_corner, true);
  draw->AddText(ImVec2(corner.x + style.FramePadding.x, corner.y + style.FramePadding.y),
                IM_COL32(0, 0, 0, 255), shown.c_str());
  draw->PopClipRect();
  if (keys_.NameBoxFocused()) dialog_look::DrawFocusBorder();
}

void NewProfileDialog::DrawKeyboard() {
  ImGui::Spacing();
  const auto& rows = model_.Rows();
  ImGui::PushStyleVar(ImGuiStyleVar_ItemSpacing, ImVec2(kKeyGap, kKeyGap));
  ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, ImVec2(4, 4));
  for (size_t row = 0; row < rows.size(); ++row) {
    const bool row_focused = keys_.FocusedRow() == static_cast<int>(row);
    ImGui::BeginGroup();
    for (size_t key = 0; key < rows[row].size(); ++key) {
      const KeyboardKey& button = rows[row][key];
      if (key > 0) ImGui::SameLine();
      ImGui::PushID(static_cast<int>(row * 100 + key));
      // The blank and the rub-out key are wide enough for their words.
      const float width = button.Type == KeyboardKey::Kind::Letter
                              ? kKeySize
                              : ImGui::CalcTextSize(model_.Caption(button).c_str()).x + 32;
      if (ImGui::Button(model_.Caption(button).c_str(), ImVec2(width, kKeySize))) {
        keys_.PressKey(static_cast<int>(row), static_cast<int>(key));
      }
      if (row_focused && keys_.FocusedKey() == static_cast<int>(key)) {
        dialog_look::DrawFocusBorder();
      }
      ImGui::PopID();
    }
    ImGui::EndGroup();
    // The whole row is framed while it is the choice: before it is stepped
    // into, and on the stop that leaves it.
    const int stops = static_cast<int>(rows[row].size());
    if (row_focused && (keys_.FocusedKey() < 0 || keys_.FocusedKey() == stops)) {
      dialog_look::DrawFocusBorder();
    }
  }
  ImGui::PopStyleVar(2);
}

}  // namespace tavlo
