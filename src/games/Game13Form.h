#pragma once

#include <array>
#include <string>
#include <vector>

#include "games/GameForm.h"
#include "games/TextFitting.h"

namespace tavlo {

// Game 13: four pictures, each with four written words under it in random
// order. The child picks the word that names each picture; the other words of
// an answered picture disappear, and after the fourth picture a new round
// comes.
class Game13Form : public GameForm {
 public:
  static constexpr int kGameNumber = 13;
  // One picture with its frame, its recording, and whether its word was found.
  struct Group {
    SpriteClass Frame;
    SpriteClass Picture;
    std::string Sound;
    bool Answered = false;
  };

  // One written word under a picture: its place (hidden once its picture is
  // answered, unless it is the right word) and whether it names the picture.
  struct WordItem {
    SpriteClass Place;
    int GroupNumber = 0;
    bool Right = false;
  };

  static constexpr int kGroupCount = 4;
  static constexpr int kWordsPerGroup = 4;
  static constexpr int kWordCount = kGroupCount * kWordsPerGroup;

  const std::array<Group, kGroupCount>& Groups() const { return groups_; }
  const std::array<WordItem, kWordCount>& Words() const { return words_; }
  // How many pictures of this round were answered.
  int AnsweredCount() const { return answered_count_; }

  explicit Game13Form(const GameContext& context) : GameForm(context, kGameNumber) {}
  void UpdateScreen() override;
  std::vector<SpriteClass*> ChoiceSprites() override;

 protected:
  void StartRound() override;
  void GameMouseDown(int button, int shift, int x, int y) override;
  // Says the first picture still to answer.
  void SpeakAnswer(int i) override;
  void LoadGameGraphics() override;
  void FreeGameGraphics() override;

 private:
  void LayOutRound();
  // The words of the first picture not answered yet.
  void ScanNextGroup();
  void AnswerCorrect(WordItem& word);

  std::array<Group, kGroupCount> groups_;
  std::array<WordItem, kWordCount> words_;
  // Each word at the largest size its place has room for.
  std::array<FittedFont, kWordCount> word_fonts_;
  int answered_count_ = 0;
};

}  // namespace tavlo
