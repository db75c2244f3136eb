#pragma once

#include <functional>
#include <map>
#include <memory>

#include "platform/ModalDialog.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Surface;
struct SDL_Texture;
union SDL_Event;

namespace tavlo {

class ImGuiRenderer;

// The one Dear ImGui context of the window and its SDL back-ends, and the
// modal loop every in-window dialog (message boxes, option dialogs) runs in.
// The loop waits for events and draws only a few frames after each one, so an
// open dialog costs no processor time while nobody touches it.
class SdlImGuiHost : public DialogPictures {
 public:
  SdlImGuiHost(SDL_Window* window, SDL_Renderer* renderer);
  ~SdlImGuiHost() override;
  SdlImGuiHost(const SdlImGuiHost&) = delete;
  SdlImGuiHost& operator=(const SdlImGuiHost&) = delete;

  // Runs the dialog until it closes. draw_background draws the picture behind
  // the dialog on the renderer. Keys go to the dialog's OnKey, joystick
  // buttons to its OnJoystickButton and typed text to its OnText, never to
  // ImGui; the mouse goes to ImGui. Joysticks plugged in or out meanwhile go
  // to device_events. A request to end the program cancels the dialog and is
  // put back for the program to act on.
  void Run(ModalDialog& dialog, const std::function<void()>& draw_background,
           const std::function<void(const SDL_Event&)>& device_events = {});

  // True once the system asked the program to end during a dialog.
  bool QuitRequested() const { return quit_requested_; }

  std::uintptr_t TextureOf(const Surface& picture) override;

 private:
  void DrawFrame(ModalDialog& dialog, const std::function<void()>& draw_background);
  void ReleaseTextures();

  SDL_Window* window_;
  SDL_Renderer* renderer_;
  bool quit_requested_ = false;
  std::map<SDL_Surface*, SDL_Texture*> textures_;
  std::unique_ptr<ImGuiRenderer> draw_lists_;
};

}  // namespace tavlo
