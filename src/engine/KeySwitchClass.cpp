#include "engine/KeySwitchClass.h"

#include "engine/AccessSettings.h"
#include "engine/Application.h"
#include "engine/Form.h"
#include "engine/HighlightSpeech.h"
#include "engine/Rounding.h"
#include "engine/SpriteClass.h"

namespace tavlo {

void KeySwitchClass::Init(Form& form) {
  Owner = &form;
  PosX = -1;
  PosY = -1;
}

void KeySwitchClass::Add(SpriteClass& sprite, std::string spoken) {
  Switches.push_back({&sprite, std::move(spoken)});
  steps_since_rebuild_ = 0;
}

void KeySwitchClass::RemoveLast() {
  if (!Switches.empty()) Switches.pop_back();
}

bool KeySwitchClass::IsSpriteVisible() const { return CurrentSprite && CurrentSprite->Visible; }

void KeySwitchClass::CleanUp() {
  Switches.clear();
  ResetIndex();
}

void KeySwitchClass::ResetIndex() {
  Index = 0;
  steps_since_rebuild_ = 0;
}

void KeySwitchClass::SetIndex(int i) {
  if (i > 0 && i < static_cast<int>(Count())) {
    Index = i;
    ++steps_since_rebuild_;
    MoveCursorToSwitch();
  }
}

std::int16_t KeySwitchClass::GetIndex() const { return static_cast<std::int16_t>(Index); }

void KeySwitchClass::NextSwitch() {
  Index += 1;
  if (Index > static_cast<std::int32_t>(Count())) Index = 1;
  ++steps_since_rebuild_;
  MoveCursorToSwitch();
}

void KeySwitchClass::PreviousSwitch() {
  Index -= 1;
  if (Index < 1) Index = static_cast<std::int32_t>(Count());
  ++steps_since_rebuild_;
  MoveCursorToSwitch();
}

std::int32_t KeySwitchClass::GetXPos() const { return PosX; }

std::int32_t KeySwitchClass::GetYPos() const { return PosY; }

void KeySwitchClass::SetClosingItems(std::vector<Item> items) { closing_ = std::move(items); }

bool KeySwitchClass::OnClosingItem() const { return current_is_closing_; }

std::size_t KeySwitchClass::Count() const {
  std::size_t count = Switches.size();
  for (const Item& item : closing_) count += item.Sprite->Visible ? 1 : 0;
  return count;
}

const KeySwitchClass::Item& KeySwitchClass::ItemAt(std::int32_t index) const {
  const auto position = static_cast<std::size_t>(index - 1);
  if (position < Switches.size()) return Switches[position];
  std::size_t visible = Switches.size();
  for (const Item& item : closing_) {
    if (!item.Sprite->Visible) continue;
    if (visible == position) return item;
    ++visible;
  }
  return Switches.back();
}

void KeySwitchClass::MoveCursorToSwitch() {
  // An index that names no item (0 after a reset, or an empty list) leaves the
  // pointer and the stored position where they are.
  if (Index < 1 || Index > static_cast<std::int32_t>(Count())) return;
  const Item& item = ItemAt(Index);
  CurrentSprite = item.Sprite;
  current_is_closing_ = static_cast<std::size_t>(Index) > Switches.size();
  PosX = nint(CurrentSprite->X + HalfOf(CurrentSprite->Width));
  PosY = nint(CurrentSprite->Y + HalfOf(CurrentSprite->Height));
  if (!Owner) return;
  // The platform converts the picture's point to its window and makes the
  // window deliver the pointer move, which highlights the item.
  Owner->App().Host().WarpPointer(PosX, PosY);
  SpeakName(item);
}

void KeySwitchClass::SpeakName(const Item& item) {
  Application& app = Owner->App();
  if (!app.Access().SpeakHighlight) return;
  SpokenName name;
  if (!item.Spoken.empty()) {
    name.Recording = item.Spoken;
  } else if (namer_) {
    name = namer_(*item.Sprite);
  }
  if (!name.Recording.empty()) name.Recording = app.ResourcePath(name.Recording).string();
  app.Speech().Say(name);
}

}  // namespace tavlo
