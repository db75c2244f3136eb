#include "games/Game02Form.h"

#include <algorithm>

#include "engine/Rounding.h"
#include "games/CentredText.h"
#include "games/TextFitting.h"
#include "platform/InputEvent.h"

namespace tavlo {
namespace {

constexpr Color kBackground = RGB(249, 227, 255);
// Space between a slot's picture and the texts above and below it.
constexpr int kTextGap = 12;
// Space between a choice and its word.
constexpr int kWordGap = 5;
// What a text keeps clear of the edge of its frame.
constexpr int kFrameRim = 5;

}  // namespace

Game02Form::Game02Form(const GameContext& context) : GameForm(context, kGameNumber) {}

void Game02Form::LoadGameGraphics() {
  Graphics().BackColor = kBackground;
  frames_.Load(*this, "gfx\\game02\\", kSlots);
  question_.LoadDCImage(*this, "gfx\\game02\\question.gif");
  choices_.LoadFrames(*this, "gfx\\game02\\imageframe0.gif", "gfx\\game02\\imageframe1.gif");
}

void Game02Form::FreeGameGraphics() {
  for (SpriteClass& target : targets_) target.CleanUp();
  frames_.CleanUp();
  question_.CleanUp();
  choices_.CleanUp();
}

void Game02Form::StartRound() {
  current_slot_ = 0;
  for (std::size_t i = 0; i < kSlots; ++i) {
    const WordRecord& row = TakeWord();
    SpriteClass& target = targets_[i];
    LoadWordPicture(target, row.Image);
    target.Text = row.Word;
    target.Label = row.Sound;
    target.Selected = false;
    hints_[i] = row.Texts.empty() ? "" : row.Texts[0];
    sentences_[i] = row.Texts.size() > 1 ? row.Texts[1] : "";
    choices_.Deal(i, target, row.Word, row.Sound);
  }
  choices_.Shuffle(Switches());
  LayOutRound();
  UpdateScreen();
}

void Game02Form::LayOutRound() {
  frames_[0].X = 55;
  frames_[0].Y = 80;
  frames_[1].X = frames_[0].Right() + 30;
  frames_[1].Y = frames_[0].Y;
  frames_[2].X = frames_[0].X;
  frames_[2].Y = frames_[0].Bottom() + 20;
  frames_[3].X = frames_[1].X;
  frames_[3].Y = frames_[2].Y;
  for (std::size_t i = 0; i < kSlots; ++i) {
    targets_[i].X = frames_[i].MiddleX() - targets_[i].Width / 2.0;
    targets_[i].Y = frames_[i].MiddleY() - targets_[i].Height / 2.0;
  }
  // The row of choices stands in the middle of the space under the slots.
  const int middle = (frames_[2].Bottom() + Form::kHeight) / 2;
  choices_.LayOut(middle - HalfOf(choices_.Choices()[0].Height));
}

std::string Game02Form::SentenceLine(std::size_t slot) const {
  if (sentences_[slot].empty()) return "";
  const SpriteClass& target = targets_[slot];
  return sentences_[slot] + (target.Selected ? " " + target.Text + "." : " ___.");
}

void Game02Form::FitSlotTexts() {
  // Hints and sentences share one size, whichever form the sentences take.
  std::vector<std::string> texts(hints_.begin(), hints_.end());
  int height = Form::kHeight;
  for (std::size_t i = 0; i < kSlots; ++i) {
    const SpriteClass& target = targets_[i];
    const SpriteClass& frame = frames_[i];
    texts.push_back(sentences_[i] + " ___.");
    texts.push_back(sentences_[i] + " " + target.Text + ".");
    height = std::min({height, target.Top() - kTextGap - (frame.Top() + kFrameRim),
                       frame.Bottom() - kFrameRim - (target.Bottom() + kTextGap)});
  }
  FitFontSize(Graphics(), state_.gFontSize * state_.gTextScale, texts,
              frames_[0].Width - 2 * kFrameRim, height);
}

void Game02Form::FitChoiceWords() {
  std::vector<std::string> words;
  for (const SpriteClass& choice : choices_.Choices()) words.push_back(choice.Text);
  const SpriteClass& first = choices_.Choices()[0];
  FitFontSize(Graphics(), state_.gFontSize * state_.gTextScale, words, first.Width + 46,
              Form::kHeight - (first.Bottom() + kWordGap));
}

void Game02Form::UpdateScreen() {
  Canvas& canvas = Graphics();
  canvas.Cls();
  DrawFrameButtons();
  frames_.Draw(*this, current_slot_);

  canvas.ForeColor = kBlack;
  canvas.FontName = state_.gFontName;
  FitSlotTexts();
  for (std::size_t i = 0; i < kSlots; ++i) {
    SpriteClass& target = targets_[i];
    if (!hints_[i].empty()) {
      PrintCentred(canvas, hints_[i], target.MiddleX(),
                   target.Top() - kTextGap - canvas.TextHeight(hints_[i]));
    }
    if (target.Selected) {
      target.Draw(*this);
    } else {
      question_.DrawTranspAt(*this, nint(target.MiddleX() - question_.Width / 2.0),
                             nint(target.MiddleY() - question_.Height / 2.0));
    }
    const std::string line = SentenceLine(i);
    if (!line.empty()) PrintCentred(canvas, line, target.MiddleX(), target.Bottom() + kTextGap);
  }
  DrawTitle();

  if (!Rewards.gRewardShowing) {
    choices_.Draw(*this, 8, 9);
    FitChoiceWords();
    for (const SpriteClass& choice : choices_.Choices()) {
      PrintCentred(canvas, choice.Text, choice.MiddleX(), choice.Bottom() + kWordGap);
    }
  }
  DrawFrameHighlights();
  Refresh();
}

std::vector<SpriteClass*> Game02Form::ChoiceSprites() { return choices_.Sprites(); }

void Game02Form::GameMouseDown(int button, int, int x, int y) {
  for (const SpriteClass& target : targets_) {
    if (target.IsUnder(x, y)) {
      PlaySpeech(target.Label, PlayMode::Asynchronous);
      return;
    }
  }
  if (current_slot_ >= static_cast<int>(kSlots)) return;
  const SpriteClass* choice = choices_.At(x, y);
  if (choice == nullptr) return;
  if (button != mouse_buttons::kLeft) {
    for (const SpriteClass& target : targets_) {
      if (target.Text == choice->Text) {
        PlaySpeech(target.Label, PlayMode::Asynchronous);
        break;
      }
    }
    return;
  }
  if (choice->Text == targets_[static_cast<std::size_t>(current_slot_)].Text) {
    AnswerCorrect();
  } else {
    AnswerWrong();
  }
}

void Game02Form::SpeakAnswer(int) {
  if (current_slot_ >= static_cast<int>(kSlots)) return;
  const auto slot = static_cast<std::size_t>(current_slot_);
  if (!sentences_[slot].empty()) PlaySpeech("game02/" + sentences_[slot] + ".wav");
  PlaySpeech(targets_[slot].Label);
}

void Game02Form::AnswerCorrect() {
  ReportCorrect();
  SpeakAnswer(-1);
  targets_[static_cast<std::size_t>(current_slot_)].Selected = true;
  current_slot_ += 1;
  if (current_slot_ < static_cast<int>(kSlots)) {
    // The uncovered picture and the finished sentence show at once, whether
    // or not the pointer moves.
    UpdateScreen();
    return;
  }
  CompleteItem();
  StartRound();
}

void Game02Form::AnswerWrong() { ReportWrong(); }

}  // namespace tavlo
