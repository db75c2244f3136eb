#include "platform/SdlImGuiHost.h"

#include <SDL.h>
#include <imgui.h>
#include <imgui_impl_sdl.h>

#include <string>

#include "platform/Fonts.h"
#include "platform/ImGuiRenderer.h"
#include "platform/SdlKeys.h"

namespace tavlo {
namespace {

constexpr float kTextSize = 22.0f;
// ImGui lays a new window out over a few frames; draw that many after each event.
constexpr int kFramesPerEvent = 3;
constexpr float kPictureWidth = 800.0f;
constexpr float kPictureHeight = 600.0f;

}  // namespace

SdlImGuiHost::SdlImGuiHost(SDL_Window* window, SDL_Renderer* renderer)
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
  // Greyed-out controls must still be readable for the teacher.
  style.DisabledAlpha = 0.45f;
  // In lists the chosen entry must stand out more than the one under the
  // pointer, or a teacher cannot tell which font or list is chosen.
  style.Colors[ImGuiCol_Header] = ImVec4(0.45f, 0.65f, 0.95f, 1.0f);
  style.Colors[ImGuiCol_HeaderHovered] = ImVec4(0.82f, 0.88f, 0.97f, 1.0f);
  style.Colors[ImGuiCol_HeaderActive] = ImVec4(0.45f, 0.65f, 0.95f, 1.0f);
  // An open drop-down list covers what lies below it; see-through, the
  // controls behind would read as part of the list.
  style.Colors[ImGuiCol_PopupBg] = ImVec4(1.0f, 1.0f, 1.0f, 1.0f);
  ImGui_ImplSDL2_InitForSDLRenderer(window_);
  draw_lists_ = std::make_unique<ImGuiRenderer>(renderer_);
}

SdlImGuiHost::~SdlImGuiHost() {
  ReleaseTextures();
  draw_lists_.reset();
  ImGui_ImplSDL2_Shutdown();
  ImGui::DestroyContext();
}

std::uintptr_t SdlImGuiHost::TextureOf(const Surface& picture) {
  SDL_Surface* pixels = picture.NativeHandle();
  if (!pixels) return 0;
  auto found = textures_.find(pixels);
  if (found == textures_.end()) {
    found = textures_.emplace(pixels, SDL_CreateTextureFromSurface(renderer_, pixels)).first;
  }
  return reinterpret_cast<std::uintptr_t>(found->second);
}

void SdlImGuiHost::ReleaseTextures() {
  for (auto& [pixels, texture] : textures_) {
    if (texture) SDL_DestroyTexture(texture);
  }
  textures_.clear();
}

void SdlImGuiHost::Run(ModalDialog& dialog, const std::function<void()>& draw_background,
                       const std::function<void(const SDL_Event&)>& device_events) {
  int frames_to_draw = kFramesPerEvent;
  SDL_ShowCursor(SDL_ENABLE);
  // Typed text arrives as text events as well as key presses.
  SDL_StartTextInput();
  while (!dialog.Closed()) {
    SDL_Event event;
    const bool got = frames_to_draw > 0 ? SDL_PollEvent(&event) : SDL_WaitEvent(&event);
    if (!got) {
      --frames_to_draw;
      DrawFrame(dialog, draw_background);
      continue;
    }
    frames_to_draw = kFramesPerEvent;
    switch (event.type) {
      case SDL_KEYDOWN: {
        // A held switch must not become a stream of presses.
        if (event.key.repeat) break;
        const int key = VirtualKeyFromSdl(event.key.keysym.sym);
        if (key != 0) dialog.OnKey(key, ShiftStateFromSdl(event.key.keysym.mod));
        break;
      }
      case SDL_TEXTINPUT:
        dialog.OnText(event.text.text);
        break;
      case SDL_KEYUP:
      case SDL_JOYBUTTONUP:
        break;
      case SDL_JOYBUTTONDOWN:
        dialog.OnJoystickButton(event.jbutton.button);
        break;
      case SDL_JOYDEVICEADDED:
      case SDL_JOYDEVICEREMOVED:
        if (device_events) device_events(event);
        break;
      case SDL_QUIT:
        // Put back for the program, which ends in order once the dialog is gone.
        SDL_PushEvent(&event);
        quit_requested_ = true;
        dialog.Answer(DialogAnswer::Cancel);
        break;
      case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
          dialog.Answer(DialogAnswer::Cancel);
          break;
        }
        ImGui_ImplSDL2_ProcessEvent(&event);
        break;
      default:
        ImGui_ImplSDL2_ProcessEvent(&event);
        break;
    }
  }
  ReleaseTextures();
}

void SdlImGuiHost::DrawFrame(ModalDialog& dialog, const std::function<void()>& draw_background) {
  ImGui_ImplSDL2_NewFrame();
  // The renderer scales everything from the 800 x 600 picture to the window,
  // and SDL already reports the pointer in picture pixels.
  ImGuiIO& io = ImGui::GetIO();
  io.DisplaySize = ImVec2(kPictureWidth, kPictureHeight);
  io.DisplayFramebufferScale = ImVec2(1, 1);
  ImGui::NewFrame();
  // The picture behind is dimmed so that the dialog stands out as the one
  // thing that takes input.
  ImGui::GetBackgroundDrawList()->AddRectFilled(ImVec2(0, 0), io.DisplaySize,
                                                IM_COL32(0, 0, 0, 110));
  const bool open = dialog.DrawFrame(*this);
  ImGui::Render();
  if (!open || dialog.Closed()) return;
  draw_background();
  draw_lists_->Render(*ImGui::GetDrawData());
  SDL_RenderPresent(renderer_);
}

}  // namespace tavlo
