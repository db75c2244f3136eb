#include "games/Game03Form.h"

#include "engine/Application.h"
#include "engine/Rounding.h"
#include "games/CentredText.h"
#include "games/TextFitting.h"
#include "platform/InputEvent.h"

namespace tavlo {
namespace {

constexpr Color kBackground = RGB(255, 255, 191);
// How far up and to the left of a picture its image frame begins.
constexpr int kFrameOffset = 5;
constexpr double kButtonTextSize = 16;
constexpr int kPauseAfterAnswer = 500;
const std::string kQuestionSpeech = "game03/";
const std::string kAnswerSpeech = "game03/yesno/";

}  // namespace

void Game03Form::PrepareChoices() {
  const auto& lines = state_.Texts.gGameData;
  yes_button_.Label = lines.empty() ? "" : lines[0];
  yes_button_.Value3 = 0;
  no_button_.Label = lines.size() < 2 ? "" : lines[1];
  no_button_.Value3 = 1;
}

void Game03Form::LoadGameGraphics() {
  Graphics().BackColor = kBackground;
  frames_.Load(*this, "gfx\\game03\\", kQuestions);
  picture_frame_.LoadDCImage(*this, "gfx\\game03\\imageframe.gif");
  current_picture_frame_.LoadDCImage(*this, "gfx\\game03\\currentimageframe.gif");
  yes_button_.LoadDCImage(*this, "gfx\\game03\\yesButton0.gif");
  no_button_.LoadDCImage(*this, "gfx\\game03\\noButton0.gif");
  yes_highlighted_.LoadDCImage(*this, "gfx\\game03\\yesButton1.gif");
  no_highlighted_.LoadDCImage(*this, "gfx\\game03\\noButton1.gif");
}

void Game03Form::FreeGameGraphics() {
  frames_.CleanUp();
  for (SpriteClass& target : targets_) target.CleanUp();
  for (SpriteClass* sprite : {&picture_frame_, &current_picture_frame_, &yes_button_, &no_button_,
                              &yes_highlighted_, &no_highlighted_}) {
    sprite->CleanUp();
  }
}

void Game03Form::StartRound() {
  current_question_ = 0;
  for (std::size_t i = 0; i < kQuestions; ++i) {
    const WordRecord& row = DealPicture(targets_[i]);
    frames_[i].Text2 = TextOf(row, 0);
    frames_[i].Label = frames_[i].Text2;
    frames_[i].Value3 = NumberOf(row, 0);
  }
  LayOutRound();
  Switches().CleanUp();
  Switches().Add(yes_button_);
  Switches().Add(no_button_);
  UpdateScreen();
  AskQuestion();
}

void Game03Form::LayOutRound() {
  for (std::size_t i = 0; i < kQuestions; ++i) {
    SpriteClass& frame = frames_[i];
    if (i == 0) {
      frame.X = 55;
      frame.Y = 110;
    } else if (i == 1) {
      frame.X = frames_[0].Right() + 30;
      frame.Y = frames_[0].Y;
    } else {
      // Two columns: each frame under the one two places before it.
      frame.X = frames_[i - 2].X;
      frame.Y = frames_[i - 2].Bottom() + 20;
    }
    SpriteClass& target = targets_[i];
    target.X = static_cast<double>(i) * (target.Width + 20) + 50;
    target.Y = 575 - target.Height;
  }
  const int buttons_top = frames_[kQuestions - 1].Bottom() + 40;
  yes_button_.X = 380 - yes_button_.Width;
  yes_button_.Y = buttons_top;
  no_button_.X = 420;
  no_button_.Y = buttons_top;
}

void Game03Form::UpdateScreen() {
  Canvas& canvas = BeginScreen();
  frames_.Draw(*this, current_question_);

  // One size for every question, whether or not its answer is written after it.
  std::vector<std::string> texts;
  for (std::size_t i = 0; i < kQuestions; ++i) {
    const std::string& question = frames_[i].Text2;
    texts.push_back(question);
    texts.push_back(question + " - " + yes_button_.Label);
    texts.push_back(question + " - " + no_button_.Label);
  }
  canvas.ForeColor = kBlack;
  canvas.FontName = state_.gFontName;
  question_font_.Apply(canvas, state_.gFontSize * state_.gTextScale, texts,
                       frames_[0].Width - 2 * kTextMargin, frames_[0].Height - 2 * kTextMargin);
  for (std::size_t i = 0; i < kQuestions; ++i) PrintCentredOn(canvas, frames_[i].Label, frames_[i]);

  if (!Rewards.gRewardShowing) {
    DrawPictures();
    DrawAnswerButtons();
  }
  DrawFrameHighlights();
  EndScreen();
}

void Game03Form::DrawPictures() {
  for (std::size_t i = 0; i < kQuestions; ++i) {
    SpriteClass& target = targets_[i];
    // The picture the current question asks about stands in a frame of the
    // current question's colours, so that the child sees which one it is.
    const bool current = static_cast<int>(i) == current_question_;
    SpriteClass& frame =
        current && current_picture_frame_.Width > 0 ? current_picture_frame_ : picture_frame_;
    frame.DrawTranspAt(*this, nint(target.X) - kFrameOffset, nint(target.Y) - kFrameOffset);
    target.Draw(*this);
  }
}

void Game03Form::DrawAnswerButtons() {
  Canvas& canvas = Graphics();
  canvas.FontSize = kButtonTextSize * state_.gTextScale;
  for (auto [button, highlighted] :
       {std::pair{&yes_button_, &yes_highlighted_}, std::pair{&no_button_, &no_highlighted_}}) {
    if (button->Selected) {
      highlighted->DrawTranspAt(*this, nint(button->X), nint(button->Y));
    } else {
      button->DrawTransp(*this);
    }
    PrintCentredOn(canvas, button->Label, *button);
  }
}

std::vector<SpriteClass*> Game03Form::ChoiceSprites() { return {&yes_button_, &no_button_}; }

void Game03Form::GameMouseDown(int button, int, int x, int y) {
  if (SayPictureUnder(targets_, x, y, kQuestionSpeech)) return;
  const SpriteClass* answer = ChoiceUnder(x, y);
  if (current_question_ >= static_cast<int>(kQuestions) || answer == nullptr) return;
  if (button != mouse_buttons::kLeft) {
    PlaySpeech(kAnswerSpeech + answer->Label + ".wav", PlayMode::Asynchronous);
  } else if (answer->Value3 == frames_[static_cast<std::size_t>(current_question_)].Value3) {
    AnswerCorrect(*answer);
  } else {
    ReportWrong();
  }
}

void Game03Form::AskQuestion() {
  if (current_question_ >= static_cast<int>(kQuestions)) return;
  PlaySpeech(kQuestionSpeech + targets_[static_cast<std::size_t>(current_question_)].Label,
             PlayMode::Asynchronous);
}

void Game03Form::SpeakAnswer(int) { AskQuestion(); }

void Game03Form::AnswerCorrect(const SpriteClass& button) {
  const auto current = static_cast<std::size_t>(current_question_);
  frames_[current].Label = frames_[current].Text2 + " - " + button.Label;
  ReportCorrect();
  // The answer is said as soon as it is written. The question is not asked
  // again first: it was asked already, and the answer's recording would cut
  // it off at once.
  UpdateScreen();
  PlaySpeech(kAnswerSpeech + button.Label + ".wav");
  App().Wait(kPauseAfterAnswer);
  targets_[current].Selected = true;
  if (NextOfSet(current_question_, kQuestions)) AskQuestion();
}

}  // namespace tavlo
