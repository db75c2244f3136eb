#include "games/Game04Form.h"

#include "engine/Random.h"
#include "engine/Rounding.h"
#include "games/CentredText.h"
#include "games/TextFitting.h"
#include "platform/InputEvent.h"

namespace tavlo {

void Game04Form::LoadGameGraphics() {
  frames_.Load(*this, "gfx\\game04\\", kPictures);
  for (SpriteClass& button : buttons_) button.LoadDCImage(*this, "gfx\\game04\\button0.gif");
  highlight_.LoadDCImage(*this, "gfx\\game04\\button1.gif");
}

void Game04Form::FreeGameGraphics() {
  for (SpriteClass& target : targets_) target.CleanUp();
  frames_.CleanUp();
  for (SpriteClass& button : buttons_) button.CleanUp();
  highlight_.CleanUp();
}

void Game04Form::StartRound() {
  current_picture_ = 0;
  for (std::size_t i = 0; i < kPictures; ++i) {
    const WordRecord& row = DealPicture(targets_[i]);
    // The fitting sentence stands first or second by chance.
    const bool swapped = RandomInt(0, 1) == 1;
    SpriteClass& shows_a = buttons_[2 * i + (swapped ? 1 : 0)];
    SpriteClass& shows_b = buttons_[2 * i + (swapped ? 0 : 1)];
    shows_a.Label = TextOf(row, 0);
    shows_b.Label = TextOf(row, 1);
    const std::int32_t correct = NumberOf(row, 0);
    shows_a.Value3 = correct == 0 ? 1 : 0;
    shows_b.Value3 = correct == 1 ? 1 : 0;
    for (SpriteClass* shown : {&shows_a, &shows_b}) {
      shown->Visible = true;
      shown->Selected = false;
    }
  }
  LayOutRound();
  ScanCurrentPair();
  UpdateScreen();
}

void Game04Form::LayOutRound() {
  for (std::size_t i = 0; i < kPictures; ++i) {
    SpriteClass& frame = frames_[i];
    // Two columns centred on x = 200 and x = 600, the second row 35 px under the first.
    frame.X = (i % 2 == 0 ? 200 : 600) - HalfOf(frame.Width);
    frame.Y = i < 2 ? 100 : frames_[i - 2].Bottom() + 35;
    SpriteClass& target = targets_[i];
    target.X = frame.MiddleX() - HalfOf(target.Width);
    target.Y = frame.Y + 12;
    SpriteClass& first = buttons_[2 * i];
    SpriteClass& second = buttons_[2 * i + 1];
    first.X = target.MiddleX() - HalfOf(first.Width);
    first.Y = target.Bottom() + 10;
    second.X = target.MiddleX() - HalfOf(second.Width);
    second.Y = first.Bottom() + 5;
  }
}

void Game04Form::ScanCurrentPair() {
  Switches().CleanUp();
  if (current_picture_ >= static_cast<int>(kPictures)) return;
  Switches().Add(buttons_[2 * static_cast<std::size_t>(current_picture_)]);
  Switches().Add(buttons_[2 * static_cast<std::size_t>(current_picture_) + 1]);
}

void Game04Form::UpdateScreen() {
  Canvas& canvas = BeginScreen();
  frames_.Draw(*this, current_picture_);
  for (SpriteClass& target : targets_) target.Draw(*this);

  std::vector<std::string> sentences;
  for (const SpriteClass& button : buttons_) sentences.push_back(button.Label);
  canvas.ForeColor = kBlack;
  canvas.FontName = state_.gFontName;
  sentence_font_.Apply(canvas, state_.gFontSize * state_.gTextScale, sentences,
                       buttons_[0].Width - 2 * kTextMargin, buttons_[0].Height - 2);
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    SpriteClass& button = buttons_[i];
    if (button.Visible) {
      // The highlight picture covers the whole button; both fill their rectangle.
      (button.Selected ? highlight_ : button).DrawAt(*this, nint(button.X), nint(button.Y));
      PrintCentredOn(canvas, button.Label, button);
    } else if (button.Value3 == 1 && targets_[i / 2].Selected) {
      // A finished picture keeps its sentence, written under it where the
      // first button stood, so the set ends with every picture described.
      PrintCentredOn(canvas, button.Label, buttons_[i - i % 2]);
    }
  }
  DrawFrameHighlights();
  EndScreen();
}

std::vector<SpriteClass*> Game04Form::ChoiceSprites() {
  if (current_picture_ >= static_cast<int>(kPictures)) return {};
  const auto first = 2 * static_cast<std::size_t>(current_picture_);
  return {&buttons_[first], &buttons_[first + 1]};
}

void Game04Form::GameMouseDown(int button, int, int x, int y) {
  if (SayPictureUnder(targets_, x, y) || button != mouse_buttons::kLeft) return;
  if (PickedRight(x, y, [](const SpriteClass& sentence) { return sentence.Value3 == 1; })) {
    AnswerCorrect();
  }
}

void Game04Form::SpeakAnswer(int) {
  if (current_picture_ >= static_cast<int>(kPictures)) return;
  PlaySpeech("game04/" + targets_[static_cast<std::size_t>(current_picture_)].Label,
             PlayMode::Asynchronous);
}

void Game04Form::AnswerCorrect() {
  const auto current = static_cast<std::size_t>(current_picture_);
  buttons_[2 * current].Visible = false;
  buttons_[2 * current + 1].Visible = false;
  ReportCorrect();
  PlaySpeech("game04/" + targets_[current].Label);
  targets_[current].Selected = true;
  // The fourth picture done earns a reward sound, but this game has no reward show.
  NextOfSet(current_picture_, kPictures, ItemReward::SoundOnly);
  // The highlight stands on the first sentence of the picture that is now current.
  ScanCurrentPair();
  Switches().SetIndex(1);
  UpdateScreen();
}

}  // namespace tavlo
