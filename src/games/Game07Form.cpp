#include "games/Game07Form.h"

#include "engine/Application.h"
#include "engine/Random.h"
#include "engine/Rounding.h"
#include "games/CentredText.h"

namespace tavlo {
namespace {

constexpr Color kCurrentSentenceColor = kHighlightBlue;
// The sentences stand from x = 240, the first at y = 90, one every 55 pixels.
constexpr int kSentencesLeft = 240, kFirstSentenceY = 90, kSentenceStepY = 55;
// Room for a sentence: from its left edge to 10 px before the window's edge,
// and no higher than the step to the next sentence.
constexpr int kSentenceWidth = Form::kWidth - kSentencesLeft - 10;
// Two rows of two word buttons, the first 50 pixels below the sentences, the
// second 15 pixels below the first; one button centred on x = 320, one on 480.
constexpr int kButtonsBelowSentences = 50, kButtonRowGap = 15;
constexpr int kLeftButtonCentre = 320, kRightButtonCentre = 480;
constexpr int kButtonTextMargin = 10;
constexpr const char* kGap = " _____ ";

}  // namespace

void Game07Form::LoadGameGraphics() {
  // The scene fills the window; without one the window stays white.
  highlighted_button_.LoadDCImage(*this, "gfx\\game07\\choicebutton1.gif");
  for (SpriteClass& button : buttons_) button.LoadDCImage(*this, "gfx\\game07\\choicebutton0.gif");
}

void Game07Form::FreeGameGraphics() {
  for (SpriteClass* sprite : {&scene_, &highlighted_button_}) sprite->CleanUp();
  for (SpriteClass& button : buttons_) button.CleanUp();
  sentences_.clear();
}

void Game07Form::StartRound() {
  current_sentence_ = 0;
  sentences_.clear();
  for (SpriteClass& button : buttons_) {
    button.Text.clear();
    button.Text2.clear();
    button.Visible = false;
    button.Selected = false;
  }

  size_t next_button = 0;
  for (const WordRecord& row : DealScene(scene_, kMostSentences)) {
    SpriteClass& sentence = sentences_.emplace_back();
    sentence.Label = TextOf(row, 0);
    sentence.Text = TextOf(row, 1);
    sentence.Text2 = TextOf(row, 2);
    sentence.Text3 = row.Sound;
    sentence.Selected = false;
    SpriteClass& button = buttons_[next_button++];
    button.Text = sentence.Text;
    button.Text2 = row.Sound;
    button.Visible = true;
  }

  ShuffleObjects(buttons_);
  LayOutRound();
  UpdateScreen();
}

void Game07Form::LayOutRound() {
  Canvas& canvas = Graphics();
  const std::vector<std::string> texts = FitSentences();
  // A sentence covers its line as printed, so the buttons keep clear of it.
  for (size_t i = 0; i < sentences_.size(); ++i) {
    SpriteClass& sentence = sentences_[i];
    sentence.X = kSentencesLeft;
    sentence.Y = kFirstSentenceY + kSentenceStepY * static_cast<int>(i);
    sentence.Width = canvas.TextWidth(texts[i]);
    sentence.Height = canvas.TextHeight();
  }

  const int first_row = sentences_.empty() ? kFirstSentenceY : sentences_.back().Bottom();
  int row_top = first_row + kButtonsBelowSentences;
  for (size_t i = 0; i < buttons_.size(); ++i) {
    SpriteClass& button = buttons_[i];
    const int centre = i % 2 == 0 ? kLeftButtonCentre : kRightButtonCentre;
    if (i == 2) row_top = buttons_[0].Bottom() + kButtonRowGap;
    button.X = centre - HalfOf(button.Width);
    button.Y = row_top;
  }

  Switches().CleanUp();
  for (SpriteClass& button : buttons_) {
    if (button.Visible) Switches().Add(button);
  }
}

std::string Game07Form::SentenceAsShown(const SpriteClass& sentence) const {
  if (!sentence.Selected) return sentence.Label + kGap + sentence.Text2;
  return sentence.Label + " " + sentence.Text + " " + sentence.Text2;
}

std::vector<std::string> Game07Form::FitSentences() {
  Canvas& canvas = Graphics();
  canvas.FontName = state_.gFontName;
  std::vector<std::string> texts;
  for (const SpriteClass& sentence : sentences_) texts.push_back(SentenceAsShown(sentence));
  sentence_font_.Apply(canvas, state_.gFontSize * state_.gTextScale, texts, kSentenceWidth,
                       kSentenceStepY);
  return texts;
}

void Game07Form::UpdateScreen() {
  Canvas& canvas = BeginScreen(scene_);
  for (SpriteClass& button : buttons_) {
    if (!button.Visible) continue;
    if (button.Selected) {
      highlighted_button_.DrawTranspAt(*this, nint(button.X), nint(button.Y));
    } else {
      button.DrawTransp(*this);
    }
  }
  DrawFrameHighlights();

  const std::vector<std::string> texts = FitSentences();
  for (size_t i = 0; i < sentences_.size(); ++i) {
    canvas.ForeColor =
        static_cast<int>(i) == current_sentence_ ? kCurrentSentenceColor : kBlack;
    canvas.CurrentX = kSentencesLeft;
    canvas.CurrentY = sentences_[i].Y;
    canvas.Print(texts[i]);
  }

  canvas.ForeColor = kBlack;
  std::vector<std::string> words;
  for (const SpriteClass& button : buttons_) words.push_back(button.Text);
  const SpriteClass& shape = buttons_[0];
  word_font_.Apply(canvas, state_.gFontSize * state_.gTextScale, words,
                   shape.Width - 2 * kButtonTextMargin, shape.Height);
  for (const SpriteClass& button : buttons_) {
    if (button.Visible) PrintCentredOn(canvas, button.Text, button);
  }
  EndScreen();
}

bool Game07Form::HasCurrentSentence() const {
  return current_sentence_ < static_cast<int>(sentences_.size());
}

void Game07Form::GameMouseDown(int button, int, int x, int y) {
  const SpriteClass* word_button = ChoiceUnder(x, y);
  if (word_button == nullptr) return;
  if (button == mouse_buttons::kRight) {
    PlaySpeech(word_button->Text + ".wav", PlayMode::Asynchronous);
  } else if (button == mouse_buttons::kLeft && HasCurrentSentence()) {
    if (word_button->Text == sentences_[static_cast<size_t>(current_sentence_)].Text) {
      AnswerCorrect();
    } else {
      ReportWrong();
    }
  }
}

void Game07Form::AnswerCorrect() {
  // The word itself is the praise: it is spoken at once, without the
  // right-answer sound before it.
  ReportCorrect(AnswerSound::Silent);
  sentences_[static_cast<size_t>(current_sentence_)].Selected = true;
  // The gap shows its word while the word and the sentence are heard.
  UpdateScreen();
  SpeakWord();
  SpeakSentence();
  current_sentence_ += 1;
  if (HasCurrentSentence()) {
    UpdateScreen();
    return;
  }
  CompleteItem(ItemReward::SoundOnly);
  StartRound();
}

void Game07Form::SpeakWord() {
  if (!HasCurrentSentence()) return;
  PlaySpeech(sentences_[static_cast<size_t>(current_sentence_)].Text + ".wav");
}

void Game07Form::SpeakSentence() {
  if (!HasCurrentSentence()) return;
  PlaySpeech("game07/" + sentences_[static_cast<size_t>(current_sentence_)].Text3);
}

void Game07Form::SpeakAnswer(int) { SpeakSentence(); }

}  // namespace tavlo
