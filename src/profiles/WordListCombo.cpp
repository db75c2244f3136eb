#include "profiles/WordListCombo.h"

#include <imgui.h>

#include "profiles/GeneralOptionsModel.h"

namespace tavlo {

bool DrawWordListCombo(const std::string& caption, GeneralOptionsModel& model) {
  ImGui::TextUnformatted(caption.c_str());
  ImGui::SetNextItemWidth(-1);
  bool chosen = false;
  const auto& lists = model.WordLists();
  if (ImGui::BeginCombo("##wordList", model.WordListText.c_str())) {
    for (size_t i = 0; i < lists.size(); ++i) {
      const bool selected = lists[i] == model.WordListText;
      ImGui::PushID(static_cast<int>(i));
      if (ImGui::Selectable(lists[i].c_str(), selected)) {
        model.SelectWordList(static_cast<int>(i));
        chosen = true;
      }
      if (selected) ImGui::SetItemDefaultFocus();
      ImGui::PopID();
    }
    ImGui::EndCombo();
  }
  return chosen;
}

}  // namespace tavlo
