#pragma once

#include "games/GameForm.h"
#include "games/ProgressFrames.h"
#include "games/TextFitting.h"

namespace tavlo {

// Game 8: four rows at once, each the beginning of a sentence in a text
// frame with two endings beside it, and the row's picture in a row of
// pictures below. The rows are worked from the top: the right ending
// completes the sentence, which is then read out; after the fourth row a
// reward sound (and, every few sets, the reward show) leads to a new set.
class Game08Form : public GameForm {
 public:
  static constexpr int kGameNumber = 8;
  static constexpr int kRows = 4;

  explicit Game08Form(const GameContext& context) : GameForm(context, kGameNumber) {}

  void UpdateScreen() override;
  std::vector<SpriteClass*> ChoiceSprites() override;

  int CurrentRow() const { return current_row_; }
  // The pictures: Text = the word, Label = the row's recording; Selected once the row is done.
  const std::vector<SpriteClass>& Pictures() const { return pictures_; }
  // Label = the sentence as shown; Text = its beginning.
  const ProgressFrames& TextFrames() const { return text_frames_; }
  // Frames 2i and 2i + 1 hold row i's endings (Label, cleared once the row is
  // done; Text keeps it); Value3 = 1 on the right one.
  const std::vector<SpriteClass>& ChoiceFrames() const { return choice_frames_; }

 private:
  // The frames of the texts, the endings and the pictures, each with its
  // done or current twin; the window's sand colour.
  void LoadGameGraphics() override;
  void FreeGameGraphics() override;

  // The next four rows, each with its right ending on a random side, in a
  // column with the pictures in a row below.
  void StartRound() override;
  void LayOutRound();
  // The scanning list holds the current row's two endings, from the first.
  void ScanCurrentRow();

  // A picture speaks its word; the left button on a current ending answers.
  void GameMouseDown(int button, int shift, int x, int y) override;
  void AnswerCorrect();
  // The row's beginning and its right ending, as the row shows it once done.
  std::string FinishedSentence(int row) const;

  // Listen reads the current row's whole sentence.
  void SpeakAnswer(int i) override;

  void DrawTextFrames();
  void DrawChoiceFrames();
  void DrawPictures();

  std::vector<SpriteClass> pictures_ = std::vector<SpriteClass>(kRows);
  ProgressFrames text_frames_;
  std::vector<SpriteClass> choice_frames_ = std::vector<SpriteClass>(2 * kRows);
  SpriteClass current_choice_frame_;
  SpriteClass image_frame_;
  SpriteClass done_image_frame_;
  int current_row_ = 0;
  FittedFont sentence_font_;
  FittedFont ending_font_;
};

}  // namespace tavlo
