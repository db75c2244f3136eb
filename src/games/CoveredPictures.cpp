#include "games/CoveredPictures.h"

#include "engine/KeySwitchClass.h"
#include "engine/Random.h"
#include "engine/Rounding.h"
#include "platform/InputEvent.h"

namespace tavlo {

void CoveredPictures::Load(Form& form, const std::string& folder) {
  question_mark_.LoadDCImage(form, folder + "question.gif");
  plain_frame_.LoadDCImage(form, folder + "imageframe0.gif");
  lit_frame_.LoadDCImage(form, folder + "imageframe1.gif");
}

void CoveredPictures::CleanUp() {
  for (SpriteClass& slot : slots_) slot.CleanUp();
  for (SpriteClass& choice : choices_) choice.CleanUp();
  question_mark_.CleanUp();
  plain_frame_.CleanUp();
  lit_frame_.CleanUp();
}

void CoveredPictures::Offer(std::size_t i) {
  const SpriteClass& slot = slots_[i];
  SpriteClass& choice = choices_[i];
  choice.SetSpriteDC(slot);
  choice.Text = slot.Text;
  choice.Label = slot.Label;
  // The highlight belongs to the pointer's last place in the old set.
  choice.Selected = false;
}

void CoveredPictures::Shuffle(KeySwitchClass& switches) {
  std::vector<SpriteClass> shuffled(choices_.begin(), choices_.end());
  ShuffleObjects(shuffled);
  for (std::size_t j = 0; j < kCount; ++j) choices_[j] = shuffled[j];
  switches.CleanUp();
  for (SpriteClass& choice : choices_) switches.Add(choice);
}

void CoveredPictures::LayOutChoices(int top) {
  for (std::size_t j = 0; j < kCount; ++j) {
    SpriteClass& choice = choices_[j];
    choice.X = (choice.Width + kSpacing) * static_cast<int>(j) + 125;
    choice.Y = top;
  }
}

void CoveredPictures::DrawSlot(Form& form, std::size_t i) {
  SpriteClass& slot = slots_[i];
  if (slot.Selected) {
    slot.Draw(form);
    return;
  }
  question_mark_.DrawTranspAt(form, nint(slot.MiddleX() - HalfOf(question_mark_.Width)),
                              nint(slot.MiddleY() - HalfOf(question_mark_.Height)));
}

void CoveredPictures::DrawChoices(Form& form, int frame_left, int frame_up) {
  for (SpriteClass& choice : choices_) {
    SpriteClass& frame = choice.Selected ? lit_frame_ : plain_frame_;
    frame.DrawTranspAt(form, nint(choice.X) - frame_left, nint(choice.Y) - frame_up);
    choice.Draw(form);
  }
}

const SpriteClass* CoveredPictures::Pick(int button, int x, int y,
                                         const std::function<void(const std::string&)>& say) const {
  for (const SpriteClass& choice : choices_) {
    if (!choice.IsUnder(x, y)) continue;
    if (button == mouse_buttons::kLeft) return &choice;
    say(choice.Label);
    return nullptr;
  }
  return nullptr;
}

std::vector<SpriteClass*> CoveredPictures::ChoiceSprites() {
  std::vector<SpriteClass*> sprites;
  for (SpriteClass& choice : choices_) sprites.push_back(&choice);
  return sprites;
}

}  // namespace tavlo
