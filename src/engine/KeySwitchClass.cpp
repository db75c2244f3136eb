#include "engine/KeySwitchClass.h"

#include "engine/Application.h"
#include "engine/Form.h"
#include "engine/Rounding.h"
#include "engine/SpriteClass.h"

namespace tavlo {

void KeySwitchClass::Init(Form& form) {
  Owner = &form;
  PosX = -1;
  PosY = -1;
}

void KeySwitchClass::Add(SpriteClass& sprite) { Switches.push_back(&sprite); }

void KeySwitchClass::RemoveLast() {
  if (!Switches.empty()) Switches.pop_back();
}

bool KeySwitchClass::IsSpriteVisible() const { return CurrentSprite && CurrentSprite->Visible; }

void KeySwitchClass::CleanUp() {
  Switches.clear();
  ResetIndex();
}

void KeySwitchClass::ResetIndex() { Index = 0; }

void KeySwitchClass::SetIndex(int i) {
  if (i > 0 && i < static_cast<int>(Switches.size())) {
    Index = i;
    MoveCursorToSwitch();
  }
}

std::int16_t KeySwitchClass::GetIndex() const { return static_cast<std::int16_t>(Index); }

void KeySwitchClass::NextSwitch() {
  Index += 1;
  if (Index > static_cast<std::int32_t>(Switches.size())) Index = 1;
  MoveCursorToSwitch();
}

void KeySwitchClass::PreviousSwitch() {
  Index -= 1;
  if (Index < 1) Index = static_cast<std::int32_t>(Switches.size());
  MoveCursorToSwitch();
}

std::int32_t KeySwitchClass::GetXPos() const { return PosX; }

std::int32_t KeySwitchClass::GetYPos() const { return PosY; }

void KeySwitchClass::MoveCursorToSwitch() {
  // An index that names no item (0 after a reset, or an empty list) leaves the
  // pointer and the stored position where they are.
  if (Index < 1 || Index > static_cast<std::int32_t>(Switches.size())) return;
  CurrentSprite = Switches[static_cast<std::size_t>(Index - 1)];
  PosX = nint(CurrentSprite->X + HalfOf(CurrentSprite->Width));
  PosY = nint(CurrentSprite->Y + HalfOf(CurrentSprite->Height));
  // The platform converts the picture's point to its window and makes the
  // window deliver the pointer move, which highlights the item.
  if (Owner) Owner->App().Host().WarpPointer(PosX, PosY);
}

}  // namespace tavlo
