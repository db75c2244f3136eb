#include "games/Game02Form.h"

#include <algorithm>

#include "engine/Rounding.h"
#include "games/CentredText.h"
#include "games/TextFitting.h"

namespace tavlo {
namespace {

constexpr Color kBackground = RGB(249, 227, 255);
// Space between a slot's picture and the texts above and below it, and
// between a choice and its word.
constexpr int kTextGap = 12;
constexpr int kWordGap = 5;

}  // namespace

Game02Form::Game02Form(const GameContext& context)
    : CoveredPicturesGame(context, kGameNumber, kBackground, "gfx\\game02\\") {}

void Game02Form::KeepRow(std::size_t slot, const WordRecord& row) {
  hints_[slot] = TextOf(row, 0);
  sentences_[slot] = TextOf(row, 1);
}

void Game02Form::LayOutRound() {
  // A two-by-two grid of slots, each picture in the middle of its frame.
  frames_[0].X = 55;
  frames_[0].Y = 80;
  frames_[1].X = frames_[0].Right() + 30;
  frames_[1].Y = frames_[0].Y;
  frames_[2].X = frames_[0].X;
  frames_[2].Y = frames_[0].Bottom() + 20;
  frames_[3].X = frames_[1].X;
  frames_[3].Y = frames_[2].Y;
  for (std::size_t i = 0; i < kSlots; ++i) {
    SpriteClass& slot = set_.Slots()[i];
    slot.X = frames_[i].MiddleX() - HalfOf(slot.Width);
    slot.Y = frames_[i].MiddleY() - HalfOf(slot.Height);
  }
  // The row of choices stands in the middle of the space under the slots.
  const int middle = (frames_[2].Bottom() + Form::kHeight) / 2;
  set_.LayOutChoices(middle - HalfOf(set_.Choices()[0].Height));
}

std::string Game02Form::SentenceLine(std::size_t slot) const {
  if (sentences_[slot].empty()) return "";
  const SpriteClass& target = set_.Slots()[slot];
  return sentences_[slot] + (target.Selected ? " " + target.Text + "." : " ___.");
}

void Game02Form::FitSlotTexts() {
  // Hints and sentences share one size, whichever form the sentences take.
  std::vector<std::string> texts(hints_.begin(), hints_.end());
  int height = Form::kHeight;
  for (std::size_t i = 0; i < kSlots; ++i) {
    const SpriteClass& target = set_.Slots()[i];
    const SpriteClass& frame = frames_[i];
    texts.push_back(sentences_[i] + " ___.");
    texts.push_back(sentences_[i] + " " + target.Text + ".");
    height = std::min({height, target.Top() - kTextGap - (frame.Top() + kTextMargin),
                       frame.Bottom() - kTextMargin - (target.Bottom() + kTextGap)});
  }
  slot_font_.Apply(Graphics(), state_.gFontSize * state_.gTextScale, texts,
                   frames_[0].Width - 2 * kTextMargin, height);
}

void Game02Form::FitChoiceWords() {
  std::vector<std::string> words;
  for (const SpriteClass& choice : set_.Choices()) words.push_back(choice.Text);
  const SpriteClass& first = set_.Choices()[0];
  word_font_.Apply(Graphics(), state_.gFontSize * state_.gTextScale, words,
                   first.Width + CoveredPictures::kSpacing - 2 * kTextMargin,
                   Form::kHeight - (first.Bottom() + kWordGap));
}

void Game02Form::UpdateScreen() {
  Canvas& canvas = BeginScreen();
  frames_.Draw(*this, Current());

  canvas.ForeColor = kBlack;
  canvas.FontName = state_.gFontName;
  FitSlotTexts();
  for (std::size_t i = 0; i < kSlots; ++i) {
    const SpriteClass& target = set_.Slots()[i];
    if (!hints_[i].empty()) {
      PrintCentred(canvas, hints_[i], target.MiddleX(),
                   target.Top() - kTextGap - canvas.TextHeight(hints_[i]));
    }
    set_.DrawSlot(*this, i);
    const std::string line = SentenceLine(i);
    if (!line.empty()) PrintCentred(canvas, line, target.MiddleX(), target.Bottom() + kTextGap);
  }

  if (!Rewards.gRewardShowing) {
    set_.DrawChoices(*this, 8, 9);
    FitChoiceWords();
    for (const SpriteClass& choice : set_.Choices()) {
      PrintCentred(canvas, choice.Text, choice.MiddleX(), choice.Bottom() + kWordGap);
    }
  }
  DrawFrameHighlights();
  EndScreen();
}

void Game02Form::SpeakAnswer(int) {
  if (!Working()) return;
  const auto slot = static_cast<std::size_t>(Current());
  if (!sentences_[slot].empty()) PlaySpeech("game02/" + sentences_[slot] + ".wav");
  PlaySpeech(CurrentSlot().Label);
}

void Game02Form::SayFoundAnswer() { SpeakAnswer(-1); }

}  // namespace tavlo
