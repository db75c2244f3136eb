#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "engine/SpriteClass.h"

namespace tavlo {

class Form;

// How a game's frame pictures go onto the window.
enum class FrameDrawing {
  // Copied plainly: for pictures that fill their rectangle, or have the
  // window's own colour round their corners, this looks the same as drawn
  // see-through, and it is much quicker on every redraw.
  Plain,
  // Without the pixels of the picture's see-through colour.
  SeeThrough,
};

// The frames that show how far a set of items has come. Every item has a plain
// frame of its own, which also fixes the item's place on the screen; the
// current item and the finished ones are drawn with the current and the done
// look in their frame's place.
class ProgressFrames {
 public:
  // Loads "todoframe.gif", "currentframe.gif" and "doneframe.gif" of a game's
  // picture folder ("gfx\\game02\\"), with one plain frame for each of count
  // items. A game with frames of more than one kind names the kind, which
  // stands before "frame" ("text" for "todotextframe.gif").
  void Load(Form& form, const std::string& folder, std::size_t count,
            FrameDrawing drawing = FrameDrawing::Plain, const std::string& kind = "");
  void CleanUp();
  // The items before current done, the current one current, the rest plain.
  void Draw(Form& form, int current);

  SpriteClass& operator[](std::size_t i) { return frames_[i]; }
  const SpriteClass& operator[](std::size_t i) const { return frames_[i]; }
  std::size_t Count() const { return frames_.size(); }
  std::vector<SpriteClass>::const_iterator begin() const { return frames_.begin(); }
  std::vector<SpriteClass>::const_iterator end() const { return frames_.end(); }

 private:
  std::vector<SpriteClass> frames_;
  SpriteClass current_frame_;
  SpriteClass done_frame_;
  FrameDrawing drawing_ = FrameDrawing::Plain;
};

}  // namespace tavlo
