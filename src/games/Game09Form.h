#pragma once

#include <string>
#include <vector>

#include "games/CrosswordBuilder.h"
#include "games/GameForm.h"

namespace tavlo {

// Game 9: a small crossword of pictures. One word stands upright and two or
// one cross it, each with its picture at the left edge. The child types the
// words letter by letter, one word after the other in picture order; a switch
// user fills a whole word by choosing its picture. Every word done is spoken,
// and a full crossword earns the reward before the next one is built.
class Game09Form : public GameForm {
 public:
  static constexpr int kGameNumber = 9;

  // One word of the crossword and how far it is filled in.
  struct Entry {
    std::string Word;
    std::string Image;
    std::string Sound;
    // The letters as written, and in upper case for comparing.
    std::vector<std::string> Letters;
    std::u32string Upper;
    // One square per letter, then the square that closes the word. A square's
    // Text is its letter and Selected says that it is shown.
    std::vector<SpriteClass> Squares;
    // The letter to type next; -1 once the word is complete.
    int NextLetter = 0;
  };

  explicit Game09Form(const GameContext& context) : GameForm(context, kGameNumber) {}

  void UpdateScreen() override;
  // The pictures, one per word in placing order.
  std::vector<SpriteClass*> ChoiceSprites() override;
  // Typed letters fill the current word.
  void Form_KeyPress(const std::string& characters) override;

  const std::vector<Entry>& Words() const { return words_; }
  const std::vector<SpriteClass>& Pictures() const { return pictures_; }
  int CurrentWord() const { return current_word_; }

 protected:
  // A round is one crossword. A click on a square chooses its word and the
  // select switch on the current word's picture fills that word.
  void StartRound() override;
  void GameMouseDown(int button, int shift, int x, int y) override;
  void SelectSwitch(int x, int y) override;
  void SpeakAnswer(int i) override;
  void LoadGameGraphics() override;
  void FreeGameGraphics() override;

 private:
  enum class Fill { OneLetter, WholeWord };

  void LayOutRound(const Crossword& crossword);
  void FillWord(Fill fill);
  void TypeLetter(char32_t upper);
  void SpeakWord(int word, PlayMode mode = PlayMode::Asynchronous);
  // The next word after the current one, around the end, that is not yet complete.
  int NextIncompleteWord() const;
  bool AllComplete() const;
  void DrawSquares();
  void DrawLetters();

  std::vector<Entry> words_;
  std::vector<SpriteClass> pictures_;
  SpriteClass picture_frame_;
  SpriteClass current_picture_frame_;
  SpriteClass next_letter_frame_;
  int current_word_ = 0;
};

}  // namespace tavlo
