#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "games/GameForm.h"
#include "games/ProgressFrames.h"
#include "games/TextFitting.h"

namespace tavlo {

// Game 3: six pictures are dealt at once, each with a written and spoken
// question about it. The child answers the questions in order with the yes
// and the no button; a right answer is written after its question and
// spoken, the next question is asked at once, and the sixth one earns a
// reward before the next six are dealt.
class Game03Form : public GameForm {
 public:
  static constexpr int kGameNumber = 3;
  static constexpr std::size_t kQuestions = 6;

  explicit Game03Form(const GameContext& context) : GameForm(context, kGameNumber) {}

  void UpdateScreen() override;
  std::vector<SpriteClass*> ChoiceSprites() override;

  // The question frames: Text2 = the question, Label = the text shown (the
  // question, and after a right answer the answer too), Value3 = the right
  // button's value.
  const ProgressFrames& Questions() const { return frames_; }
  // The pictures: Text = the word, Label = the question's recording, Selected = answered.
  const std::array<SpriteClass, kQuestions>& Targets() const { return targets_; }
  // Label = the answer's text, Value3 = 0 for yes and 1 for no.
  const SpriteClass& YesButton() const { return yes_button_; }
  const SpriteClass& NoButton() const { return no_button_; }
  // The question being answered; kQuestions once the set is finished.
  int CurrentQuestion() const { return current_question_; }

 protected:
  void PrepareChoices() override;
  void LoadGameGraphics() override;
  void FreeGameGraphics() override;
  void StartRound() override;
  void SpeakAnswer(int i) override;
  void GameMouseDown(int button, int shift, int x, int y) override;

 private:
  void LayOutRound();
  void AnswerCorrect(const SpriteClass& button);
  // Asks the current question aloud, without waiting for it to end.
  void AskQuestion();
  void DrawPictures();
  void DrawAnswerButtons();

  ProgressFrames frames_;
  std::array<SpriteClass, kQuestions> targets_;
  SpriteClass picture_frame_;
  SpriteClass current_picture_frame_;
  SpriteClass yes_button_;
  SpriteClass no_button_;
  SpriteClass yes_highlighted_;
  SpriteClass no_highlighted_;
  int current_question_ = 0;
  FittedFont question_font_;
};

}  // namespace tavlo
