#include "games/Game14Form.h"

#include <algorithm>

#include "engine/Application.h"
#include "engine/Random.h"
#include "engine/Rounding.h"
#include "games/BusyPointer.h"
#include "games/CentredText.h"
#include "wordlists/NumberText.h"

namespace tavlo {
namespace {

// The centres of the four picture frames, items 0 to 3.
constexpr std::array<std::array<int, 2>, Game14Form::kItemCount> kFrameCentres = {
    {{240, 170}, {560, 170}, {240, 370}, {560, 370}}};
// Where the copies of a picture stand inside its frame, in cyclic order.
constexpr std::array<std::array<int, 2>, Game14Form::kCopiesPerFrame> kCopyOffsets = {
    {{38, 15}, {154, 15}, {38, 104}, {154, 104}}};
constexpr int kButtonsBelowFrames = 10;
constexpr int kButtonGap = 5;
constexpr int kButtonMargin = 8;
constexpr Color kBackground = RGB(227, 242, 253);
constexpr Color kButtonTextColor = kBlack;
// The buttons of pictures already answered are still there but fade, so the
// child sees which words are left.
constexpr Color kUsedButtonTextColor = RGB(150, 150, 150);

}  // namespace

void Game14Form::StartRound() {
  BusyPointer busy(App().Host());
  current_item_ = 0;
  for (Item& item : items_) {
    const WordRecord record = DealPicture(item.Picture);
    item.Sound = record.Sound;
    item.NumberWord = TextOf(record, 1);
    item.Frame.Extra = ParseInt32(TextOf(record, 2)).value_or(0) - 1;
    item.Button.Text = TextOf(record, 0);
    item.Button.Selected = false;
  }

  // The buttons take their places in a random order: in the pictures' own
  // order the right button would always be the next one, and a child could
  // answer by place without reading.
  std::vector<int> places = {0, 1, 2, 3};
  ShuffleObjects(places);
  for (size_t i = 0; i < items_.size(); ++i) items_[i].Place = places[i];
  Switches().CleanUp();
  for (int place = 0; place < kItemCount; ++place) {
    for (auto& item : items_) {
      if (item.Place == place) Switches().Add(item.Button);
    }
  }
  LayOutRound();
  UpdateScreen();
}

void Game14Form::LayOutRound() {
  for (size_t i = 0; i < items_.size(); ++i) {
    SpriteClass& frame = items_[i].Frame;
    frame.X = kFrameCentres[i][0] - HalfOf(frame.Width);
    frame.Y = kFrameCentres[i][1] - HalfOf(frame.Height);
  }

  // The button places: a 2 x 2 grid under the frames, its columns centred
  // under the frames' columns.
  const int first_row = items_[3].Frame.Bottom() + kButtonsBelowFrames;
  std::array<std::array<double, 2>, kItemCount> corners{};
  for (size_t column = 0; column < 2; ++column) {
    const int width = items_[column].Button.Width;
    corners[column] = {items_[column].Frame.MiddleX() - HalfOf(width), double(first_row)};
    corners[column + 2] = {corners[column][0],
                           double(first_row + items_[column + 2].Button.Height + kButtonGap)};
  }
  for (auto& item : items_) {
    item.Button.X = corners[static_cast<size_t>(item.Place)][0];
    item.Button.Y = corners[static_cast<size_t>(item.Place)][1];
  }

  for (size_t i = 0; i < items_.size(); ++i) {
    const Item& item = items_[i];
    for (size_t c = 0; c < kCopiesPerFrame; ++c) {
      SpriteClass& copy = copies_[kCopiesPerFrame * i + c];
      copy.SetSpriteDC(item.Picture);
      copy.X = item.Frame.X + kCopyOffsets[c][0];
      copy.Y = item.Frame.Y + kCopyOffsets[c][1];
      copy.Visible = true;
    }
  }
  for (size_t i = 0; i < items_.size(); ++i) {
    HideCopies(static_cast<int>(kCopiesPerFrame * i), nint(items_[i].Frame.Extra));
  }
}

void Game14Form::HideCopies(int first, int count) {
  int to_hide = count - 1;
  const int start = RandomInt(0, kCopiesPerFrame - 1);
  for (int step = 0; step < kCopiesPerFrame && to_hide > 0; ++step) {
    SpriteClass& copy = copies_[static_cast<size_t>(first + (start + step) % kCopiesPerFrame)];
    if (!copy.Visible) continue;
    copy.Visible = false;
    to_hide -= 1;
  }
}

void Game14Form::LoadGameGraphics() {
  Graphics().BackColor = kBackground;
  items_[0].Frame.LoadDCImage(*this, "gfx\\game14\\frame.gif");
  items_[0].Button.LoadDCImage(*this, "gfx\\game14\\choiceButton.gif");
  for (size_t i = 1; i < items_.size(); ++i) {
    items_[i].Frame.SetSpriteDC(items_[0].Frame);
    items_[i].Button.SetSpriteDC(items_[0].Button);
  }
  selected_frame_.LoadDCImage(*this, "gfx\\game14\\selectedFrame.gif");
  selected_button_.LoadDCImage(*this, "gfx\\game14\\selectedButton.gif");
}

void Game14Form::FreeGameGraphics() {
  for (auto& item : items_) {
    item.Frame.CleanUp();
    item.Picture.CleanUp();
    item.Button.CleanUp();
  }
  for (auto& copy : copies_) copy.CleanUp();
  selected_frame_.CleanUp();
  selected_button_.CleanUp();
}

std::vector<SpriteClass*> Game14Form::ChoiceSprites() {
  std::vector<SpriteClass*> sprites;
  for (auto& item : items_) sprites.push_back(&item.Button);
  return sprites;
}

void Game14Form::UpdateScreen() {
  Canvas& canvas = BeginScreen();
  DrawFrameHighlights();
  for (size_t i = 0; i < items_.size(); ++i) {
    SpriteClass& frame = items_[i].Frame;
    if (static_cast<int>(i) == current_item_) {
      selected_frame_.DrawTranspAt(*this, nint(frame.X), nint(frame.Y));
    } else {
      frame.DrawTransp(*this);
    }
  }
  for (auto& copy : copies_) copy.Draw(*this);

  if (!Rewards.gRewardShowing) {
    canvas.FontName = state_.gFontName;
    for (size_t i = 0; i < items_.size(); ++i) {
      SpriteClass& button = items_[i].Button;
      if (button.Selected) {
        selected_button_.DrawTranspAt(*this, nint(button.X), nint(button.Y));
      } else {
        button.DrawTransp(*this);
      }
      canvas.ForeColor =
          static_cast<int>(i) < current_item_ ? kUsedButtonTextColor : kButtonTextColor;
      button_fonts_[i].Apply(canvas, state_.gFontSize * state_.gTextScale, button.Text,
                             button.Width - 2 * kButtonMargin, button.Height);
      PrintCentredOn(canvas, button.Text, button);
    }
    canvas.ForeColor = kBlack;
  }
  EndScreen();
}

void Game14Form::GameMouseDown(int button, int, int x, int y) {
  for (size_t i = 0; i < items_.size(); ++i) {
    const Item& item = items_[i];
    if (item.Button.IsUnder(x, y)) {
      if (button != mouse_buttons::kLeft) {
        SpeakItem(item, PlayMode::Asynchronous);
      } else if (static_cast<int>(i) == current_item_) {
        AnswerCorrect();
      } else {
        ReportWrong();
      }
      return;
    }
  }
  for (const auto& item : items_) {
    if (item.Frame.IsUnder(x, y)) {
      SpeakItem(item, PlayMode::Asynchronous);
      return;
    }
  }
}

void Game14Form::AnswerCorrect() {
  const Item& answered = items_[static_cast<size_t>(current_item_)];
  ReportCorrect();
  current_item_ += 1;
  if (current_item_ < kItemCount) {
    SpeakItem(answered, PlayMode::Asynchronous);
    UpdateScreen();
    return;
  }
  // The last words are heard to their end before the reward sound would cut
  // them off.
  SpeakItem(answered, PlayMode::Synchronous);
  CompleteItem(ItemReward::SoundAndShow);
  StartRound();
}

void Game14Form::SpeakAnswer(int) {
  if (current_item_ < kItemCount) {
    SpeakItem(items_[static_cast<size_t>(current_item_)], PlayMode::Asynchronous);
  }
}

void Game14Form::SpeakItem(const Item& item, PlayMode noun_mode) {
  // One voice plays at a time: the number word must end before the noun
  // begins, or only the noun would be heard.
  PlaySpeech("game14/" + item.NumberWord + ".wav", PlayMode::Synchronous);
  PlaySpeech(item.Sound, noun_mode);
}

}  // namespace tavlo
