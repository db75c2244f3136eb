#include "profiles/FontDialog.h"

#include <imgui.h>

#include <algorithm>
#include <optional>

#include "profiles/DialogLook.h"
#include "profiles/FontDialogModel.h"

namespace tavlo {
namespace {

constexpr float kDialogWidth = 460.0f;
constexpr int kVisibleFamilies = 8;

}  // namespace

FontDialog::FontDialog(FontDialogModel& model, FontDialogKeys& keys, DialogChrome chrome)
    : OkCancelDialog("FontDialog", kDialogWidth, keys, std::move(chrome)),
      model_(model),
      keys_(keys) {}

void FontDialog::OnKey(int key_code, int shift) {
  OkCancelDialog::OnKey(key_code, shift);
  scroll_frames_ = std::max(scroll_frames_, 1);
}

void FontDialog::DrawControls(DialogPictures& /*pictures*/) {
  const auto& families = model_.Families();
  const bool list_focused = keys_.Focused() == FontDialogControl::FontList;
  if (dialog_look::BeginRoomyList("##fontList", kVisibleFamilies)) {
    std::optional<dialog_look::ItemRect> selected_row;
    for (size_t i = 0; i < families.size(); ++i) {
      const bool selected = static_cast<int>(i) == model_.Selected;
      ImGui::PushID(static_cast<int>(i));
      if (ImGui::Selectable(families[i].c_str(), selected, ImGuiSelectableFlags_AllowDoubleClick)) {
        model_.Selected = static_cast<int>(i);
        keys_.Focus(FontDialogControl::FontList);
        // A double click is the quick way to choose and confirm.
        if (ImGui::IsMouseDoubleClicked(ImGuiMouseButton_Left)) keys_.Confirm();
      }
      if (selected) selected_row = dialog_look::LastItemRect();
      if (selected && scroll_frames_ > 0) ImGui::SetScrollHereY(0.5f);
      ImGui::PopID();
    }
    // Drawn after all rows, so that the row below cannot paint over it.
    if (selected_row && keys_.ListOpen()) {
      dialog_look::DrawFocusBorder(*selected_row, BorderPlace::Inside);
    }
    dialog_look::EndRoomyList();
  }
  if (scroll_frames_ > 0) --scroll_frames_;
  if (list_focused && !keys_.ListOpen()) dialog_look::DrawFocusBorder();
}

}  // namespace tavlo
