#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/HighlightSpeech.h"

namespace tavlo {

class Form;
class SpriteClass;

// A screen's scanning list: its selectable sprites in scanning order and the
// current one. Stepping moves the real pointer onto the centre of the current
// sprite, so the form's pointer-move handling shows the same highlight for
// switches, keys and the mouse. The list only refers to the form's sprites.
//
// Each item may have a name, a recording the list plays when the highlight
// reaches it and the profile wants the highlight spoken. A screen can also
// keep a few items of its own at the end of the list (a game's frame
// buttons): they stay when the list is cleaned up, and those not shown are
// passed over.
class KeySwitchClass {
 public:
  // An item with the recording that names it ("" for none).
  struct Item {
    SpriteClass* Sprite = nullptr;
    std::string Spoken;
  };

  void Init(Form& form);
  // spoken is the recording that names the sprite, as the application finds
  // resources (a program-folder name or an absolute path).
  void Add(SpriteClass& sprite, std::string spoken = {});
  void RemoveLast();
  // False when no sprite was made current yet.
  bool IsSpriteVisible() const;
  // Empties the list (but not its closing items) and resets the index.
  void CleanUp();
  void ResetIndex();
  // Makes item i current when 0 < i < count; the last item cannot be chosen
  // this way, only by stepping.
  void SetIndex(int i);
  // 1-based; 0 until an item was chosen.
  std::int16_t GetIndex() const;
  void NextSwitch();
  void PreviousSwitch();
  // Where the pointer was last put, in pixels of the form's picture (the
  // coordinates the click handlers take, in a window as in full screen);
  // -1 before the first move.
  std::int32_t GetXPos() const;
  std::int32_t GetYPos() const;

  // The items every round ends with, in order; the visible ones are scanned.
  void SetClosingItems(std::vector<Item> items);
  // The item the pointer was last moved to is one of the closing items.
  bool OnClosingItem() const;
  // Names the items added without a name of their own, when asked: their
  // recording (as the application finds resources) or their text.
  using Namer = std::function<SpokenName(const SpriteClass&)>;
  void SetNamer(Namer namer) { namer_ = std::move(namer); }
  // Steps made since the items were last added or the index reset: 1 while
  // the first item reached after a new set of choices is current.
  int StepsSinceRebuild() const { return steps_since_rebuild_; }

  // Items in one round: those added and the visible closing items.
  std::size_t Count() const;

 private:
  void MoveCursorToSwitch();
  // The item at a 1-based position of the round.
  const Item& ItemAt(std::int32_t index) const;
  void SpeakName(const Item& item);

  Form* Owner = nullptr;
  std::vector<Item> Switches;
  std::vector<Item> closing_;
  Namer namer_;
  std::int32_t Index = 0;
  SpriteClass* CurrentSprite = nullptr;
  bool current_is_closing_ = false;
  std::int32_t PosX = -1;
  std::int32_t PosY = -1;
  int steps_since_rebuild_ = 0;
};

}  // namespace tavlo
