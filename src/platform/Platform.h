#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/Audio.h"
#include "platform/InputEvent.h"
#include "platform/ModalDialog.h"
#include "platform/PagePrinter.h"
#include "platform/Surface.h"

namespace tavlo {

// YesNoDefaultNo asks a question whose Yes destroys something: the box
// starts on No.
enum class MessageButtons { Ok, YesNo, YesNoDefaultNo };
enum class MessageIcon { None, Critical, Exclamation, Information };
enum class MessageAnswer { Ok, Yes, No };

// The words on message box buttons, in the language the program speaks.
struct MessageButtonWords {
  std::string Yes = "Yes";
  std::string No = "No";
  std::string Ok = "OK";
};

struct DisplayMode {
  int Width = 0;
  int Height = 0;
  int BitsPerPixel = 0;
  int RefreshRate = 0;
  bool operator==(const DisplayMode&) const = default;
};

enum class CursorShape { Arrow, Hourglass };

// Everything the program asks of the operating system. The SDL implementation
// runs the real program; NullPlatform runs without a desktop and is what the
// tests' fakes build on.
class Platform {
 public:
  virtual ~Platform() = default;

  // Clock: nanoseconds of a monotonic clock with an arbitrary origin.
  virtual std::int64_t MonotonicNanoseconds() = 0;

  // The program's one window, 800 x 600 pixels of picture. Opening it again
  // does nothing.
  virtual bool OpenWindow(const std::string& title) = 0;
  virtual void CloseWindow() = 0;
  // Full screen shows the same 800 x 600 picture over the whole display.
  virtual void SetFullScreen(bool full_screen) = 0;
  virtual void SetWindowTitle(const std::string& title) = 0;
  virtual void SetWindowIcon(const Surface& icon) = 0;
  virtual void SetCursor(CursorShape shape) = 0;
  // Shows the picture in the window.
  virtual void Present(const Surface& picture) = 0;
  // Moves the pointer to a point of the picture; the window then receives the
  // pointer move as if the user had made it.
  virtual void WarpPointer(int x, int y) = 0;

  // The next event, waiting at most timeout_ms milliseconds for it (-1: as long
  // as it takes). Nothing when the time ran out. Key auto-repeat never arrives.
  virtual std::optional<InputEvent> WaitEvent(int timeout_ms) = 0;
  // While watched, the buttons of every joystick and gamepad arrive as
  // events (and in dialogs), devices plugged in later included. Watching
  // costs a little time even when idle, so only a profile whose switch is
  // such a button asks for it.
  virtual void WatchJoysticks(bool watch) = 0;

  // A modal message box inside the program window (or on its own where no
  // window could be made). Returns the button the user chose.
  virtual MessageAnswer ShowMessageBox(const std::string& text, const std::string& title,
                                       MessageButtons buttons, MessageIcon icon) = 0;
  // The words on the buttons of every later message box.
  virtual void SetMessageButtonWords(const MessageButtonWords& words) = 0;
  // Runs a dialog modally inside the program window until it closes. Where
  // nobody can answer it, the dialog is cancelled at once.
  virtual void RunModalDialog(ModalDialog& dialog) = 0;

  // The folder with the program's read-only resources.
  virtual std::filesystem::path ProgramFolder() = 0;
  // The user's documents folder; empty when there is none.
  virtual std::filesystem::path DocumentsFolder() = 0;
  // The value of one of the process's environment variables; "" when it is not set.
  virtual std::string EnvironmentVariable(const std::string& name) = 0;
  // True for the first running instance of the program; false when another one
  // holds the lock.
  virtual bool AcquireSingleInstanceLock() = 0;
  // True when this process may write the data folder: no other running
  // instance holds it, whichever user or computer started that one. Held
  // until the program ends.
  virtual bool LockDataFolder(const std::filesystem::path& data_folder) = 0;

  // Display modes of the screen the window is on.
  virtual std::optional<DisplayMode> CurrentDisplayMode() = 0;
  virtual std::vector<DisplayMode> DisplayModes() = 0;
  virtual bool ChangeDisplayMode(const DisplayMode& mode) = 0;

  // The height in pixels of the desktop's default text; empty when unknown.
  virtual std::optional<int> DesktopTextHeight() = 0;

  // The sound output: the wave voice and the media streams.
  virtual AudioOutput& Audio() = 0;

  // The system's default printer.
  virtual PagePrinter& Printer() = 0;
};

}  // namespace tavlo
