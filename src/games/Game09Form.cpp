#include "games/Game09Form.h"

#include <algorithm>

#include "engine/Application.h"
#include "engine/Rounding.h"
#include "wordlists/Letters.h"

namespace tavlo {
namespace {

constexpr Color kBackground = RGB(255, 198, 170);
constexpr Color kCurrentWordColor = RGB(0, 0, 255);
constexpr Color kNextLetterColor = RGB(62, 209, 24);
// The square that closes a word is dark, as crosswords mark a word's end.
constexpr Color kEndSquareColor = RGB(70, 70, 70);
constexpr int kOutlineWidth = 3;
constexpr int kPictureMiddleX = 100;
constexpr int kFirstPictureY = 90;
constexpr int kPictureStepY = 150;
constexpr int kSquare = CrosswordBuilder::kSquare;
// Letters are drawn twice the game's text size, but no larger than a square holds.
constexpr double kLetterSizeFactor = 2;
constexpr double kLargestLetterSize = 44;
constexpr int kCrosswordFailureText = 4;

bool IsBlank(char32_t character) { return character <= U' ' || character == U'\u00a0'; }

}  // namespace

void Game09Form::LoadGameGraphics() {
  Graphics().BackColor = kBackground;
  picture_frame_.LoadDCImage(*this, "gfx\\game09\\imageframe0.gif");
  current_picture_frame_.LoadDCImage(*this, "gfx\\game09\\imageframe1.gif");
  next_letter_frame_.LoadDCImage(*this, "gfx\\game09\\textframe.gif");
}

void Game09Form::FreeGameGraphics() {
  for (auto& picture : pictures_) picture.CleanUp();
  picture_frame_.CleanUp();
  current_picture_frame_.CleanUp();
  next_letter_frame_.CleanUp();
}

void Game09Form::StartRound() {
  WordListState& list = state_.WordLists;
  const auto crossword = CrosswordBuilder(list.gWords).Build(list.gWordIndex);
  if (!crossword) {
    App().Host().ShowMessageBox(state_.Texts.InformationText(kCrosswordFailureText),
                                state_.Texts.ErrorCaption(), MessageButtons::Ok,
                                MessageIcon::Critical);
    ExitForm();
    return;
  }
  LayOutRound(*crossword);
  current_word_ = 0;
  UpdateScreen();
}

void Game09Form::LayOutRound(const Crossword& crossword) {
  // The scanning list points at the pictures; it must not outlive them.
  Switches().CleanUp();
  for (auto& picture : pictures_) picture.CleanUp();
  words_.clear();
  pictures_.resize(crossword.size());
  for (size_t w = 0; w < crossword.size(); ++w) {
    const CrosswordWord& placed = crossword[w];
    const WordRecord& row = state_.WordLists.gWords[placed.Row];
    Entry& entry = words_.emplace_back();
    entry.Word = row.Word;
    entry.Image = row.Image;
    entry.Sound = row.Sound;
    entry.Letters = SplitLetters(row.Word);
    entry.Upper = UpperLetters(row.Word);
    entry.Squares.resize(entry.Letters.size() + 1);
    for (size_t k = 0; k < entry.Squares.size(); ++k) {
      SpriteClass& square = entry.Squares[k];
      const int step = kSquare * static_cast<int>(k);
      square.X = placed.X + (placed.Direction == WordDirection::Across ? step : 0);
      square.Y = placed.Y + (placed.Direction == WordDirection::Down ? step : 0);
      square.Width = kSquare;
      square.Height = kSquare;
      if (k < entry.Letters.size()) square.Text = entry.Letters[k];
    }
    entry.NextLetter = entry.Letters.empty() ? -1 : 0;

    SpriteClass& picture = pictures_[w];
    picture.Selected = false;
    LoadItemPicture(picture, PictureFolder::Images, row.Image);
    picture.X = kPictureMiddleX - HalfOf(picture.Width);
    picture.Y = kFirstPictureY + kPictureStepY * static_cast<int>(w);
    Switches().Add(picture);
  }
}

std::vector<SpriteClass*> Game09Form::ChoiceSprites() { return PointersTo(pictures_); }

void Game09Form::UpdateScreen() {
  BeginScreen();
  for (size_t w = 0; w < pictures_.size(); ++w) {
    SpriteClass& picture = pictures_[w];
    SpriteClass& frame =
        static_cast<int>(w) == current_word_ ? current_picture_frame_ : picture_frame_;
    frame.DrawTranspAt(*this, nint(picture.MiddleX()) - HalfOf(frame.Width),
                       nint(picture.MiddleY()) - HalfOf(frame.Height));
    picture.Draw(*this);
    DrawHighlightBorder(picture);
  }
  DrawSquares();
  DrawLetters();
  DrawFrameHighlights();
  EndScreen();
}

void Game09Form::DrawSquares() {
  Canvas& canvas = Graphics();
  canvas.DrawWidth = 1;
  for (const Entry& entry : words_) {
    for (size_t k = 0; k < entry.Squares.size(); ++k) {
      const SpriteClass& square = entry.Squares[k];
      const int left = nint(square.X);
      const int top = nint(square.Y);
      const bool end = k + 1 == entry.Squares.size();
      canvas.FilledBox(left, top, left + kSquare - 1, top + kSquare - 1,
                       end ? kEndSquareColor : kWhite);
      canvas.Box(left, top, left + kSquare - 1, top + kSquare - 1, kBlack);
    }
  }
  if (current_word_ >= static_cast<int>(words_.size())) return;
  const Entry& current = words_[static_cast<size_t>(current_word_)];
  if (current.Letters.empty()) return;
  canvas.DrawWidth = kOutlineWidth;
  const SpriteClass& first = current.Squares.front();
  const SpriteClass& last = current.Squares[current.Letters.size() - 1];
  canvas.Box(nint(first.X), nint(first.Y), nint(last.X) + kSquare - 1, nint(last.Y) + kSquare - 1,
             kCurrentWordColor);
  if (current.NextLetter >= 0) {
    const SpriteClass& next = current.Squares[static_cast<size_t>(current.NextLetter)];
    // The square to type into stands out as a card of its own.
    next_letter_frame_.DrawTranspAt(*this, nint(next.X), nint(next.Y));
    canvas.Box(nint(next.X) + 2, nint(next.Y) + 2, nint(next.X) + kSquare - 3,
               nint(next.Y) + kSquare - 3, kNextLetterColor);
  }
  canvas.DrawWidth = 1;
}

void Game09Form::DrawLetters() {
  Canvas& canvas = Graphics();
  canvas.FontName = state_.gFontName;
  canvas.FontSize =
      std::min(kLetterSizeFactor * state_.gFontSize, kLargestLetterSize) * state_.gTextScale;
  canvas.ForeColor = kBlack;
  // A square two words share shows its letter once, as the word that filled
  // it first wrote it, whether or not the other word has reached it yet.
  std::vector<std::pair<int, int>> written;
  for (const Entry& entry : words_) {
    for (const SpriteClass& square : entry.Squares) {
      if (!square.Selected) continue;
      const std::pair<int, int> place{nint(square.X), nint(square.Y)};
      if (std::find(written.begin(), written.end(), place) != written.end()) continue;
      written.push_back(place);
      canvas.CurrentX = square.MiddleX() - canvas.TextWidth(square.Text) / 2;
      canvas.CurrentY = square.MiddleY() - canvas.TextHeight(square.Text) / 2;
      canvas.Print(square.Text);
    }
  }
}

void Game09Form::Form_KeyPress(const std::string& characters) {
  if (InputLocked() || !IsLoaded()) return;
  bool typed = false;
  for (const char32_t character : UpperLetters(characters)) {
    // Space is the step switch; its character is not a letter to type.
    if (IsBlank(character)) continue;
    TypeLetter(character);
    typed = true;
    if (!IsLoaded()) return;
  }
  if (typed) LockInput();
}

void Game09Form::TypeLetter(char32_t upper) {
  if (current_word_ >= static_cast<int>(words_.size())) return;
  const Entry& entry = words_[static_cast<size_t>(current_word_)];
  if (entry.NextLetter < 0) return;
  if (entry.Upper[static_cast<size_t>(entry.NextLetter)] == upper) {
    FillWord(Fill::OneLetter);
  } else {
    ReportWrong();
  }
}

void Game09Form::SelectSwitch(int x, int y) {
  for (size_t w = 0; w < pictures_.size(); ++w) {
    if (!pictures_[w].IsUnder(x, y)) continue;
    if (static_cast<int>(w) == current_word_) {
      FillWord(Fill::WholeWord);
    } else {
      ReportWrong();
    }
    return;
  }
}

void Game09Form::GameMouseDown(int, int, int x, int y) {
  for (size_t w = 0; w < pictures_.size(); ++w) {
    if (pictures_[w].IsUnder(x, y)) SpeakWord(static_cast<int>(w));
  }
  // A click on a square makes its word the one to fill. On a square two
  // words share, the word that is not current yet gets the turn; a complete
  // word has nothing left to fill.
  int chosen = -1;
  for (size_t w = 0; w < words_.size(); ++w) {
    const Entry& entry = words_[w];
    if (entry.NextLetter < 0) continue;
    const bool under = std::any_of(entry.Squares.begin(), entry.Squares.end() - 1,
                                   [&](const SpriteClass& square) { return square.IsUnder(x, y); });
    if (!under) continue;
    if (chosen < 0 || chosen == current_word_) chosen = static_cast<int>(w);
  }
  if (chosen >= 0) current_word_ = chosen;
}

void Game09Form::FillWord(Fill fill) {
  // Counted without the right-answer sound: a filled square clicks instead.
  ReportCorrect(AnswerSound::Silent);
  Entry& entry = words_[static_cast<size_t>(current_word_)];
  const auto letters = static_cast<int>(entry.Letters.size());
  if (fill == Fill::WholeWord) {
    for (int k = 0; k < letters; ++k) entry.Squares[static_cast<size_t>(k)].Selected = true;
    entry.NextLetter = -1;
  } else {
    entry.Squares[static_cast<size_t>(entry.NextLetter)].Selected = true;
    entry.NextLetter += 1;
    if (entry.NextLetter >= letters) entry.NextLetter = -1;
  }
  UpdateScreen();
  PlayEffectSound(App(), state_.Profiles, "sfx\\game09\\click.wav", PlayMode::Asynchronous);
  if (entry.NextLetter >= 0) return;

  if (!AllComplete()) {
    SpeakWord(current_word_);
    current_word_ = NextIncompleteWord();
    UpdateScreen();
    return;
  }
  // The last word is heard to its end before the reward sound takes the voice.
  SpeakWord(current_word_, PlayMode::Synchronous);
  CompleteItem();
  StartRound();
}

bool Game09Form::AllComplete() const {
  return std::all_of(words_.begin(), words_.end(),
                     [](const Entry& entry) { return entry.NextLetter < 0; });
}

int Game09Form::NextIncompleteWord() const {
  const int count = static_cast<int>(words_.size());
  for (int step = 1; step <= count; ++step) {
    const int w = (current_word_ + step) % count;
    if (words_[static_cast<size_t>(w)].NextLetter >= 0) return w;
  }
  return current_word_;
}

void Game09Form::SpeakAnswer(int) { SpeakWord(current_word_); }

void Game09Form::SpeakWord(int word, PlayMode mode) {
  if (word < 0 || word >= static_cast<int>(words_.size())) return;
  PlaySpeech(words_[static_cast<size_t>(word)].Sound, mode);
}

}  // namespace tavlo
