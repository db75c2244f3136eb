#pragma once

#include "games/GameForm.h"
#include "games/TextFitting.h"

namespace tavlo {

// Game 7: a scene with up to four sentences about it, each with a gap. The
// missing words stand shuffled on word buttons; the child fills the gap of
// the blue sentence, from the top down. A right word is written in, spoken,
// and its sentence read out; a scene with every gap filled earns a reward
// sound before the next scene.
class Game07Form : public GameForm {
 public:
  static constexpr int kGameNumber = 7;
  explicit Game07Form(const GameContext& context) : GameForm(context, kGameNumber) {}

  static constexpr std::size_t kMostSentences = 4;

  void UpdateScreen() override;
  std::vector<SpriteClass*> ChoiceSprites() override { return ShownSprites(buttons_); }

  int CurrentSentence() const { return current_sentence_; }
  // Label = the text before the gap, Text = the missing word, Text2 = the
  // text after the gap, Text3 = the whole sentence's recording; Selected once
  // the gap is filled.
  const std::vector<SpriteClass>& Sentences() const { return sentences_; }
  // Text = a missing word, Text2 = its row's recording; hidden when the scene
  // has fewer sentences than buttons.
  const std::vector<SpriteClass>& WordButtons() const { return buttons_; }

 private:
  // The word buttons' picture and its highlighted twin.
  void LoadGameGraphics() override;
  void FreeGameGraphics() override;

  // The next scene: its picture, its sentences, their words shuffled on the
  // buttons, two rows of them under the sentences.
  void StartRound() override;
  void LayOutRound();
  std::string SentenceAsShown(const SpriteClass& sentence) const;
  // The sentences as shown, with the canvas set to the one size that fits
  // them all.
  std::vector<std::string> FitSentences();

  // A word button: the left button fills the gap with it, the right one speaks it.
  void GameMouseDown(int button, int shift, int x, int y) override;
  bool HasCurrentSentence() const;
  void AnswerCorrect();

  // Listen reads the current sentence out; a filled gap speaks its word first.
  void SpeakAnswer(int i) override;
  void SpeakWord();
  void SpeakSentence();

  SpriteClass scene_;
  std::vector<SpriteClass> sentences_;
  std::vector<SpriteClass> buttons_ = std::vector<SpriteClass>(kMostSentences);
  SpriteClass highlighted_button_;
  int current_sentence_ = 0;
  FittedFont sentence_font_;
  FittedFont word_font_;
};

}  // namespace tavlo
