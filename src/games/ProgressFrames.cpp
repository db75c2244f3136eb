#include "games/ProgressFrames.h"

#include "engine/Rounding.h"

namespace tavlo {

void ProgressFrames::Load(Form& form, const std::string& folder, std::size_t count,
                          FrameDrawing drawing, const std::string& kind) {
  drawing_ = drawing;
  frames_.resize(count);
  for (SpriteClass& frame : frames_) frame.LoadDCImage(form, folder + "todo" + kind + "frame.gif");
  current_frame_.LoadDCImage(form, folder + "current" + kind + "frame.gif");
  done_frame_.LoadDCImage(form, folder + "done" + kind + "frame.gif");
}

void ProgressFrames::CleanUp() {
  for (SpriteClass& frame : frames_) frame.CleanUp();
  current_frame_.CleanUp();
  done_frame_.CleanUp();
}

void ProgressFrames::Draw(Form& form, int current) {
  for (std::size_t i = 0; i < frames_.size(); ++i) {
    SpriteClass& frame = frames_[i];
    const int item = static_cast<int>(i);
    SpriteClass& look = item < current ? done_frame_ : item == current ? current_frame_ : frame;
    if (drawing_ == FrameDrawing::Plain) {
      look.DrawAt(form, nint(frame.X), nint(frame.Y));
    } else {
      look.DrawTranspAt(form, nint(frame.X), nint(frame.Y));
    }
  }
}

}  // namespace tavlo
