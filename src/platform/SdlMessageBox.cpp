#include "platform/SdlMessageBox.h"

#include <imgui.h>

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/InputEvent.h"
#include "platform/ModalDialog.h"
#include "platform/SdlImGuiHost.h"
#include "platform/TextWrap.h"

namespace tavlo {
namespace {

constexpr float kBoxWidth = 520.0f;
constexpr float kButtonWidth = 110.0f;

struct IconLook {
  ImU32 Color;
  const char* Glyph;
};

IconLook LookOf(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Critical:
      return {IM_COL32(200, 30, 30, 255), "X"};
    case MessageIcon::Exclamation:
      return {IM_COL32(230, 170, 0, 255), "!"};
    case MessageIcon::Information:
      return {IM_COL32(0, 114, 188, 255), "i"};
    case MessageIcon::None:
      break;
  }
  return {0, nullptr};
}

// The box itself: its text, icon and buttons, and which button is highlighted.
class MessageBoxDialog : public ModalDialog {
 public:
  MessageBoxDialog(const std::string& text, const std::string& title, MessageButtons buttons,
                   MessageIcon icon, const MessageButtonWords& words)
      : text_(text), title_(title), icon_(icon) {
    if (buttons != MessageButtons::Ok) {
      choices_ = {{words.Yes, MessageAnswer::Yes}, {words.No, MessageAnswer::No}};
      // A question whose Yes destroys something starts on No, so that a
      // switch pressed twice by mistake does no harm.
      if (buttons == MessageButtons::YesNoDefaultNo) highlighted_ = 1;
    } else {
      choices_ = {{words.Ok, MessageAnswer::Ok}};
    }
  }

  // The last button is the harmless one: No, or the only OK.
  MessageAnswer Result() const { return answer_.value_or(choices_.back().second); }

  bool Closed() const override { return answer_.has_value(); }

  void Answer(DialogAnswer answer) override {
    answer_ = answer == DialogAnswer::Ok ? choices_.front().second : choices_.back().second;
  }

  void OnKey(int key_code, int) override {
    switch (key_code) {
      case keys::kEnter:
        answer_ = choices_[highlighted_].second;
        break;
      case keys::kSpace:
      case keys::kTab:
      case keys::kRight:
      case keys::kDown:
        highlighted_ = (highlighted_ + 1) % choices_.size();
        break;
      case keys::kLeft:
      case keys::kUp:
        highlighted_ = (highlighted_ + choices_.size() - 1) % choices_.size();
        break;
      case keys::kEscape:
        Answer(DialogAnswer::Cancel);
        break;
      default:
        break;
    }
  }

  bool DrawFrame(DialogPictures&) override {
    if (Closed()) return false;
    const ImVec2 screen = ImGui::GetIO().DisplaySize;
    ImGui::SetNextWindowPos(ImVec2(screen.x / 2, screen.y / 2), ImGuiCond_Always,
                            ImVec2(0.5f, 0.5f));
    ImGui::SetNextWindowSize(ImVec2(kBoxWidth, 0));
    ImGui::Begin(title_.c_str(), nullptr,
                 ImGuiWindowFlags_NoCollapse | ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoResize |
                     ImGuiWindowFlags_NoSavedSettings);
    DrawIcon();
    DrawText();
    ImGui::Spacing();
    ImGui::Separator();
    ImGui::Spacing();
    DrawButtons();
    ImGui::End();
    return true;
  }

 private:
  void DrawIcon() const {
    const IconLook look = LookOf(icon_);
    if (!look.Glyph) return;
    const ImVec2 corner = ImGui::GetCursorScreenPos();
    const float radius = ImGui::GetFontSize() * 0.8f;
    ImDrawList* draw = ImGui::GetWindowDrawList();
    draw->AddCircleFilled(ImVec2(corner.x + radius, corner.y + radius), radius, look.Color);
    const ImVec2 glyph_size = ImGui::CalcTextSize(look.Glyph);
    draw->AddText(
        ImVec2(corner.x + radius - glyph_size.x / 2, corner.y + radius - glyph_size.y / 2),
        IM_COL32_WHITE, look.Glyph);
    ImGui::Dummy(ImVec2(radius * 2, radius * 2));
    ImGui::SameLine(0, 14);
  }

  // ImGui would also break lines after dots and commas, which tears a file
  // name such as "paths.txt" into what reads as two names.
  void DrawText() const {
    const float width = ImGui::GetContentRegionAvail().x;
    ImGui::BeginGroup();
    for (const std::string& line : WrapAtBlanks(text_, width, [](std::string_view piece) {
           return ImGui::CalcTextSize(piece.data(), piece.data() + piece.size()).x;
         })) {
      ImGui::TextUnformatted(line.c_str());
    }
    ImGui::EndGroup();
  }

  void DrawButtons() {
    const float spacing = ImGui::GetStyle().ItemSpacing.x;
    const auto count = static_cast<float>(choices_.size());
    const float row = kButtonWidth * count + spacing * (count - 1);
    ImGui::SetCursorPosX((ImGui::GetWindowWidth() - row) / 2);
    // Only a moving pointer takes the highlight, so that a pointer resting on
    // a button does not undo the switch user's steps.
    const ImVec2 delta = ImGui::GetIO().MouseDelta;
    const bool pointer_moved = delta.x != 0.0f || delta.y != 0.0f;
    for (size_t i = 0; i < choices_.size(); ++i) {
      if (i > 0) ImGui::SameLine();
      const bool is_highlighted = i == highlighted_;
      if (is_highlighted) {
        ImGui::PushStyleColor(ImGuiCol_Border, IM_COL32(0, 0, 255, 255));
        ImGui::PushStyleVar(ImGuiStyleVar_FrameBorderSize, 4.0f);
      }
      // Two buttons may carry the same word; the index keeps their ImGui ids apart.
      ImGui::PushID(static_cast<int>(i));
      if (ImGui::Button(choices_[i].first.c_str(), ImVec2(kButtonWidth, 0))) {
        answer_ = choices_[i].second;
      }
      ImGui::PopID();
      if (pointer_moved && ImGui::IsItemHovered()) highlighted_ = i;
      if (is_highlighted) {
        ImGui::PopStyleVar();
        ImGui::PopStyleColor();
      }
    }
  }

  std::string text_;
  std::string title_;
  MessageIcon icon_;
  std::vector<std::pair<std::string, MessageAnswer>> choices_;
  size_t highlighted_ = 0;
  std::optional<MessageAnswer> answer_;
};

}  // namespace

MessageAnswer SdlMessageBox::Run(const std::string& text, const std::string& title,
                                 MessageButtons buttons, MessageIcon icon,
                                 const MessageButtonWords& words,
                                 const std::function<void()>& draw_background) {
  MessageBoxDialog dialog(text, title, buttons, icon, words);
  host_.Run(dialog, draw_background);
  return dialog.Result();
}

}  // namespace tavlo
