#pragma once

#include <cstddef>
#include <vector>

#include "games/CoveredPictures.h"
#include "games/GameForm.h"
#include "games/ProgressFrames.h"
#include "games/TextFitting.h"

namespace tavlo {

// Game 5: four questions are dealt at once, each written in a frame with a
// covered picture slot beside it, and the four answers are offered as a
// shuffled row of pictures below. The child answers the questions in order
// by picking the picture that answers the current one; a right pick uncovers
// it beside its question, and the fourth one earns a reward before the next
// four are dealt.
class Game05Form : public GameForm {
 public:
  static constexpr int kGameNumber = 5;
  static constexpr std::size_t kQuestions = CoveredPictures::kCount;

  explicit Game05Form(const GameContext& context) : GameForm(context, kGameNumber) {}

  void UpdateScreen() override;
  std::vector<SpriteClass*> ChoiceSprites() override;

  // The question frames: Label = the answer's word, Text2 = the question.
  const ProgressFrames& Questions() const { return frames_; }
  // The picture slots beside them, and the choices.
  const CoveredPictures& Pictures() const { return set_; }
  // The question being answered; kQuestions once the set is finished.
  int CurrentQuestion() const { return current_question_; }

 protected:
  void LoadGameGraphics() override;
  void FreeGameGraphics() override;
  void StartRound() override;
  void SpeakAnswer(int i) override;
  void GameMouseDown(int button, int shift, int x, int y) override;

 private:
  void LayOutRound();
  void AnswerCorrect();

  ProgressFrames frames_;
  SpriteClass slot_frame_;
  CoveredPictures set_;
  int current_question_ = 0;
  FittedFont question_font_;
};

}  // namespace tavlo
