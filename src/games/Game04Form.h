#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "games/GameForm.h"
#include "games/ProgressFrames.h"
#include "games/TextFitting.h"

namespace tavlo {

// Game 4: four pictures are dealt at once, each in its own frame with two
// sentences under it, one of which fits the picture. The child works the
// pictures in order, choosing the fitting sentence of the current one; a
// right choice reads the sentence aloud and clears both sentences away, and
// the fourth picture earns a reward sound before the next four are dealt.
class Game04Form : public GameForm {
 public:
  static constexpr int kGameNumber = 4;
  static constexpr std::size_t kPictures = 4;

  explicit Game04Form(const GameContext& context) : GameForm(context, kGameNumber) {}

  void UpdateScreen() override;
  std::vector<SpriteClass*> ChoiceSprites() override;

  // The pictures: Label = the word's recording, Selected = done.
  const std::array<SpriteClass, kPictures>& Targets() const { return targets_; }
  // Buttons 2i and 2i + 1 belong to picture i: Label = the sentence, Value3 =
  // 1 for the one that fits, Visible until the picture is done.
  const std::array<SpriteClass, 2 * kPictures>& SentenceButtons() const { return buttons_; }
  // The picture being worked; kPictures once the set is finished.
  int CurrentPicture() const { return current_picture_; }

 protected:
  void LoadGameGraphics() override;
  void FreeGameGraphics() override;
  void StartRound() override;
  void SpeakAnswer(int i) override;
  void GameMouseDown(int button, int shift, int x, int y) override;

 private:
  void LayOutRound();
  // Only the current picture's two sentences can be chosen.
  void ScanCurrentPair();
  void AnswerCorrect();

  std::array<SpriteClass, kPictures> targets_;
  ProgressFrames frames_;
  std::array<SpriteClass, 2 * kPictures> buttons_;
  SpriteClass highlight_;
  int current_picture_ = 0;
  FittedFont sentence_font_;
};

}  // namespace tavlo
