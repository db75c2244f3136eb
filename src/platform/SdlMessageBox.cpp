#include "platform/SdlMessageBox.h"

#include <SDL.h>
#include <imgui.h>
#include <imgui_impl_sdl.h>
#include <imgui_impl_sdlrenderer.h>

#include <vector>

#include "platform/Fonts.h"

namespace tavlo {
namespace {

constexpr float kTextSize = 22.0f;
constexpr float kBoxWidth = 520.0f;
// ImGui lays a new window out over a few frames; draw that many after each event.
constexpr int kFramesPerEvent = 3;

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

}  // namespace

SdlMessageBox::SdlMessageBox(SDL_Window* window, SDL_Renderer* renderer)
    : window_(window), renderer_(renderer) {
  IMGUI_CHECKVERSION();
  ImGui::CreateContext();
  ImGuiIO& io = ImGui::GetIO();
  io.IniFilename = nullptr;
  const std::string font_file = FontLibrary::FindFontFile("Arial");
  if (font_file.empty() || !io.Fonts->AddFontFromFileTTF(font_file.c_str(), kTextSize)) {
    io.Fonts->AddFontDefault();
  }
  ImGui::StyleColorsLight();
  ImGuiStyle& style = ImGui::GetStyle();
  style.WindowRounding = 6.0f;
  style.FrameRounding = 4.0f;
  style.WindowPadding = ImVec2(18, 16);
  style.FramePadding = ImVec2(16, 8);
  ImGui_ImplSDL2_InitForSDLRenderer(window_);
  ImGui_ImplSDLRenderer_Init(renderer_);
}

SdlMessageBox::~SdlMessageBox() {
  ImGui_ImplSDLRenderer_Shutdown();
  ImGui_ImplSDL2_Shutdown();
  ImGui::DestroyContext();
}

MessageAnswer SdlMessageBox::Run(const std::string& text, const std::string& title,
                                 MessageButtons buttons, MessageIcon icon,
                                 const std::function<void()>& draw_background) {
  std::vector<std::pair<const char*, MessageAnswer>> choices;
  if (buttons == MessageButtons::YesNo) {
    choices = {{"Yes", MessageAnswer::Yes}, {"No", MessageAnswer::No}};
  } else {
    choices = {{"OK", MessageAnswer::Ok}};
  }
  const MessageAnswer escape_answer = choices.back().second;
  size_t highlighted = 0;
  std::optional<MessageAnswer> answer;
  int frames_to_draw = kFramesPerEvent;
  SDL_ShowCursor(SDL_ENABLE);

  while (!answer) {
    SDL_Event event;
    const bool got = frames_to_draw > 0 ? SDL_PollEvent(&event) : SDL_WaitEvent(&event);
    if (got) {
      frames_to_draw = kFramesPerEvent;
      ImGui_ImplSDL2_ProcessEvent(&event);
      if (event.type == SDL_KEYDOWN && !event.key.repeat) {
        switch (event.key.keysym.sym) {
          case SDLK_RETURN:
          case SDLK_KP_ENTER:
            answer = choices[highlighted].second;
            break;
          case SDLK_SPACE:
          case SDLK_TAB:
          case SDLK_RIGHT:
          case SDLK_DOWN:
            highlighted = (highlighted + 1) % choices.size();
            break;
          case SDLK_LEFT:
          case SDLK_UP:
            highlighted = (highlighted + choices.size() - 1) % choices.size();
            break;
          case SDLK_ESCAPE:
            answer = escape_answer;
            break;
          default:
            break;
        }
      } else if (event.type == SDL_QUIT) {
        // Put back for the program, which ends in order once this box is gone.
        SDL_PushEvent(&event);
        answer = escape_answer;
      } else if ((event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE)) {
        answer = escape_answer;
      }
      continue;
    }
    --frames_to_draw;

    ImGui_ImplSDLRenderer_NewFrame();
    ImGui_ImplSDL2_NewFrame();
    // The renderer scales everything from the 800 x 600 picture to the window,
    // and SDL already reports the pointer in picture pixels.
    ImGui::GetIO().DisplaySize = ImVec2(800, 600);
    ImGui::GetIO().DisplayFramebufferScale = ImVec2(1, 1);
    ImGui::NewFrame();
    const ImVec2 screen = ImGui::GetIO().DisplaySize;
    ImGui::GetBackgroundDrawList()->AddRectFilled(ImVec2(0, 0), screen, IM_COL32(0, 0, 0, 110));

    ImGui::SetNextWindowPos(ImVec2(screen.x / 2, screen.y / 2), ImGuiCond_Always,
                            ImVec2(0.5f, 0.5f));
    ImGui::SetNextWindowSize(ImVec2(kBoxWidth, 0));
    ImGui::Begin(title.c_str(), nullptr,
                 ImGuiWindowFlags_NoCollapse | ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoResize |
                     ImGuiWindowFlags_NoSavedSettings);
    const IconLook look = LookOf(icon);
    if (look.Glyph) {
      const ImVec2 corner = ImGui::GetCursorScreenPos();
      const float radius = kTextSize * 0.8f;
      ImDrawList* draw = ImGui::GetWindowDrawList();
      draw->AddCircleFilled(ImVec2(corner.x + radius, corner.y + radius), radius, look.Color);
      const ImVec2 glyph_size = ImGui::CalcTextSize(look.Glyph);
      draw->AddText(
          ImVec2(corner.x + radius - glyph_size.x / 2, corner.y + radius - glyph_size.y / 2),
          IM_COL32_WHITE, look.Glyph);
      ImGui::Dummy(ImVec2(radius * 2, radius * 2));
      ImGui::SameLine(0, 14);
    }
    ImGui::PushTextWrapPos(0.0f);
    ImGui::TextUnformatted(text.c_str());
    ImGui::PopTextWrapPos();
    ImGui::Spacing();
    ImGui::Separator();
    ImGui::Spacing();

    const float button_width = 110.0f;
    const float spacing = ImGui::GetStyle().ItemSpacing.x;
    const float row = button_width * static_cast<float>(choices.size()) +
                      spacing * static_cast<float>(choices.size() - 1);
    ImGui::SetCursorPosX((ImGui::GetWindowWidth() - row) / 2);
    for (size_t i = 0; i < choices.size(); ++i) {
      if (i > 0) ImGui::SameLine();
      const bool is_highlighted = i == highlighted;
      if (is_highlighted) {
        ImGui::PushStyleColor(ImGuiCol_Border, IM_COL32(0, 0, 255, 255));
        ImGui::PushStyleVar(ImGuiStyleVar_FrameBorderSize, 4.0f);
      }
      if (ImGui::Button(choices[i].first, ImVec2(button_width, 0))) answer = choices[i].second;
      if (ImGui::IsItemHovered()) highlighted = i;
      if (is_highlighted) {
        ImGui::PopStyleVar();
        ImGui::PopStyleColor();
      }
    }
    ImGui::End();
    ImGui::Render();

    draw_background();
    ImGui_ImplSDLRenderer_RenderDrawData(ImGui::GetDrawData());
    SDL_RenderPresent(renderer_);
  }
  return *answer;
}

}  // namespace tavlo
