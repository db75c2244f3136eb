#pragma once

#include <memory>

#include "platform/AudioSdl.h"
#include "platform/InstanceLock.h"
#include "platform/Platform.h"
#include "platform/PrinterCups.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Cursor;

namespace tavlo {

class SdlImGuiHost;
class SdlMessageBox;

// The real desktop: an SDL window that shows the front form's picture scaled
// to the window, SDL's events as the program's events, message boxes drawn
// with Dear ImGui inside the window.
class SdlPlatform : public Platform {
 public:
  SdlPlatform();
  ~SdlPlatform() override;

  std::int64_t MonotonicNanoseconds() override;

  bool OpenWindow(const std::string& title) override;
  void CloseWindow() override;
  void SetFullScreen(bool full_screen) override;
  void SetWindowTitle(const std::string& title) override;
  void SetWindowIcon(const Surface& icon) override;
  void SetCursor(CursorShape shape) override;
  void Present(const Surface& picture) override;
  void WarpPointer(int x, int y) override;

  std::optional<InputEvent> WaitEvent(int timeout_ms) override;

  MessageAnswer ShowMessageBox(const std::string& text, const std::string& title,
                               MessageButtons buttons, MessageIcon icon) override;
  void RunModalDialog(ModalDialog& dialog) override;

  std::filesystem::path ProgramFolder() override;
  std::filesystem::path DocumentsFolder() override;
  bool AcquireSingleInstanceLock() override;

  std::optional<DisplayMode> CurrentDisplayMode() override;
  std::vector<DisplayMode> DisplayModes() override;
  bool ChangeDisplayMode(const DisplayMode& mode) override;

  std::optional<int> DesktopTextHeight() override;

  AudioOutput& Audio() override { return audio_; }
  PagePrinter& Printer() override { return printer_; }

 private:
  // Draws the last picture shown; the caller presents.
  void DrawPicture();

  bool video_ = false;
  // Once the system asked the program to end, no question waits for an answer.
  bool quit_requested_ = false;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  SDL_Cursor* arrow_cursor_ = nullptr;
  SDL_Cursor* wait_cursor_ = nullptr;
  Surface last_picture_;
  // The in-window dialogs share one ImGui context; the message box draws on it.
  std::unique_ptr<SdlImGuiHost> imgui_host_;
  std::unique_ptr<SdlMessageBox> message_box_;
  InstanceLock instance_lock_;
  AudioSdl audio_;
  PrinterCups printer_;
};

}  // namespace tavlo
