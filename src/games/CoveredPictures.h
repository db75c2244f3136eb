#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "engine/SpriteClass.h"

namespace tavlo {

class Form;
class KeySwitchClass;

// The four pictures of a set, each covered by a question mark in its slot
// until it is answered, and offered again, in shuffled order, as a row of
// choices, each on an image frame that lights up while it is highlighted.
// A slot's and a choice's Text is the word and their Label the name of the
// word's recording; a slot's Selected means answered, a choice's highlighted.
class CoveredPictures {
 public:
  static constexpr std::size_t kCount = 4;
  // The space between two choices of the row.
  static constexpr int kSpacing = 50;

  // Loads the question mark ("question.gif"), the plain image frame
  // ("imageframe0.gif") and the lit one ("imageframe1.gif") of a game's
  // picture folder ("gfx\\game02\\").
  void Load(Form& form, const std::string& folder);
  void CleanUp();

  // The slots; a game deals the set's pictures into them, then offers each.
  std::array<SpriteClass, kCount>& Slots() { return slots_; }
  const std::array<SpriteClass, kCount>& Slots() const { return slots_; }
  const std::array<SpriteClass, kCount>& Choices() const { return choices_; }
  // Choice i shows slot i's picture (sharing its image) for its word.
  void Offer(std::size_t i);
  // Shuffles the choices and makes them the scanning list, in their new order.
  void Shuffle(KeySwitchClass& switches);
  // The choices side by side from x = 125, their tops at top.
  void LayOutChoices(int top);

  // A slot: its picture once answered, else the question mark on its place.
  void DrawSlot(Form& form, std::size_t i);
  // Every choice on its frame, the frame standing frame_left pixels to the
  // left of the choice and frame_up pixels above it.
  void DrawChoices(Form& form, int frame_left, int frame_up);

  // The choice that a press of the left mouse button (or the select switch)
  // at the point picks, or none. A press with another button says the word
  // of the choice under the point with say, given its recording's name, and
  // picks nothing.
  const SpriteClass* Pick(int button, int x, int y,
                          const std::function<void(const std::string&)>& say) const;
  std::vector<SpriteClass*> ChoiceSprites();

 private:
  std::array<SpriteClass, kCount> slots_;
  std::array<SpriteClass, kCount> choices_;
  SpriteClass question_mark_;
  SpriteClass plain_frame_;
  SpriteClass lit_frame_;
};

}  // namespace tavlo
