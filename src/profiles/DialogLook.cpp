#include "profiles/DialogLook.h"

#include <imgui.h>

#include <algorithm>
#include <string_view>

#include "platform/TextWrap.h"

namespace tavlo::dialog_look {
namespace {

constexpr float kIconSize = 24.0f;
constexpr float kButtonWidth = 56.0f;
constexpr float kButtonHeight = 48.0f;
constexpr float kFocusThickness = 4.0f;
// The back colour of the button pictures.
const ImVec4 kButtonBack(212 / 255.0f, 208 / 255.0f, 200 / 255.0f, 1.0f);

ImTextureID TextureIdOf(DialogPictures& pictures, const Surface& picture) {
  return reinterpret_cast<ImTextureID>(pictures.TextureOf(picture));
}

}  // namespace

void BeginDialogWindow(const char* id, float width, const DialogChrome& chrome,
                       DialogPictures& pictures) {
  const ImVec2 screen = ImGui::GetIO().DisplaySize;
  ImGui::SetNextWindowPos(ImVec2(screen.x / 2, screen.y / 2), ImGuiCond_Always, ImVec2(0.5f, 0.5f));
  ImGui::SetNextWindowSize(ImVec2(width, 0));
  ImGui::Begin(id, nullptr,
               ImGuiWindowFlags_NoTitleBar | ImGuiWindowFlags_NoCollapse | ImGuiWindowFlags_NoMove |
                   ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoSavedSettings);
  // ImGui's own title bar cannot hold a picture, so the title row with the
  // tool icon is drawn as the window's first line.
  const ImTextureID icon = TextureIdOf(pictures, chrome.Icon);
  if (icon) {
    const float row_y = ImGui::GetCursorPosY();
    ImGui::Image(icon, ImVec2(kIconSize, kIconSize));
    ImGui::SameLine();
    ImGui::SetCursorPosY(row_y + (kIconSize - ImGui::GetFontSize()) / 2);
  }
  ImGui::TextUnformatted(chrome.Title.c_str());
  ImGui::Separator();
  ImGui::Spacing();
}

bool PictureButton(const char* id, const char* text, const Surface& picture,
                   DialogPictures& pictures) {
  const ImTextureID texture = TextureIdOf(pictures, picture);
  if (!texture) return ImGui::Button(text, ImVec2(110, kButtonHeight + 8));
  ImGui::PushID(id);
  const bool pressed = ImGui::ImageButton(texture, ImVec2(kButtonWidth, kButtonHeight),
                                          ImVec2(0, 0), ImVec2(1, 1), 4, kButtonBack);
  ImGui::PopID();
  return pressed;
}

ItemRect LastItemRect() {
  const ImVec2 min = ImGui::GetItemRectMin();
  const ImVec2 max = ImGui::GetItemRectMax();
  return ItemRect{min.x, min.y, max.x, max.y};
}

void DrawFocusBorder(const ItemRect& item, BorderPlace place) {
  // Inside a list the border keeps to the row, whose highlight reaches half
  // the item spacing above and below the text.
  const float half_line = kFocusThickness / 2;
  const float pad_x = place == BorderPlace::Around ? half_line + 1 : -(half_line + 1);
  const float pad_y = place == BorderPlace::Around
                          ? half_line + 1
                          : ImGui::GetStyle().ItemSpacing.y / 2 - half_line;
  ImGui::GetWindowDrawList()->AddRect(ImVec2(item.Left - pad_x, item.Top - pad_y),
                                      ImVec2(item.Right + pad_x, item.Bottom + pad_y),
                                      IM_COL32(0, 0, 255, 255), 4.0f, 0, kFocusThickness);
}

bool BeginRoomyList(const char* id, int visible_rows) {
  ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, ImVec2(8, 6));
  ImGui::PushStyleVar(ImGuiStyleVar_ItemSpacing, ImVec2(8, 8));
  const float height = ImGui::GetTextLineHeightWithSpacing() * static_cast<float>(visible_rows) +
                       ImGui::GetStyle().FramePadding.y * 2;
  if (!ImGui::BeginListBox(id, ImVec2(-1, height))) {
    ImGui::PopStyleVar(2);
    return false;
  }
  // The list clips at its top edge, which would cut the first row's border.
  ImGui::Dummy(ImVec2(0, 1));
  return true;
}

void EndRoomyList() {
  ImGui::Dummy(ImVec2(0, 1));
  ImGui::EndListBox();
  ImGui::PopStyleVar(2);
}

void WrappedText(const std::string& text, int min_lines, std::uint32_t color) {
  const float width = ImGui::GetContentRegionAvail().x;
  const auto lines = WrapAtBlanks(text, width, [](std::string_view piece) {
    return ImGui::CalcTextSize(piece.data(), piece.data() + piece.size()).x;
  });
  if (color != 0) ImGui::PushStyleColor(ImGuiCol_Text, color);
  for (size_t i = 0; i < std::max(lines.size(), static_cast<size_t>(min_lines)); ++i) {
    ImGui::TextUnformatted(i < lines.size() ? lines[i].c_str() : "");
  }
  if (color != 0) ImGui::PopStyleColor();
}

OkCancelButton DrawOkCancelButtons(const DialogChrome& chrome, DialogPictures& pictures,
                                   DialogButtons buttons, OkCancelButton focused) {
  ImGui::Spacing();
  ImGui::Separator();
  ImGui::Spacing();
  const ImGuiStyle& style = ImGui::GetStyle();
  const bool with_cancel = buttons == DialogButtons::OkAndCancel;
  const float button = kButtonWidth + 8;
  const float gap = 40.0f;
  const float row = with_cancel ? 2 * button + gap : button;
  ImGui::SetCursorPosX((ImGui::GetWindowWidth() - row) / 2);
  ImGui::PushStyleColor(ImGuiCol_Button, kButtonBack);
  OkCancelButton pressed = OkCancelButton::None;
  if (PictureButton("OKButton", "OK", chrome.OkPicture, pictures)) pressed = OkCancelButton::Ok;
  if (focused == OkCancelButton::Ok) DrawFocusBorder();
  if (with_cancel) {
    ImGui::SameLine(0, gap);
    if (PictureButton("CancelButton", "Cancel", chrome.CancelPicture, pictures)) {
      pressed = OkCancelButton::Cancel;
    }
    if (focused == OkCancelButton::Cancel) DrawFocusBorder();
  }
  ImGui::PopStyleColor();
  ImGui::Dummy(ImVec2(0, style.ItemSpacing.y));
  return pressed;
}

}  // namespace tavlo::dialog_look
