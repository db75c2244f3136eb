#pragma once

#include <array>
#include <string>
#include <vector>

#include "games/GameForm.h"
#include "games/TextFitting.h"

namespace tavlo {

// Game 14: four picture frames, each showing one to four copies of a
// picture, and four word buttons ("three apples"). The frames are asked in
// turn; for the current one the child chooses the button that says what it
// shows. After the fourth a new round comes, and every few rounds the reward
// animal.
class Game14Form : public GameForm {
 public:
  static constexpr int kGameNumber = 14;
  static constexpr int kItemCount = 4;
  static constexpr int kCopiesPerFrame = 4;
  explicit Game14Form(const GameContext& context) : GameForm(context, kGameNumber) {}
  void UpdateScreen() override;
  std::vector<SpriteClass*> ChoiceSprites() override;

  // One picture with its word button. The frame's Extra holds the record's
  // Num less one; the button's Text is the words it says.
  struct Item {
    SpriteClass Frame;
    SpriteClass Picture;
    SpriteClass Button;
    // The recording of the number word, under the game's own speech folder.
    std::string NumberWord;
    // The recording of the noun.
    std::string Sound;
    // Where the button stands among the four button places, 0 to 3.
    int Place = 0;
  };

  const std::array<Item, kItemCount>& Items() const { return items_; }
  const std::array<SpriteClass, kItemCount * kCopiesPerFrame>& Copies() const { return copies_; }
  // The picture being asked, 0 to 3 (4 once the round is complete).
  int CurrentItem() const { return current_item_; }

 protected:
  // Says the current picture.
  void SpeakAnswer(int i) override;
  void StartRound() override;
  void LoadGameGraphics() override;
  void FreeGameGraphics() override;
  void GameMouseDown(int button, int shift, int x, int y) override;

 private:
  void LayOutRound();
  // Hides copies of one frame, from a random one on in the frame's cyclic
  // order, until count - 1 are hidden or none is left to hide.
  void HideCopies(int first, int count);
  // The number word, heard to its end, then the noun.
  void SpeakItem(const Item& item, PlayMode noun_mode);
  void AnswerCorrect();

  std::array<Item, kItemCount> items_;
  std::array<SpriteClass, kItemCount * kCopiesPerFrame> copies_;
  SpriteClass selected_frame_;
  SpriteClass selected_button_;
  // Each button's words at the largest size the button has room for.
  std::array<FittedFont, kItemCount> button_fonts_;
  int current_item_ = 0;
};

}  // namespace tavlo
