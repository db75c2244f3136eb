#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "games/GameForm.h"

namespace tavlo {

// Game 1: a picture with up to four of its words, each after a blank. The
// child fills the blank before the blue word with one of the answer buttons
// ("a", "an", ... from the game's data file); a right answer writes it in and
// moves to the next word, and a picture with every word done earns a reward
// sound before the next picture comes.
class Game01Form : public GameForm {
 public:
  static constexpr int kGameNumber = 1;

  explicit Game01Form(const GameContext& context) : GameForm(context, kGameNumber) {}

  void UpdateScreen() override;
  std::vector<SpriteClass*> ChoiceSprites() override;

  // Per word of the round: which buttons answer it, and what was answered.
  struct WordInfoRecord {
    std::array<std::int16_t, 4> Answers{};
    std::string Word;
    std::string Sound;
    std::string Answer;
  };

  const std::vector<SpriteClass>& Buttons() const { return buttons_; }
  const std::vector<SpriteClass>& WordCards() const { return word_cards_; }
  const std::vector<WordInfoRecord>& WordInfo() const { return word_info_; }
  int CurrentWord() const { return current_word_; }

 protected:
  void PrepareChoices() override;
  void LoadGameGraphics() override;
  void FreeGameGraphics() override;
  void StartRound() override;
  void SpeakAnswer(int i) override;
  void GameMouseDown(int button, int shift, int x, int y) override;

 private:
  void LayOutRound();
  void AnswerCorrect(int i);

  SpriteClass picture_;
  std::vector<SpriteClass> buttons_;
  SpriteClass selected_image_;
  std::vector<SpriteClass> word_cards_;
  std::vector<WordInfoRecord> word_info_;
  int current_word_ = 0;
};

}  // namespace tavlo
