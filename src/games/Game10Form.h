#pragma once

#include "games/GameForm.h"
#include "games/TextFitting.h"

namespace tavlo {

// Game 10: a large scene and up to four spoken questions about it, asked one
// after the other. The child answers each with one of the answer buttons
// (yes and no in the English lists); a right answer is spoken back and leads
// to the next question, the last one to a reward sound and the next scene.
class Game10Form : public GameForm {
 public:
  static constexpr int kGameNumber = 10;
  static constexpr std::size_t kMostQuestions = 4;

  explicit Game10Form(const GameContext& context) : GameForm(context, kGameNumber) {}

  void UpdateScreen() override;
  std::vector<SpriteClass*> ChoiceSprites() override { return ShownSprites(buttons_); }

  // Label = the answer's name (a line of the game's data file); a button's
  // place in the list is the answer's number.
  const std::vector<SpriteClass>& AnswerButtons() const { return buttons_; }
  int CurrentQuestion() const { return current_question_; }
  // Text = the question, Text2 = its recording, Value1 = the right answer's number.
  const std::vector<SpriteClass>& Questions() const { return questions_; }

 private:
  // One answer button for each line of the game's data file, each with its
  // picture and its picture while highlighted.
  void PrepareChoices() override;
  void LoadGameGraphics() override;
  void FreeGameGraphics() override;

  // The next scene with its questions in a column and the answer buttons in
  // a row below; the first question is asked at once.
  void StartRound() override;
  void LayOutRound();

  // An answer button: the left button answers with it, the others speak its name.
  void GameMouseDown(int button, int shift, int x, int y) override;
  bool HasCurrentQuestion() const;
  void AnswerCorrect(std::size_t answer);

  // Listen asks the current question again.
  void SpeakAnswer(int i) override;
  void AskQuestion();
  void PlayAnswerName(std::size_t answer);

  void DrawQuestions();
  void DrawTitleCard();

  SpriteClass scene_;
  std::vector<SpriteClass> buttons_;
  // The buttons' pictures while highlighted, one per button that has one.
  std::vector<SpriteClass> highlighted_buttons_;
  std::vector<SpriteClass> questions_;
  int current_question_ = 0;
  FittedFont question_font_;
};

}  // namespace tavlo
