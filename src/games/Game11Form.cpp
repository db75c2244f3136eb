#include "games/Game11Form.h"

#include <algorithm>

#include "engine/Application.h"
#include "engine/Random.h"
#include "engine/Rounding.h"
#include "games/CentredText.h"

namespace tavlo {
namespace {

// Word cards of 170 x 40 pixels stand in two columns, at x = 20 and ending at
// x = 780, from y = 100; a pair of them every 80 pixels (twice their height).
constexpr int kWordWidth = 170, kWordHeight = 40;
constexpr int kLeftColumn = 20, kRightColumn = 780 - kWordWidth, kFirstWordY = 100;
constexpr int kPairStep = 2 * kWordHeight;
constexpr int kWordTextMargin = 8;
// The sentence stands on a white strip in the quiet ground at the bottom of
// the scene, below the lowest row of words a ten-word sentence needs.
constexpr int kSentenceMiddleY = 535, kSentenceWidth = 780, kSentenceHeight = 60;
constexpr int kStripMargin = 10;
constexpr int kPauseBeforeSentence = 500;
constexpr Color kWordCard = kWhite;
constexpr Color kWordEdge = RGB(120, 120, 120);
constexpr Color kFoundCard = RGB(200, 230, 201);
constexpr Color kFoundColor = RGB(27, 110, 32);
// The one language whose word recordings the game does not play.
constexpr const char* kLanguageWithoutWordSpeech = "den";

bool IsEndOfWord(char c) {
  return c == ' ' || c == '.' || c == ',' || c == '!' || c == '?' || c == ';' || c == ':';
}

std::string WithoutTrailingBlanks(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

}  // namespace

std::vector<std::string> Game11Form::CutIntoWords(const std::string& sentence) {
  std::vector<std::string> words;
  std::string word;
  for (char c : sentence) {
    word += c;
    if (c == ' ') {
      words.push_back(word);
      word.clear();
    }
  }
  if (!word.empty()) words.push_back(word);
  return words;
}

std::string Game11Form::SpokenWord(const std::string& word) {
  std::string spoken = word;
  while (!spoken.empty() && IsEndOfWord(spoken.back())) spoken.pop_back();
  return spoken;
}

void Game11Form::LoadGameGraphics() { Graphics().BackColor = kWhite; }

void Game11Form::FreeGameGraphics() {
  scene_.CleanUp();
  words_.clear();
}

void Game11Form::StartRound() {
  const BusyPointer busy(App().Host());
  // A sentence is a scene of its own: its row alone, with its picture.
  const std::vector<WordRecord> rows = DealScene(scene_, 1);
  const WordRecord row = rows.empty() ? WordRecord{} : rows.front();
  sentence_ = TextOf(row, 0);
  sound_ = row.Sound;
  next_word_ = 0;
  words_.clear();
  const std::vector<std::string> parts = CutIntoWords(sentence_);
  for (size_t i = 0; i < parts.size(); ++i) {
    SpriteClass& word = words_.emplace_back();
    word.Text = parts[i];
    word.Value1 = static_cast<std::int32_t>(i);
  }
  LayOutRound();
  RefreshHover();
  UpdateScreen();
}

void Game11Form::LayOutRound() {
  ShuffleObjects(words_);
  Switches().CleanUp();
  for (size_t i = 0; i < words_.size(); ++i) {
    SpriteClass& word = words_[i];
    word.Width = kWordWidth;
    word.Height = kWordHeight;
    word.X = i % 2 == 0 ? kLeftColumn : kRightColumn;
    word.Y = kFirstWordY + kPairStep * static_cast<int>(i / 2);
    Switches().Add(word);
  }
}

void Game11Form::ScanWordsLeft() {
  Switches().CleanUp();
  for (SpriteClass& word : words_) {
    if (!word.Flag1) Switches().Add(word);
  }
}

void Game11Form::DrawWords() {
  Canvas& canvas = Graphics();
  std::vector<std::string> texts;
  for (const SpriteClass& word : words_) texts.push_back(word.Text);
  word_font_.Apply(canvas, state_.gFontSize * state_.gTextScale, texts,
                   kWordWidth - 2 * kWordTextMargin, kWordHeight);
  for (SpriteClass& word : words_) {
    const int left = word.Left();
    const int top = word.Top();
    const int right = left + word.Width - 1;
    const int bottom = top + word.Height - 1;
    canvas.FilledBox(left, top, right, bottom, word.Flag1 ? kFoundCard : kWordCard);
    canvas.Box(left, top, right, bottom, kWordEdge);
    DrawHighlightBorder(word);
    // The blank that ends a word is not shown, so that the word sits in the middle.
    const std::string shown = WithoutTrailingBlanks(word.Text);
    canvas.ForeColor = word.Flag1 ? kFoundColor : kBlack;
    PrintCentredOn(canvas, shown, word);
  }
}

void Game11Form::DrawSentence() {
  if (sentence_.empty()) return;
  Canvas& canvas = Graphics();
  sentence_font_.Apply(canvas, state_.gFontSize * state_.gTextScale, sentence_,
                       kSentenceWidth - 2 * kStripMargin, kSentenceHeight);
  const int width = canvas.TextWidth(sentence_);
  const int height = canvas.TextHeight();
  const int left = 400 - width / 2;
  const int top = kSentenceMiddleY - height / 2;
  canvas.FilledBox(left - kStripMargin, top - 4, left + width + kStripMargin, top + height + 4,
                   kWhite);
  // The words found so far are written in green, in their place in the sentence.
  std::vector<const SpriteClass*> in_order(words_.size());
  for (const SpriteClass& word : words_) in_order[static_cast<size_t>(word.Value1)] = &word;
  double x = left;
  for (const SpriteClass* word : in_order) {
    canvas.ForeColor = word->Flag1 ? kFoundColor : kBlack;
    canvas.CurrentX = x;
    canvas.CurrentY = top;
    canvas.Print(word->Text);
    x += canvas.TextWidth(word->Text);
  }
}

void Game11Form::UpdateScreen() {
  Canvas& canvas = BeginScreen(scene_);
  canvas.FontName = state_.gFontName;
  DrawWords();
  DrawSentence();
  DrawFrameHighlights();
  EndScreen();
}

void Game11Form::GameMouseDown(int button, int, int x, int y) {
  SpriteClass* word = ChoiceUnder(x, y);
  if (word == nullptr) return;
  if (button != mouse_buttons::kLeft) {
    SpeakWord(*word);
  } else if (word->Value1 == next_word_) {
    AnswerCorrect(*word);
  } else {
    ReportWrong();
  }
}

void Game11Form::AnswerCorrect(SpriteClass& word) {
  word.Flag1 = true;
  ScanWordsLeft();
  ReportCorrect();
  SpeakWord(word);
  next_word_ += 1;
  UpdateScreen();
  if (next_word_ < static_cast<int>(words_.size())) return;

  App().Wait(kPauseBeforeSentence);
  // The sentence is heard to its end; the reward sound would cut it off.
  SpeakSentence(PlayMode::Synchronous);
  PlayRewardSound(App(), state_.Profiles,
                  "sfx\\rewards\\" + RandomRewardSound(App(), Rewards.gRewardSoundFiles),
                  PlayMode::Asynchronous);
  StartRound();
}

void Game11Form::SpeakWord(const SpriteClass& word) {
  if (state_.Texts.gLanguage == kLanguageWithoutWordSpeech) return;
  const std::string spoken = SpokenWord(word.Text);
  if (spoken.empty()) return;
  PlaySpeech(spoken + ".wav", PlayMode::Asynchronous);
}

void Game11Form::SpeakSentence(PlayMode mode) { PlaySpeech("game11/" + sound_, mode); }

void Game11Form::SpeakAnswer(int) { SpeakSentence(PlayMode::Synchronous); }

}  // namespace tavlo
