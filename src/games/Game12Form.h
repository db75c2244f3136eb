#pragma once

#include <array>
#include <string>
#include <vector>

#include "games/GameForm.h"
#include "games/TextFitting.h"

namespace tavlo {

// Game 12: four boxes of four written words each. A word is spoken and the
// child picks it among the words of the current box; the boxes are answered
// in order, and after the fourth a new round of four boxes comes.
class Game12Form : public GameForm {
 public:
  static constexpr int kGameNumber = 12;
  // One written word: its place in its box, whether it is the box's spoken
  // word, whether that word was found, and whether it was picked wrongly
  // while its box was being answered.
  struct WordItem {
    SpriteClass Place;
    bool Right = false;
    bool Done = false;
    bool Missed = false;
    // The spoken word's recording, on the right item only.
    std::string Sound;
  };
  static constexpr int kBoxCount = 4;
  static constexpr int kWordsPerBox = 4;
  static constexpr int kItemCount = kBoxCount * kWordsPerBox;

  explicit Game12Form(const GameContext& context) : GameForm(context, kGameNumber) {}

  void UpdateScreen() override;
  std::vector<SpriteClass*> ChoiceSprites() override;

  const std::array<WordItem, kItemCount>& Items() const { return items_; }
  const std::array<SpriteClass, kBoxCount>& Boxes() const { return boxes_; }
  // The box being answered, 0 to 3.
  int CurrentBox() const { return current_box_; }

 protected:
  void GameMouseDown(int button, int shift, int x, int y) override;
  // Says the word of the box being answered, to its end.
  void SpeakAnswer(int i) override;
  void StartRound() override;
  void LoadGameGraphics() override;
  void FreeGameGraphics() override;

 private:
  // The places of the four words of a box, in reading order.
  std::array<SpriteClass*, kWordsPerBox> PlacesOfBox(int box);
  void LayOutRound();
  void ScanCurrentBox();
  void AnswerCorrect(WordItem& item);
  void AnswerWrong(WordItem& item, int box);
  // Says the word of the box being answered.
  void SpeakCurrentWord(PlayMode mode);

  SpriteClass background_;
  std::array<SpriteClass, kBoxCount> boxes_;
  SpriteClass selected_image_;
  SpriteClass wrong_image_;
  std::array<WordItem, kItemCount> items_;
  // Each word at the largest size its place has room for.
  std::array<FittedFont, kItemCount> word_fonts_;
  int current_box_ = 0;
};

}  // namespace tavlo
