#include "profiles/Options15Dialog.h"

#include <imgui.h>

#include <string>

#include "profiles/DialogLook.h"
#include "profiles/Options15Model.h"
#include "profiles/WordListCombo.h"

namespace tavlo {
namespace {

constexpr float kDialogWidth = 480.0f;

}  // namespace

Options15Dialog::Options15Dialog(Options15Model& model, Options15Keys& keys,
                                 Options15Captions captions, DialogChrome chrome)
    : OkCancelDialog("Options15", kDialogWidth, keys, std::move(chrome)),
      model_(model),
      keys_(keys),
      captions_(std::move(captions)) {}

void Options15Dialog::DrawControls(DialogPictures& /*pictures*/) {
  if (DrawWordListCombo(captions_.WordListLabel, model_.General())) {
    keys_.Focus(Options15Control::WordList);
  }
  if (keys_.Focused() == Options15Control::WordList) dialog_look::DrawFocusBorder();
  ImGui::Spacing();

  if (ImGui::Checkbox(captions_.RandomWord.c_str(), &model_.General().RandomWord)) {
    keys_.Focus(Options15Control::RandomWord);
  }
  if (keys_.Focused() == Options15Control::RandomWord) dialog_look::DrawFocusBorder();
  ImGui::Spacing();

  DrawSpeeds();
}

void Options15Dialog::DrawSpeeds() {
  // The speeds stand in a framed row under their caption, slow to fast,
  // each named by its pixels a second.
  ImGui::TextUnformatted(captions_.SpeedLabel.c_str());
  const ImGuiStyle& style = ImGui::GetStyle();
  const float frame_height = ImGui::GetFrameHeight() + 2 * style.WindowPadding.y;
  ImGui::BeginChild("speedLabel", ImVec2(0, frame_height), true, ImGuiWindowFlags_NoScrollbar);
  for (int i = 0; i < static_cast<int>(kGame15Speeds.size()); ++i) {
    const auto control =
        static_cast<Options15Control>(static_cast<int>(Options15Control::SlowSpeed) + i);
    if (i > 0) ImGui::SameLine(0, 40.0f);
    const std::string caption = std::to_string(kGame15Speeds[static_cast<size_t>(i)]);
    if (ImGui::RadioButton(caption.c_str(), model_.SpeedIndex == i)) {
      model_.SelectSpeed(i);
      keys_.Focus(control);
    }
    if (keys_.Focused() == control) dialog_look::DrawFocusBorder();
  }
  ImGui::EndChild();
}

}  // namespace tavlo
