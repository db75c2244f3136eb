#include "games/Game05Form.h"

#include "engine/Rounding.h"
#include "games/CentredText.h"
#include "games/TextFitting.h"

namespace tavlo {
namespace {

constexpr Color kBackground = RGB(194, 209, 235);
// How far up and to the left of a picture its image frame begins.
constexpr int kFrameOffset = 9;

}  // namespace

Game05Form::Game05Form(const GameContext& context)
    : CoveredPicturesGame(context, kGameNumber, kBackground, "gfx\\game05\\") {}

void Game05Form::LoadGameGraphics() {
  CoveredPicturesGame::LoadGameGraphics();
  slot_frame_.LoadDCImage(*this, "gfx\\game05\\imageframe0.gif");
}

void Game05Form::FreeGameGraphics() {
  CoveredPicturesGame::FreeGameGraphics();
  slot_frame_.CleanUp();
}

void Game05Form::KeepRow(std::size_t slot, const WordRecord& row) {
  frames_[slot].Label = row.Word;
  frames_[slot].Text2 = TextOf(row, 0);
}

void Game05Form::LayOutRound() {
  for (std::size_t i = 0; i < kSlots; ++i) {
    SpriteClass& frame = frames_[i];
    frame.X = 125;
    frame.Y = i == 0 ? 80 : frames_[i - 1].Bottom() + 40;
    SpriteClass& slot = set_.Slots()[i];
    slot.X = frame.Right() + 20;
    slot.Y = frame.MiddleY() - HalfOf(slot.Height);
  }
  set_.LayOutChoices(frames_[kSlots - 1].Bottom() + 50);
}

void Game05Form::UpdateScreen() {
  Canvas& canvas = BeginScreen();
  frames_.Draw(*this, Current());

  std::vector<std::string> questions;
  for (std::size_t i = 0; i < kSlots; ++i) questions.push_back(frames_[i].Text2);
  canvas.ForeColor = kBlack;
  canvas.FontName = state_.gFontName;
  question_font_.Apply(canvas, state_.gFontSize * state_.gTextScale, questions,
                       frames_[0].Width - 2 * kTextMargin, frames_[0].Height - 2 * kTextMargin);
  for (std::size_t i = 0; i < kSlots; ++i) PrintCentredOn(canvas, questions[i], frames_[i]);

  for (std::size_t i = 0; i < kSlots; ++i) {
    const SpriteClass& slot = set_.Slots()[i];
    slot_frame_.DrawTranspAt(*this, nint(slot.X) - kFrameOffset, nint(slot.Y) - kFrameOffset);
    set_.DrawSlot(*this, i);
  }
  if (!Rewards.gRewardShowing) set_.DrawChoices(*this, kFrameOffset, kFrameOffset);
  DrawFrameHighlights();
  EndScreen();
}

void Game05Form::SpeakAnswer(int) {
  if (Working()) PlaySpeech(CurrentSlot().Label, PlayMode::Asynchronous);
}

void Game05Form::SayFoundAnswer() { PlaySpeech(CurrentSlot().Label); }

}  // namespace tavlo
