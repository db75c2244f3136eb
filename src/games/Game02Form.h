#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "games/CoveredPicturesGame.h"
#include "games/TextFitting.h"

namespace tavlo {

// Game 2: four words are dealt at once, each as a hidden picture between a
// hint above it and an unfinished sentence below it. The child works the
// slots in order, picking from the row of the four pictures below the one
// whose word finishes the current sentence; a right pick uncovers the picture
// and completes the sentence.
class Game02Form : public CoveredPicturesGame {
 public:
  static constexpr int kGameNumber = 2;

  explicit Game02Form(const GameContext& context);

  void UpdateScreen() override;

  // The line written under a slot: its sentence with the gap, or with the
  // word once the slot is answered; empty without a sentence.
  std::string SentenceLine(std::size_t slot) const;

 protected:
  void KeepRow(std::size_t slot, const WordRecord& row) override;
  void LayOutRound() override;
  void SayFoundAnswer() override;
  void SpeakAnswer(int i) override;

 private:
  // Sets the canvas's size for the texts of the slots, and for the words under the choices.
  void FitSlotTexts();
  void FitChoiceWords();

  std::array<std::string, kSlots> hints_;
  std::array<std::string, kSlots> sentences_;
  FittedFont slot_font_;
  FittedFont word_font_;
};

}  // namespace tavlo
