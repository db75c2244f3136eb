#pragma once

#include <string>
#include <vector>

#include "games/GameForm.h"

namespace tavlo {

// Game 10: a large scene and up to four spoken questions about it, asked one
// after the other. The child answers each with one of the answer buttons
// (yes and no in the English lists); a right answer is spoken back and leads
// to the next question, the last one to a reward sound and the next scene.
class Game10Form : public GameForm {
 public:
  static constexpr int kGameNumber = 10;
  static constexpr std::size_t kMostQuestions = 4;

  explicit Game10Form(const GameContext& context);

  void UpdateScreen() override;
  std::vector<SpriteClass*> ChoiceSprites() override;

  // Label = the answer's name (a line of the game's data file).
  const std::vector<SpriteClass>& AnswerButtons() const { return buttons_; }
  // Text = the question, Text2 = its recording, Value1 = the right answer's number.
  const std::vector<SpriteClass>& Questions() const { return questions_; }
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
  void AnswerCorrect(std::size_t answer);
  void AnswerWrong();
  // The current question, spoken to its end.
  void AskQuestion();
  void PlayAnswerName(std::size_t answer);
  void DrawQuestions();
  void DrawTitleCard();
  bool HasCurrentQuestion() const;

  SpriteClass scene_;
  std::vector<SpriteClass> buttons_;
  // The buttons' pictures while highlighted, one per button that has one.
  std::vector<SpriteClass> highlighted_buttons_;
  std::vector<SpriteClass> questions_;
  int current_question_ = 0;
};

}  // namespace tavlo
