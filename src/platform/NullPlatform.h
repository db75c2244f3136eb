#pragma once

#include "platform/AudioNull.h"
#include "platform/Platform.h"

namespace tavlo {

// A platform without a desktop: no window, no input, message boxes answered
// with their harmless choice. The clock and the folders are real. Tests derive
// their fakes from it and override what they control.
class NullPlatform : public Platform {
 public:
  std::int64_t MonotonicNanoseconds() override;

  bool OpenWindow(const std::string&) override { return true; }
  void CloseWindow() override {}
  void SetFullScreen(bool) override {}
  void SetWindowTitle(const std::string&) override {}
  void SetWindowIcon(const Surface&) override {}
  void SetCursor(CursorShape) override {}
  void Present(const Surface&) override {}
  void WarpPointer(int, int) override {}

  // Sleeps out the timeout; with no timeout there is no input to wait for, so
  // the program is asked to close.
  std::optional<InputEvent> WaitEvent(int timeout_ms) override;
  void WatchJoysticks(bool) override {}

  MessageAnswer ShowMessageBox(const std::string&, const std::string&, MessageButtons buttons,
                               MessageIcon) override {
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
  }
  // Nobody can answer a dialog here, so it ends as cancelled.
  void RunModalDialog(ModalDialog& dialog) override { dialog.Answer(DialogAnswer::Cancel); }
  void SetMessageButtonWords(const MessageButtonWords&) override {}

  std::filesystem::path ProgramFolder() override;
  std::filesystem::path DocumentsFolder() override;
  std::string EnvironmentVariable(const std::string& name) override;
  bool AcquireSingleInstanceLock() override { return true; }
  bool LockDataFolder(const std::filesystem::path&) override { return true; }

  std::optional<DisplayMode> CurrentDisplayMode() override { return std::nullopt; }
  std::vector<DisplayMode> DisplayModes() override { return {}; }
  bool ChangeDisplayMode(const DisplayMode&) override { return false; }

  std::optional<int> DesktopTextHeight() override { return std::nullopt; }

  AudioOutput& Audio() override { return audio_; }
  PagePrinter& Printer() override { return printer_; }

 private:
  NullAudio audio_;
  NullPrinter printer_;
};

}  // namespace tavlo
