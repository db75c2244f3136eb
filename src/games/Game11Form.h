#pragma once

#include "games/GameForm.h"
#include "games/TextFitting.h"

namespace tavlo {

// Game 11: a scene with a written sentence below it. The sentence is spoken,
// and its words stand shuffled in two columns; the child points them out
// from the first to the last. A finished sentence is read out again and
// earns a reward sound before the next one.
class Game11Form : public GameForm {
 public:
  explicit Game11Form(const GameContext& context) : GameForm(context, kGameNumber) {}
  static constexpr int kGameNumber = 11;

  void UpdateScreen() override;
  std::vector<SpriteClass*> ChoiceSprites() override { return ShownSprites(words_); }

  // In the order they stand on screen. Text = the word with the character
  // that ends it (a blank, or the sentence's last character), Value1 = its
  // place in the sentence from 0, Flag1 = found.
  const std::vector<SpriteClass>& Words() const { return words_; }
  const std::string& Sentence() const { return sentence_; }
  int NextWord() const { return next_word_; }

  // The sentence cut into its words: every word keeps the blank after it, so
  // two blanks in a row give a word of a blank alone.
  static std::vector<std::string> CutIntoWords(const std::string& sentence);
  // What a word says, for its recording: the word without the blanks and
  // punctuation that end it.
  static std::string SpokenWord(const std::string& word);

 private:
  // The words are drawn as cards: there is nothing to load but the scene.
  void LoadGameGraphics() override;
  void FreeGameGraphics() override;

  // The next sentence: its scene, and its words shuffled into the columns;
  // all of them are scanned, then only those not found yet.
  void StartRound() override;
  void LayOutRound();
  void ScanWordsLeft();

  // A word card: the left button points it out, the others speak it.
  void GameMouseDown(int button, int shift, int x, int y) override;
  void AnswerCorrect(SpriteClass& word);

  // Listen reads the whole sentence out.
  void SpeakAnswer(int i) override;
  void SpeakSentence(PlayMode mode);
  void SpeakWord(const SpriteClass& word);

  void DrawWords();
  void DrawSentence();

  SpriteClass scene_;
  std::vector<SpriteClass> words_;
  std::string sentence_;
  std::string sound_;
  int next_word_ = 0;
  FittedFont word_font_;
  FittedFont sentence_font_;
};

}  // namespace tavlo
