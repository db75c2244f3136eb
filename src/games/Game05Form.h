#pragma once

#include <cstddef>
#include <vector>

#include "games/CoveredPicturesGame.h"
#include "games/TextFitting.h"

namespace tavlo {

// Game 5: four questions are dealt at once, each written in a frame with a
// covered picture slot beside it, and the four answers are offered as a
// shuffled row of pictures below. The child answers the questions in order
// by picking the picture that answers the current one; a right pick uncovers
// it beside its question. The frames are the question frames: Label = the
// answer's word, Text2 = the question.
class Game05Form : public CoveredPicturesGame {
 public:
  static constexpr int kGameNumber = 5;

  explicit Game05Form(const GameContext& context);

  void UpdateScreen() override;

 protected:
  void LoadGameGraphics() override;
  void FreeGameGraphics() override;
  void KeepRow(std::size_t slot, const WordRecord& row) override;
  void LayOutRound() override;
  void SayFoundAnswer() override;
  void SpeakAnswer(int i) override;

 private:
  SpriteClass slot_frame_;
  FittedFont question_font_;
};

}  // namespace tavlo
