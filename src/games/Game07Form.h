#pragma once

#include <string>
#include <vector>

#include "games/GameForm.h"

namespace tavlo {

// Game 7: a scene with up to four sentences about it, each with a gap. The
// missing words stand shuffled on word buttons; the child fills the gap of
// the blue sentence, from the top down. A right word is written in, spoken,
// and its sentence read out; a scene with every gap filled earns a reward
// sound before the next scene.
class Game07Form : public GameForm {
 public:
  static constexpr int kGameNumber = 7;
  static constexpr std::size_t kMostSentences = 4;

  explicit Game07Form(const GameContext& context);

  void UpdateScreen() override;
  std::vector<SpriteClass*> ChoiceSprites() override;

  // Label = the text before the gap, Text = the missing word, Text2 = the
  // text after the gap, Text3 = the whole sentence's recording; Selected once
  // the gap is filled.
  const std::vector<SpriteClass>& Sentences() const { return sentences_; }
  // Text = a missing word, Text2 = its row's recording; hidden when the scene
  // has fewer sentences than buttons.
  const std::vector<SpriteClass>& WordButtons() const { return buttons_; }
  int CurrentSentence() const { return current_sentence_; }

 protected:
  void LoadGameGraphics() override;
  void FreeGameGraphics() override;
  void StartRound() override;
  void SpeakAnswer(int i) override;
  void GameMouseDown(int button, int shift, int x, int y) override;

 private:
  void LayOutRound();
  void AnswerCorrect();
  void AnswerWrong();
  // The current sentence's missing word, then the whole sentence, each to its end.
  void SpeakWord();
  void SpeakSentence();
  std::string SentenceAsShown(const SpriteClass& sentence) const;
  bool HasCurrentSentence() const;

  SpriteClass scene_;
  std::vector<SpriteClass> sentences_;
  std::vector<SpriteClass> buttons_ = std::vector<SpriteClass>(kMostSentences);
  SpriteClass highlighted_button_;
  int current_sentence_ = 0;
};

}  // namespace tavlo
