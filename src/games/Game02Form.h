#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "games/CoveredPictures.h"
#include "games/GameForm.h"
#include "games/ProgressFrames.h"
#include "games/TextFitting.h"

namespace tavlo {

// Game 2: four words are dealt at once, each as a hidden picture between a
// hint above it and an unfinished sentence below it. The child works the
// slots in order, picking from the row of the four pictures below the one
// whose word finishes the current sentence; a right pick uncovers the picture
// and completes the sentence, and the fourth one earns a reward before the
// next four are dealt.
class Game02Form : public GameForm {
 public:
  static constexpr int kGameNumber = 2;
  static constexpr std::size_t kSlots = CoveredPictures::kCount;

  explicit Game02Form(const GameContext& context) : GameForm(context, kGameNumber) {}

  void UpdateScreen() override;
  std::vector<SpriteClass*> ChoiceSprites() override;

  // The slots, each under its hint and above its sentence, and the choices.
  const CoveredPictures& Pictures() const { return set_; }
  // The slot being worked; kSlots once the set is finished.
  int CurrentSlot() const { return current_slot_; }
  // The line written under a slot: its sentence with the gap, or with the
  // word once the slot is answered; empty without a sentence.
  std::string SentenceLine(std::size_t slot) const;

 protected:
  void LoadGameGraphics() override;
  void FreeGameGraphics() override;
  void StartRound() override;
  void SpeakAnswer(int i) override;
  void GameMouseDown(int button, int shift, int x, int y) override;

 private:
  void LayOutRound();
  // Sets the canvas's size for the texts of the slots, and for the words under the choices.
  void FitSlotTexts();
  void FitChoiceWords();
  void AnswerCorrect();

  std::array<std::string, kSlots> hints_;
  std::array<std::string, kSlots> sentences_;
  ProgressFrames frames_;
  CoveredPictures set_;
  int current_slot_ = 0;
  FittedFont slot_font_;
  FittedFont word_font_;
};

}  // namespace tavlo
