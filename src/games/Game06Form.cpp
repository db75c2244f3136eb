#include "games/Game06Form.h"

#include <algorithm>

#include "engine/Application.h"
#include "engine/Random.h"
#include "engine/Rounding.h"

namespace tavlo {
namespace {

// The frame buttons' pictures are smoothed onto this grey.
constexpr Color kBackground = RGB(230, 230, 230);
constexpr int kFirstFrameX = 55;
constexpr int kFirstFrameY = 80;
constexpr int kFrameGapX = 30;
constexpr int kFrameGapY = 20;
constexpr int kPictureTopInFrame = 12;
constexpr int kOrderBelowPicture = 8;
// The order keeps this far from its frame's sides and bottom.
constexpr int kOrderMargin = 6;
constexpr int kPotWidth = 100;
constexpr int kPotHeight = 75;
constexpr int kPotGap = 50;
constexpr int kFirstPotX = 125;
constexpr int kPauseBeforeNextOrder = 1000;

}  // namespace

void Game06Form::LoadGameGraphics() {
  Graphics().BackColor = kBackground;
  // The frames' corners are not the window's grey: they are drawn see-through.
  frames_.Load(*this, "gfx\\game06\\", kPictures, FrameDrawing::SeeThrough);
}

void Game06Form::FreeGameGraphics() {
  for (auto& picture : coloured_) picture.CleanUp();
  for (auto& picture : uncoloured_) picture.CleanUp();
  frames_.CleanUp();
}

void Game06Form::StartRound() {
  current_picture_ = 0;
  DealPictures();
  // Pots stand for colours only; shuffling them mixes the colours' places.
  ShuffleObjects(pots_);
  LayOutRound();
  Switches().CleanUp();
  for (auto& pot : pots_) Switches().Add(pot);
  UpdateScreen();
  SpeakOrder(0);
}

void Game06Form::DealPictures() {
  // The colours of one set are kept apart, so that each pot stands for one
  // picture's colour: a row of a colour already dealt is passed over. After
  // as many passes as the list has rows beyond the first, rows are taken as
  // they come, so that a list of too few colours still fills the set.
  const int most_skips = static_cast<int>(state_.WordLists.gWords.size()) - 1;
  std::vector<std::int32_t> dealt;
  int skips = 0;
  for (int slot = 0; slot < kPictures; ++slot) {
    WordRecord row = TakeWord();
    while (skips < most_skips &&
           std::find(dealt.begin(), dealt.end(), NumberOf(row, 0)) != dealt.end()) {
      ++skips;
      row = TakeWord();
    }
    dealt.push_back(NumberOf(row, 0));

    SpriteClass& picture = coloured_[static_cast<size_t>(slot)];
    SpriteClass& plain = uncoloured_[static_cast<size_t>(slot)];
    picture.CleanUp();
    plain.CleanUp();
    LoadItemPicture(picture, PictureFolder::Images, "paint/color/" + row.Image);
    LoadItemPicture(plain, PictureFolder::Images, "paint/nocolor/" + row.Image);
    picture.Text = row.Word;
    picture.Label = row.Sound;
    picture.Text2 = TextOf(row, 0);
    picture.Value3 = NumberOf(row, 0);
    picture.Selected = false;

    SpriteClass& pot = pots_[static_cast<size_t>(slot)];
    pot.Width = kPotWidth;
    pot.Height = kPotHeight;
    pot.Value3 = NumberOf(row, 0);
  }
}

void Game06Form::LayOutRound() {
  for (size_t i = 0; i < frames_.Count(); ++i) {
    SpriteClass& frame = frames_[i];
    frame.X = i % 2 == 0 ? kFirstFrameX : frames_[0].Right() + kFrameGapX;
    frame.Y = i < 2 ? kFirstFrameY : frames_[0].Bottom() + kFrameGapY;
    for (SpriteClass* picture : {&coloured_[i], &uncoloured_[i]}) {
      picture->X = frame.X + HalfOf(frame.Width) - HalfOf(picture->Width);
      picture->Y = frame.Y + kPictureTopInFrame;
    }
  }
  const int pots_middle = (frames_[2].Bottom() + kHeight) / 2;
  for (size_t j = 0; j < pots_.size(); ++j) {
    pots_[j].X = (kPotWidth + kPotGap) * static_cast<int>(j) + kFirstPotX;
    pots_[j].Y = pots_middle - HalfOf(kPotHeight);
  }
}

std::vector<SpriteClass*> Game06Form::ChoiceSprites() { return PointersTo(pots_); }

void Game06Form::UpdateScreen() {
  Canvas& canvas = BeginScreen();
  frames_.Draw(*this, current_picture_);
  for (size_t i = 0; i < coloured_.size(); ++i) {
    (coloured_[i].Selected ? coloured_[i] : uncoloured_[i]).Draw(*this);
  }
  DrawOrders();
  if (!Rewards.gRewardShowing) {
    canvas.DrawWidth = 1;
    for (auto& pot : pots_) {
      const int left = nint(pot.X);
      const int top = nint(pot.Y);
      const int right = left + pot.Width - 1;
      const int bottom = top + pot.Height - 1;
      canvas.FilledBox(left, top, right, bottom, static_cast<Color>(pot.Value3));
      canvas.Box(left, top, right, bottom, kBlack);
      DrawHighlightBorder(pot);
    }
  }
  DrawFrameHighlights();
  EndScreen();
}

void Game06Form::DrawOrders() {
  Canvas& canvas = Graphics();
  canvas.FontName = state_.gFontName;
  canvas.ForeColor = kBlack;
  for (size_t i = 0; i < coloured_.size(); ++i) {
    const SpriteClass& picture = coloured_[i];
    const SpriteClass& frame = frames_[i];
    const int top = picture.Bottom() + kOrderBelowPicture;
    // Each order gets the largest size its own frame has room for.
    order_fonts_[i].Apply(canvas, state_.gFontSize * state_.gTextScale, picture.Text2,
                          frame.Width - 2 * kOrderMargin, frame.Bottom() - kOrderMargin - top);
    canvas.CurrentX = picture.MiddleX() - canvas.TextWidth(picture.Text2) / 2;
    canvas.CurrentY = top;
    canvas.Print(picture.Text2);
  }
}

void Game06Form::GameMouseDown(int, int, int x, int y) {
  for (int i = 0; i < kPictures; ++i) {
    if (coloured_[static_cast<size_t>(i)].IsUnder(x, y)) SpeakOrder(i);
  }
  if (current_picture_ >= kPictures) return;
  // Two pictures of one colour make either of its pots right for both.
  const int colour = coloured_[static_cast<size_t>(current_picture_)].Value3;
  if (PickedRight(x, y, [colour](const SpriteClass& pot) { return pot.Value3 == colour; })) {
    AnswerCorrect();
  }
}

void Game06Form::AnswerCorrect() {
  ReportCorrect();
  coloured_[static_cast<size_t>(current_picture_)].Selected = true;
  UpdateScreen();
  current_picture_ += 1;
  if (current_picture_ < kPictures) {
    App().Wait(kPauseBeforeNextOrder);
    UpdateScreen();
    SpeakOrder(current_picture_);
    return;
  }
  CompleteItem();
  StartRound();
}

void Game06Form::SpeakAnswer(int) {
  if (current_picture_ < kPictures) SpeakOrder(current_picture_);
}

void Game06Form::SpeakOrder(int picture) {
  PlaySpeech("game06/" + coloured_[static_cast<size_t>(picture)].Label, PlayMode::Asynchronous);
}

}  // namespace tavlo
