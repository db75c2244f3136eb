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

void Game05Form::LoadGameGraphics() {
  Graphics().BackColor = kBackground;
  frames_.Load(*this, "gfx\\game05\\", kQuestions);
  slot_frame_.LoadDCImage(*this, "gfx\\game05\\imageframe0.gif");
  set_.Load(*this, "gfx\\game05\\");
}

void Game05Form::FreeGameGraphics() {
  frames_.CleanUp();
  slot_frame_.CleanUp();
  set_.CleanUp();
}

void Game05Form::StartRound() {
  current_question_ = 0;
  for (std::size_t i = 0; i < kQuestions; ++i) {
    const WordRecord& row = DealPicture(set_.Slots()[i]);
    frames_[i].Label = row.Word;
    frames_[i].Text2 = TextOf(row, 0);
    set_.Offer(i);
  }
  set_.Shuffle(Switches());
  LayOutRound();
  UpdateScreen();
}

void Game05Form::LayOutRound() {
  for (std::size_t i = 0; i < kQuestions; ++i) {
    SpriteClass& frame = frames_[i];
    frame.X = 125;
    frame.Y = i == 0 ? 80 : frames_[i - 1].Bottom() + 40;
    SpriteClass& slot = set_.Slots()[i];
    slot.X = frame.Right() + 20;
    slot.Y = frame.MiddleY() - HalfOf(slot.Height);
  }
  set_.LayOutChoices(frames_[kQuestions - 1].Bottom() + 50);
}

std::vector<SpriteClass*> Game05Form::ChoiceSprites() { return set_.ChoiceSprites(); }

void Game05Form::UpdateScreen() {
  Canvas& canvas = BeginScreen();
  frames_.Draw(*this, current_question_);

  std::vector<std::string> questions;
  for (std::size_t i = 0; i < kQuestions; ++i) questions.push_back(frames_[i].Text2);
  canvas.ForeColor = kBlack;
  canvas.FontName = state_.gFontName;
  question_font_.Apply(canvas, state_.gFontSize * state_.gTextScale, questions,
                       frames_[0].Width - 2 * kTextMargin, frames_[0].Height - 2 * kTextMargin);
  for (std::size_t i = 0; i < kQuestions; ++i) PrintCentredOn(canvas, questions[i], frames_[i]);

  for (std::size_t i = 0; i < kQuestions; ++i) {
    const SpriteClass& slot = set_.Slots()[i];
    slot_frame_.DrawTranspAt(*this, nint(slot.X) - kFrameOffset, nint(slot.Y) - kFrameOffset);
    set_.DrawSlot(*this, i);
  }
  if (!Rewards.gRewardShowing) set_.DrawChoices(*this, kFrameOffset, kFrameOffset);
  DrawFrameHighlights();
  EndScreen();
}

void Game05Form::GameMouseDown(int button, int, int x, int y) {
  if (SayPictureUnder(set_.Slots(), x, y) || current_question_ >= static_cast<int>(kQuestions))
    return;
  const SpriteClass* choice = set_.Pick(button, x, y, [this](const std::string& sound) {
    PlaySpeech(sound, PlayMode::Asynchronous);
  });
  // The answer is right when its word is the question's, whichever row it came from.
  if (choice != nullptr) {
    if (choice->Text == frames_[static_cast<std::size_t>(current_question_)].Label) {
      AnswerCorrect();
    } else {
      ReportWrong();
    }
  }
}

void Game05Form::SpeakAnswer(int) {
  if (current_question_ >= static_cast<int>(kQuestions)) return;
  PlaySpeech(set_.Slots()[static_cast<std::size_t>(current_question_)].Label,
             PlayMode::Asynchronous);
}

void Game05Form::AnswerCorrect() {
  ReportCorrect();
  SpriteClass& target = set_.Slots()[static_cast<std::size_t>(current_question_)];
  PlaySpeech(target.Label);
  target.Selected = true;
  NextOfSet(current_question_, kQuestions);
}

}  // namespace tavlo
