#pragma once

#include <cstdint>
#include <string>

#include "platform/Surface.h"

namespace tavlo {

// The two ways a dialog can end.
enum class DialogAnswer { Ok, Cancel };

// Turns pictures into textures the dialog's drawing library can show. The
// host keeps each texture until the dialog has closed, so a view may ask for
// the same picture in every frame.
class DialogPictures {
 public:
  virtual ~DialogPictures() = default;
  // An opaque texture handle for the drawing library; 0 for an empty picture
  // or one the host could not upload, which the view then replaces by text.
  virtual std::uintptr_t TextureOf(const Surface& picture) = 0;
};

// A dialog the platform runs modally inside the program window. The view
// draws itself with the host's drawing library, but this interface names none
// of its types, so the rest of the program and the tests can run a dialog
// without it.
class ModalDialog {
 public:
  virtual ~ModalDialog() = default;

  // Draws one frame; returns false once the dialog has closed and the frame
  // was not drawn.
  virtual bool DrawFrame(DialogPictures& pictures) = 0;
  // A key the user pressed, as a virtual-key code with its shift state. Keys
  // reach the dialog here and only here, so the switch rules are the dialog's
  // own and not the drawing library's.
  virtual void OnKey(int key_code, int shift) = 0;
  // A button of a joystick or gamepad (numbered from 0), while the program
  // watches them. A dialog that takes no switch buttons ignores it.
  virtual void OnJoystickButton(int /*button*/) {}
  // While true, keys and joystick buttons reach the dialog as they are, not
  // as the profile's switches make them (a dialog learning a new switch).
  virtual bool WantsRawInput() const { return false; }
  // Text the user typed, as UTF-8, after the key presses that made it. A
  // dialog without a text box ignores it.
  virtual void OnText(const std::string& /*utf8*/) {}
  // Ends the dialog as if its OK or Cancel button had been pressed: the
  // platform uses it when nobody can answer (no window, the program is asked
  // to close), tests use it to script the user's answer.
  virtual void Answer(DialogAnswer answer) = 0;
  virtual bool Closed() const = 0;
  // The dialog itself, where this one only passes another's input on.
  virtual ModalDialog& Underlying() { return *this; }
};

}  // namespace tavlo
