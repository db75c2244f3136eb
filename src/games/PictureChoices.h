#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "engine/SpriteClass.h"

namespace tavlo {

class Form;
class KeySwitchClass;

// The row of picture choices under a set of four: the set's pictures again,
// in shuffled order, each on an image frame that lights up while it is
// highlighted. A choice's Text is its word and its Label the name of the
// word's recording.
class PictureChoices {
 public:
  static constexpr std::size_t kCount = 4;

  // Loads the plain image frame and the lit one of a highlighted choice.
  void LoadFrames(Form& form, const std::string& plain_frame, const std::string& lit_frame);
  void CleanUp();

  // Choice i shows the picture (sharing its image) for the word.
  void Deal(std::size_t i, const SpriteClass& picture, const std::string& word,
            const std::string& sound);
  // Shuffles the choices and makes them the scanning list, in their new order.
  void Shuffle(KeySwitchClass& switches);
  // Side by side from x = 125 with 50 px between them, their tops at top.
  void LayOut(int top);
  // Every choice on its frame, the frame standing frame_left pixels to the
  // left of the choice and frame_up pixels above it.
  void Draw(Form& form, int frame_left, int frame_up);

  // The choice under the point, or none.
  const SpriteClass* At(int x, int y) const;
  std::vector<SpriteClass*> Sprites();
  const std::array<SpriteClass, kCount>& Choices() const { return choices_; }

 private:
  std::array<SpriteClass, kCount> choices_;
  SpriteClass plain_frame_;
  SpriteClass lit_frame_;
};

}  // namespace tavlo
