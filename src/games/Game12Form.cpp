#include "games/Game12Form.h"

#include "engine/Application.h"
#include "engine/Random.h"
#include "engine/Rounding.h"
#include "games/BusyPointer.h"
#include "games/CentredText.h"
#include "games/WordGrid.h"

namespace tavlo {
namespace {

// The top-left corners of the four boxes, in the order they are answered.
constexpr std::array<std::array<int, 2>, Game12Form::kBoxCount> kBoxCorners = {
    {{85, 70}, {435, 70}, {85, 285}, {435, 285}}};
// The words of a box, 95 x 50 pixels each, two rows of two.
constexpr WordGrid kBoxWords{
    .Left = 34, .Gap = 5, .FirstTop = 40, .SecondTop = 110, .Width = 95, .Height = 50};
constexpr int kBackgroundCount = 5;
// Shown where a background picture is missing.
constexpr Color kBackground = RGB(225, 245, 254);
// The box being answered wears a ring of its own, apart from the blue of the
// pointer's highlight, so that the child sees where to look.
constexpr Color kCurrentBoxColor = RGB(255, 160, 0);
constexpr int kCurrentBoxRing = 4;
constexpr int kWordMargin = 3;

}  // namespace

void Game12Form::LoadGameGraphics() {
  Graphics().BackColor = kBackground;
  const int n = RandomInt(0, kBackgroundCount - 1);
  background_.LoadDCImage(*this, "gfx\\game12\\background" + std::to_string(n) + ".jpg");
  boxes_[0].LoadDCImage(*this, "gfx\\game12\\frame.gif");
  for (int b = 0; b < kBoxCount; ++b) {
    SpriteClass& box = boxes_[static_cast<size_t>(b)];
    if (b > 0) box.SetSpriteDC(boxes_[0]);
    box.X = kBoxCorners[static_cast<size_t>(b)][0];
    box.Y = kBoxCorners[static_cast<size_t>(b)][1];
  }
  selected_image_.LoadDCImage(*this, "gfx\\game12\\selected.gif");
  wrong_image_.LoadDCImage(*this, "gfx\\game12\\wrong.gif");
}

void Game12Form::FreeGameGraphics() {
  background_.CleanUp();
  for (auto& box : boxes_) box.CleanUp();
  selected_image_.CleanUp();
  wrong_image_.CleanUp();
}

void Game12Form::StartRound() {
  BusyPointer busy(App().Host());
  current_box_ = 0;
  for (int b = 0; b < kBoxCount; ++b) {
    const WordRecord record = TakeWord();
    const int right = NumberOf(record, 0);
    for (int k = 0; k < kWordsPerBox; ++k) {
      WordItem& item = items_[static_cast<size_t>(kWordsPerBox * b + k)];
      item = WordItem();
      item.Place.Text = TextOf(record, static_cast<size_t>(k));
      item.Right = k == right;
      if (item.Right) item.Sound = record.Sound;
    }
  }
  LayOutRound();
  ScanCurrentBox();
  UpdateScreen();
  // The first box's word is said as soon as the boxes are there: it is the
  // question, and a child working by switch has no other way to hear it.
  SpeakCurrentWord(PlayMode::Asynchronous);
}

void Game12Form::LayOutRound() {
  for (int b = 0; b < kBoxCount; ++b) {
    const auto [bx, by] = kBoxCorners[static_cast<size_t>(b)];
    LayOutWordGrid(PlacesOfBox(b), kBoxWords, bx, by);
  }
}

std::array<SpriteClass*, Game12Form::kWordsPerBox> Game12Form::PlacesOfBox(int box) {
  std::array<SpriteClass*, kWordsPerBox> places{};
  for (size_t k = 0; k < places.size(); ++k) {
    places[k] = &items_[static_cast<size_t>(kWordsPerBox * box) + k].Place;
  }
  return places;
}

void Game12Form::ScanCurrentBox() {
  Switches().CleanUp();
  for (SpriteClass* place : PlacesOfBox(current_box_)) Switches().Add(*place);
}

std::vector<SpriteClass*> Game12Form::ChoiceSprites() {
  // Words of finished boxes no longer answer, so they are not highlighted.
  std::vector<SpriteClass*> sprites;
  for (size_t i = static_cast<size_t>(kWordsPerBox * current_box_); i < items_.size(); ++i) {
    sprites.push_back(&items_[i].Place);
  }
  return sprites;
}

void Game12Form::UpdateScreen() {
  Canvas& canvas = Graphics();
  // The background covers the whole window; only without it is there
  // anything to clear.
  if (background_.ImageCount == 0) canvas.Cls();
  background_.Draw(*this);
  // The box pictures fill their rectangles, so they are drawn plainly: the
  // same picture as drawn see-through, at a fraction of the cost.
  for (auto& box : boxes_) box.Draw(*this);
  if (current_box_ < kBoxCount) {
    const SpriteClass& box = boxes_[static_cast<size_t>(current_box_)];
    const int draw_width = canvas.DrawWidth;
    canvas.DrawWidth = kCurrentBoxRing;
    canvas.Box(nint(box.X), nint(box.Y), nint(box.Right()), box.Bottom(), kCurrentBoxColor);
    canvas.DrawWidth = draw_width;
  }

  canvas.FontName = state_.gFontName;
  canvas.ForeColor = kBlack;
  for (size_t i = 0; i < items_.size(); ++i) {
    SpriteClass& place = items_[i].Place;
    const int x = nint(place.X);
    const int y = nint(place.Y);
    if (items_[i].Done) {
      selected_image_.DrawTranspAt(*this, x, y);
    } else if (items_[i].Missed) {
      wrong_image_.DrawTranspAt(*this, x, y);
    }
    word_fonts_[i].Apply(canvas, state_.gFontSize * state_.gTextScale, place.Text,
                         place.Width - 2 * kWordMargin, place.Height);
    PrintCentredOn(canvas, place.Text, place);
    DrawHighlightBorder(place);
  }

  DrawFrameButtons();
  DrawFrameHighlights();
  DrawTitle();
  Refresh();
}

void Game12Form::GameMouseDown(int, int, int x, int y) {
  for (size_t i = 0; i < items_.size(); ++i) {
    WordItem& item = items_[i];
    if (!item.Place.IsUnder(x, y)) continue;
    const int box = static_cast<int>(i) / kWordsPerBox;
    // A finished box is done with: its word must not count twice.
    if (box < current_box_) return;
    // Only the box being answered holds the word just spoken; a word of a
    // later box is not it, even where it is that box's own word.
    if (box == current_box_ && item.Right) {
      AnswerCorrect(item);
    } else {
      AnswerWrong(item, box);
    }
    return;
  }
}

void Game12Form::AnswerCorrect(WordItem& item) {
  item.Done = true;
  // The finished box shows only its word, without marks or a highlight that
  // would ask for another press.
  for (int k = 0; k < kWordsPerBox; ++k) {
    WordItem& word = items_[static_cast<size_t>(kWordsPerBox * current_box_ + k)];
    word.Missed = false;
    word.Place.Selected = false;
  }
  ReportCorrect();
  current_box_ += 1;
  if (current_box_ < kBoxCount) {
    // The found word is said again, then the next box's word is asked.
    PlaySpeech(item.Sound, PlayMode::Synchronous);
    ScanCurrentBox();
    UpdateScreen();
    SpeakCurrentWord(PlayMode::Asynchronous);
    return;
  }
  UpdateScreen();
  // The last word is heard to its end before the reward sound would cut it off.
  PlaySpeech(item.Sound, PlayMode::Synchronous);
  CompleteItem(ItemReward::SoundOnly);
  StartRound();
}

void Game12Form::AnswerWrong(WordItem& item, int box) {
  // Only a miss in the box being answered is marked: a mark in a later box
  // would later say "wrong" about a word that may be that box's answer.
  if (box == current_box_) item.Missed = true;
  ReportWrong();
  UpdateScreen();
}

void Game12Form::SpeakAnswer(int) { SpeakCurrentWord(PlayMode::Synchronous); }

void Game12Form::SpeakCurrentWord(PlayMode mode) {
  for (const auto& item : items_) {
    if (item.Right && !item.Done) {
      PlaySpeech(item.Sound, mode);
      return;
    }
  }
}

}  // namespace tavlo
