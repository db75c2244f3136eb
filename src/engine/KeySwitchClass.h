#pragma once

#include <cstdint>
#include <vector>

namespace tavlo {

class Form;
class SpriteClass;

// A screen's scanning list: its selectable sprites in scanning order and the
// current one. Stepping moves the real pointer onto the centre of the current
// sprite, so the form's pointer-move handling shows the same highlight for
// switches, keys and the mouse. The list only refers to the form's sprites.
class KeySwitchClass {
 public:
  void Init(Form& form);
  void Add(SpriteClass& sprite);
  void RemoveLast();
  // False when no sprite was made current yet.
  bool IsSpriteVisible() const;
  // Empties the list and resets the index.
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

  std::size_t Count() const { return Switches.size(); }

 private:
  void MoveCursorToSwitch();

  Form* Owner = nullptr;
  std::vector<SpriteClass*> Switches;
  std::int32_t Index = 0;
  SpriteClass* CurrentSprite = nullptr;
  std::int32_t PosX = -1;
  std::int32_t PosY = -1;
};

}  // namespace tavlo
