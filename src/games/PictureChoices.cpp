#include "games/PictureChoices.h"

#include <vector>

#include "engine/KeySwitchClass.h"
#include "engine/Random.h"
#include "engine/Rounding.h"

namespace tavlo {

void PictureChoices::LoadFrames(Form& form, const std::string& plain_frame,
                                const std::string& lit_frame) {
  plain_frame_.LoadDCImage(form, plain_frame);
  lit_frame_.LoadDCImage(form, lit_frame);
}

void PictureChoices::CleanUp() {
  for (SpriteClass& choice : choices_) choice.CleanUp();
  plain_frame_.CleanUp();
  lit_frame_.CleanUp();
}

void PictureChoices::Deal(std::size_t i, const SpriteClass& picture, const std::string& word,
                          const std::string& sound) {
  SpriteClass& choice = choices_[i];
  choice.SetSpriteDC(picture);
  choice.Text = word;
  choice.Label = sound;
  // The highlight belongs to the pointer's last place in the old set.
  choice.Selected = false;
}

void PictureChoices::Shuffle(KeySwitchClass& switches) {
  std::vector<SpriteClass> shuffled(choices_.begin(), choices_.end());
  ShuffleObjects(shuffled);
  for (std::size_t j = 0; j < kCount; ++j) choices_[j] = shuffled[j];
  switches.CleanUp();
  for (SpriteClass& choice : choices_) switches.Add(choice);
}

void PictureChoices::LayOut(int top) {
  for (std::size_t j = 0; j < kCount; ++j) {
    SpriteClass& choice = choices_[j];
    choice.X = (choice.Width + 50) * static_cast<int>(j) + 125;
    choice.Y = top;
  }
}

void PictureChoices::Draw(Form& form, int frame_left, int frame_up) {
  for (SpriteClass& choice : choices_) {
    SpriteClass& frame = choice.Selected ? lit_frame_ : plain_frame_;
    frame.DrawTranspAt(form, nint(choice.X) - frame_left, nint(choice.Y) - frame_up);
    choice.Draw(form);
  }
}

const SpriteClass* PictureChoices::At(int x, int y) const {
  for (const SpriteClass& choice : choices_) {
    if (choice.IsUnder(x, y)) return &choice;
  }
  return nullptr;
}

std::vector<SpriteClass*> PictureChoices::Sprites() {
  std::vector<SpriteClass*> sprites;
  for (SpriteClass& choice : choices_) sprites.push_back(&choice);
  return sprites;
}

}  // namespace tavlo
