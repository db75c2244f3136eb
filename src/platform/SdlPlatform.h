#pragma once

#include <memory>

#include "platform/AudioSdl.h"
#include "platform/FramePacer.h"
#include "platform/InstanceLock.h"
#include "platform/Platform.h"
#include "platform/RendererChoice.h"
#include "platform/ShownRows.h"
#include "platform/PrinterCups.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Cursor;
union SDL_Event;

namespace tavlo {

class SdlImGuiHost;
class SdlJoysticks;
class SdlMessageBox;

// The real desktop: an SDL window that shows the front form's picture scaled
// to the window, SDL's events as the program's events, message boxes drawn
// with Dear ImGui inside the window.
//
// The window's renderer is chosen by ChooseRenderer each time the window's
// size changes; the environment variable TAVLO_RENDERER ("software" or
// "accelerated") forces one. Pictures reach the screen at most once per
// display refresh (FramePacer), and the sound device closes when it has been
// silent for a while, so an idle program wakes no thread at all.
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
  void WatchJoysticks(bool watch) override;

  MessageAnswer ShowMessageBox(const std::string& text, const std::string& title,
                               MessageButtons buttons, MessageIcon icon) override;
  void RunModalDialog(ModalDialog& dialog) override;
  void SetMessageButtonWords(const MessageButtonWords& words) override { button_words_ = words; }

  std::filesystem::path ProgramFolder() override;
  std::filesystem::path DocumentsFolder() override;
  std::string EnvironmentVariable(const std::string& name) override;
  bool AcquireSingleInstanceLock() override;
  bool LockDataFolder(const std::filesystem::path& data_folder) override;

  std::optional<DisplayMode> CurrentDisplayMode() override;
  std::vector<DisplayMode> DisplayModes() override;
  bool ChangeDisplayMode(const DisplayMode& mode) override;

  std::optional<int> DesktopTextHeight() override;

  AudioOutput& Audio() override { return audio_; }
  PagePrinter& Printer() override { return printer_; }

 private:
  // Draws the last picture shown; the caller presents.
  void DrawPicture();
  // Draws and presents the last picture now.
  void ShowPicture();
  // With the software renderer: scales and presents only the rows that changed
  // since the last picture shown. False when all of it must be drawn.
  bool ShowChangedRows();
  // Makes the renderer the window's size calls for, when it is not the one in use.
  bool UpdateRenderer(int window_width, int window_height);
  void DestroyRenderer();
  // The dialogs' ImGui context, made for the first dialog.
  SdlImGuiHost& DialogHost();
  // The next SDL event within timeout_ms (-1: no limit); false when none
  // came. While joysticks are watched, SDL cannot sleep until their input
  // comes, so the wait looks for events every few milliseconds instead.
  bool NextSdlEvent(SDL_Event& event, int timeout_ms);
  // Does what is due before a wait (a waiting picture, closing an idle sound
  // device) and returns how long the wait may last at most; -1: no limit.
  int HousekeepingBeforeWait();

  bool video_ = false;
  // Once the system asked the program to end, no question waits for an answer.
  bool quit_requested_ = false;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  RendererRequest renderer_request_ = RendererRequest::Automatic;
  RendererKind renderer_kind_ = RendererKind::Software;
  bool clear_borders_ = true;
  // The next picture is drawn whole: the window was exposed or a dialog was over it.
  bool redraw_all_ = true;
  ShownRows shown_rows_;
  FramePacer pacer_;
  SDL_Cursor* arrow_cursor_ = nullptr;
  SDL_Cursor* wait_cursor_ = nullptr;
  Surface last_picture_;
  // The in-window dialogs share one ImGui context; the message box draws on
  // it. Both are made for the first dialog (loading the dialog font costs the
  // first frame time) and again after a change of renderer.
  std::unique_ptr<SdlImGuiHost> imgui_host_;
  std::unique_ptr<SdlMessageBox> message_box_;
  MessageButtonWords button_words_;
  std::unique_ptr<SdlJoysticks> joysticks_;
  InstanceLock instance_lock_;
  std::unique_ptr<InstanceLock> data_folder_lock_;
  AudioSdl audio_;
  PrinterCups printer_;
};

}  // namespace tavlo
