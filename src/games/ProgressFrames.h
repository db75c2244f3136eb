#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "engine/SpriteClass.h"

namespace tavlo {

class Form;

// The frames that show how far a set of items has come. Every item has a plain
// frame of its own, which also fixes the item's place on the screen; the
// current item and the finished ones are drawn with the current and the done
// look in their frame's place. The frame pictures fill their rectangle, or
// have the window's own colour round their corners.
class ProgressFrames {
 public:
  // Loads "todoframe.gif", "currentframe.gif" and "doneframe.gif" of a game's
  // picture folder ("gfx\\game02\\"), with one plain frame for each of count
  // items.
  void Load(Form& form, const std::string& folder, std::size_t count);
  void CleanUp();
  // The items before current done, the current one current, the rest plain.
  void Draw(Form& form, int current);

  SpriteClass& operator[](std::size_t i) { return frames_[i]; }
  const SpriteClass& operator[](std::size_t i) const { return frames_[i]; }
  std::size_t Count() const { return frames_.size(); }

 private:
  std::vector<SpriteClass> frames_;
  SpriteClass current_frame_;
  SpriteClass done_frame_;
};

}  // namespace tavlo
