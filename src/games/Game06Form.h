#pragma once

#include <array>
#include <vector>

#include "games/GameForm.h"
#include "games/ProgressFrames.h"
#include "games/TextFitting.h"

namespace tavlo {

// Game 6: four uncoloured pictures, each with a written and spoken order
// ("Paint the apple red."), and four paint pots below them, one in the colour
// of each picture, in shuffled order. The pictures are worked in turn: the pot
// of the current picture's colour paints it, and the next order is spoken; a
// set with all four painted earns a reward before the next four come.
class Game06Form : public GameForm {
 public:
  static constexpr int kGameNumber = 6;
  static constexpr int kPictures = 4;

  explicit Game06Form(const GameContext& context) : GameForm(context, kGameNumber) {}

  void UpdateScreen() override;
  // The paint pots, in their order on the screen.
  std::vector<SpriteClass*> ChoiceSprites() override;

  // Per picture: Text the word, Label its order's recording, Text2 the order,
  // Value3 the colour, Selected once painted.
  const std::array<SpriteClass, kPictures>& Pictures() const { return coloured_; }
  // Per pot, left to right: Value3 its colour.
  const std::vector<SpriteClass>& Pots() const { return pots_; }
  // The picture to paint next; kPictures once all are painted.
  int CurrentPicture() const { return current_picture_; }

 protected:
  // A round is one set of four pictures; the listen button speaks the
  // current picture's order.
  void StartRound() override;
  void GameMouseDown(int button, int shift, int x, int y) override;
  void SpeakAnswer(int i) override;
  void LoadGameGraphics() override;
  void FreeGameGraphics() override;

 private:
  void DealPictures();
  void LayOutRound();
  void AnswerCorrect();
  void SpeakOrder(int picture);
  void DrawOrders();

  std::array<SpriteClass, kPictures> coloured_;
  std::array<SpriteClass, kPictures> uncoloured_;
  ProgressFrames frames_;
  std::vector<SpriteClass> pots_ = std::vector<SpriteClass>(kPictures);
  int current_picture_ = 0;
  std::array<FittedFont, kPictures> order_fonts_;
};

}  // namespace tavlo
