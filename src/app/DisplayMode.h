#pragma once

#include "platform/Platform.h"

namespace tavlo {

// How the program fills the screen in full-screen mode. By default its 800 x
// 600 picture is scaled over the whole display and the display stays as it
// is: on Linux desktops a real change of resolution moves other programs'
// windows and icons, and a program that dies would leave it changed. Only
// where the user asks for it is the display itself switched to 800 x 600.
enum class FullScreenKind { ScaledPicture, DisplayModeChange };

// The user's choice, from the value of the environment variable
// TAVLO_DISPLAY_MODE (null when it is not set): "800x600" asks for the change
// of the display mode; anything else keeps the scaled picture.
FullScreenKind FullScreenKindFrom(const char* display_mode_variable);

// Changes the display mode and gives the display back as it was before the
// program's first change. While the display is changed, a crash or an exit
// of the process still gives it back (as far as a dying process can).
class DisplayModeSwitch {
 public:
  explicit DisplayModeSwitch(Platform& platform) : platform_(platform) {}
  // Gives the display back if nobody did.
  ~DisplayModeSwitch();
  DisplayModeSwitch(const DisplayModeSwitch&) = delete;
  DisplayModeSwitch& operator=(const DisplayModeSwitch&) = delete;

  // Switches to the first offered mode of this size and depth (whatever its
  // refresh rate). With mode_saved false the settings in use are first kept
  // as the ones to give back, and mode_saved becomes true. True when the
  // display is in that mode now, also when it already was.
  bool SetDisplayMode(int width, int height, int bits_per_pixel, bool& mode_saved);
  // Switches back to the kept settings; with none kept nothing changes.
  void RestoreDisplayMode();
  // 800 x 600 at the deepest colour depth offered: 32, 24, 16, 8 or 4 bits
  // per pixel. False, with the display unchanged, when none is offered.
  bool SetProgramDisplayMode();

  // The settings in use before the program's first change; all zero until
  // they are kept.
  DisplayMode SavedDisplayMode;

 private:
  // Remembers whether the display now differs from the kept settings, and
  // so must be given back even after a crash.
  void NoteDisplayIs(const DisplayMode& mode);

  Platform& platform_;
  // The program changed the display and has not given it back yet.
  bool changed_ = false;
};

}  // namespace tavlo
