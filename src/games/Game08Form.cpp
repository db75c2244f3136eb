#include "games/Game08Form.h"

#include <utility>

#include "engine/Application.h"
#include "engine/Random.h"
#include "engine/Rounding.h"
#include "games/CentredText.h"

namespace tavlo {
namespace {

constexpr Color kBackground = RGB(246, 206, 120);
// The text frames stand in a column from (60, 100), each row's two endings
// beside its frame, 20 pixels between all of them.
constexpr int kFirstFrameX = 60, kFirstFrameY = 100, kFrameGap = 20;
// The pictures stand in a row from x = 125, 45 pixels below the frames, with
// 50 pixels between two; each picture's frame reaches 7 pixels out.
constexpr int kFirstPictureX = 125, kPicturesBelowFrames = 45, kPictureStep = 50;
constexpr int kImageFrameOffset = 7;
// Texts keep this far from the sides of their frames.
constexpr int kFrameTextMargin = 12;

size_t Index(int i) { return static_cast<size_t>(i); }

}  // namespace

void Game08Form::LoadGameGraphics() {
  Graphics().BackColor = kBackground;
  text_frames_.Load(*this, "gfx\\game08\\", kRows, FrameDrawing::SeeThrough, "text");
  const std::pair<SpriteClass*, const char*> pictures[] = {
      {&current_choice_frame_, "currentchoiceframe"},
      {&image_frame_, "imageframe0"},
      {&done_image_frame_, "imageframe1"}};
  for (const auto& [sprite, name] : pictures) {
    sprite->LoadDCImage(*this, std::string("gfx\\game08\\") + name + ".gif");
  }
  for (SpriteClass& frame : choice_frames_) {
    frame.LoadDCImage(*this, "gfx\\game08\\todochoiceframe.gif");
  }
}

void Game08Form::FreeGameGraphics() {
  text_frames_.CleanUp();
  for (SpriteClass* sprite : {&current_choice_frame_, &image_frame_, &done_image_frame_}) {
    sprite->CleanUp();
  }
  for (auto* group : {&pictures_, &choice_frames_}) {
    for (SpriteClass& sprite : *group) sprite.CleanUp();
  }
}

void Game08Form::StartRound() {
  current_row_ = 0;
  for (int i = 0; i < kRows; ++i) {
    const WordRecord row = DealPicture(pictures_[Index(i)]);
    const std::string beginning = TextOf(row, 0);
    const std::string right = TextOf(row, 1);
    const std::string wrong = TextOf(row, 2);
    text_frames_[Index(i)].Text = beginning;
    text_frames_[Index(i)].Label = beginning;

    // The right ending stands on a random side of the row.
    const bool right_first = RandomInt(0, 1) == 1;
    SpriteClass& first = choice_frames_[Index(2 * i)];
    SpriteClass& second = choice_frames_[Index(2 * i + 1)];
    first.Label = right_first ? right : wrong;
    first.Value3 = right_first ? 1 : 0;
    second.Label = right_first ? wrong : right;
    second.Value3 = right_first ? 0 : 1;
    first.Text = first.Label;
    second.Text = second.Label;
    first.Selected = false;
    second.Selected = false;
  }
  LayOutRound();
  ScanCurrentRow();
  UpdateScreen();
}

void Game08Form::LayOutRound() {
  for (int i = 0; i < kRows; ++i) {
    SpriteClass& frame = text_frames_[Index(i)];
    frame.X = kFirstFrameX;
    frame.Y = i == 0 ? kFirstFrameY : text_frames_[Index(i - 1)].Bottom() + kFrameGap;
    SpriteClass& first = choice_frames_[Index(2 * i)];
    SpriteClass& second = choice_frames_[Index(2 * i + 1)];
    first.X = frame.Right() + kFrameGap;
    first.Y = frame.Y;
    second.X = first.Right() + kFrameGap;
    second.Y = frame.Y;
  }
  const int pictures_top = text_frames_[kRows - 1].Bottom() + kPicturesBelowFrames;
  for (int j = 0; j < kRows; ++j) {
    SpriteClass& picture = pictures_[Index(j)];
    picture.X = (picture.Width + kPictureStep) * j + kFirstPictureX;
    picture.Y = pictures_top;
  }
}

void Game08Form::ScanCurrentRow() {
  Switches().CleanUp();
  if (current_row_ >= kRows) return;
  Switches().Add(choice_frames_[Index(2 * current_row_)]);
  Switches().Add(choice_frames_[Index(2 * current_row_ + 1)]);
  Switches().ResetIndex();
}

std::vector<SpriteClass*> Game08Form::ChoiceSprites() {
  // Only the current row's endings can be chosen, so only they light up.
  if (current_row_ >= kRows) return {};
  return {&choice_frames_[Index(2 * current_row_)], &choice_frames_[Index(2 * current_row_ + 1)]};
}

void Game08Form::UpdateScreen() {
  Canvas& canvas = BeginScreen();
  canvas.FontName = state_.gFontName;
  canvas.ForeColor = kBlack;
  DrawTextFrames();
  DrawChoiceFrames();
  if (!Rewards.gRewardShowing) DrawPictures();
  DrawFrameHighlights();
  EndScreen();
}

void Game08Form::DrawTextFrames() {
  Canvas& canvas = Graphics();
  // One size for the column, the size at which every finished sentence of the
  // set will fit, so that the texts keep their size while the set is worked.
  std::vector<std::string> sentences;
  for (int i = 0; i < kRows; ++i) sentences.push_back(FinishedSentence(i));
  const SpriteClass& shape = text_frames_[0];
  sentence_font_.Apply(canvas, state_.gFontSize * state_.gTextScale, sentences,
                       shape.Width - 2 * kFrameTextMargin, shape.Height);
  text_frames_.Draw(*this, current_row_);
  for (const SpriteClass& frame : text_frames_) {
    canvas.CurrentX = nint(frame.X) + kFrameTextMargin;
    canvas.CurrentY = frame.MiddleY() - canvas.TextHeight() / 2.0;
    canvas.Print(frame.Label);
  }
}

std::string Game08Form::FinishedSentence(int row) const {
  const SpriteClass& first = choice_frames_[Index(2 * row)];
  const SpriteClass& second = choice_frames_[Index(2 * row + 1)];
  if (first.Label.empty() && second.Label.empty()) return text_frames_[Index(row)].Label;
  return text_frames_[Index(row)].Text + " " + (first.Value3 == 1 ? first.Label : second.Label);
}

void Game08Form::DrawChoiceFrames() {
  Canvas& canvas = Graphics();
  // One size for every ending of the set, as the set was dealt.
  std::vector<std::string> endings;
  for (const SpriteClass& frame : choice_frames_) endings.push_back(frame.Text);
  const SpriteClass& shape = choice_frames_[0];
  ending_font_.Apply(canvas, state_.gFontSize * state_.gTextScale, endings,
                     shape.Width - 2 * kFrameTextMargin, shape.Height);
  for (int k = 2 * current_row_; k < 2 * kRows; ++k) {
    SpriteClass& frame = choice_frames_[Index(k)];
    frame.DrawTransp(*this);
    if (frame.Selected) current_choice_frame_.DrawTranspAt(*this, nint(frame.X), nint(frame.Y));
    PrintCentredOn(canvas, frame.Label, frame);
  }
}

void Game08Form::DrawPictures() {
  for (SpriteClass& picture : pictures_) {
    SpriteClass& behind = picture.Selected ? done_image_frame_ : image_frame_;
    behind.DrawTranspAt(*this, nint(picture.X) - kImageFrameOffset,
                        nint(picture.Y) - kImageFrameOffset);
    picture.Draw(*this);
  }
}

void Game08Form::GameMouseDown(int button, int, int x, int y) {
  if (SayPictureUnder(pictures_, x, y) || button != mouse_buttons::kLeft) return;
  if (PickedRight(x, y, [](const SpriteClass& ending) { return ending.Value3 == 1; })) {
    AnswerCorrect();
  }
}

void Game08Form::AnswerCorrect() {
  ReportCorrect();
  SpriteClass& first = choice_frames_[Index(2 * current_row_)];
  SpriteClass& second = choice_frames_[Index(2 * current_row_ + 1)];
  SpriteClass& frame = text_frames_[Index(current_row_)];
  frame.Label = FinishedSentence(current_row_);
  first.Label.clear();
  second.Label.clear();
  SpriteClass& picture = pictures_[Index(current_row_)];
  picture.Selected = true;
  // The whole sentence stands in its frame while it is read out.
  UpdateScreen();
  PlaySpeech("game08/" + picture.Label);

  current_row_ += 1;
  if (current_row_ >= kRows) {
    CompleteItem();
    StartRound();
    return;
  }
  ScanCurrentRow();
  UpdateScreen();
}

void Game08Form::SpeakAnswer(int) {
  if (current_row_ >= kRows) return;
  PlaySpeech("game08/" + pictures_[Index(current_row_)].Label, PlayMode::Asynchronous);
}

}  // namespace tavlo
