#include "games/ProgressFrames.h"

#include "engine/Rounding.h"

namespace tavlo {

void ProgressFrames::Load(Form& form, const std::string& folder, std::size_t count) {
  frames_.resize(count);
  for (SpriteClass& frame : frames_) frame.LoadDCImage(form, folder + "todoframe.gif");
  current_frame_.LoadDCImage(form, folder + "currentframe.gif");
  done_frame_.LoadDCImage(form, folder + "doneframe.gif");
}

void ProgressFrames::CleanUp() {
  for (SpriteClass& frame : frames_) frame.CleanUp();
  current_frame_.CleanUp();
  done_frame_.CleanUp();
}

// The frames are drawn plainly: their pictures fill their rectangle, or have
// the window's own colour round their corners, so they look the same as drawn
// see-through, and a plain copy is much quicker on every redraw.
void ProgressFrames::Draw(Form& form, int current) {
  for (std::size_t i = 0; i < frames_.size(); ++i) {
    SpriteClass& frame = frames_[i];
    const int item = static_cast<int>(i);
    if (item < current) {
      done_frame_.DrawAt(form, nint(frame.X), nint(frame.Y));
    } else if (item == current) {
      current_frame_.DrawAt(form, nint(frame.X), nint(frame.Y));
    } else {
      frame.Draw(form);
    }
  }
}

}  // namespace tavlo
