#include "games/Game13Form.h"

#include <algorithm>

#include "engine/Application.h"
#include "engine/Random.h"
#include "games/BusyPointer.h"
#include "games/CentredText.h"
#include "games/WordGrid.h"

namespace tavlo {
namespace {

// The top-left corners of the four picture frames, groups 0 to 3.
constexpr std::array<std::array<int, 2>, Game13Form::kGroupCount> kFrameCorners = {
    {{85, 80}, {435, 80}, {85, 335}, {435, 335}}};
constexpr int kPictureLeft = 74;
constexpr int kPictureTop = 23;
// The words under a picture, 111 x 47 pixels each, two rows of two.
constexpr WordGrid kPictureWords{
    .Left = 5, .Gap = 7, .FirstTop = 114, .SecondTop = 167, .Width = 111, .Height = 47};
constexpr int kWordMargin = 3;
constexpr Color kBackground = RGB(255, 248, 225);
// The word that names an answered picture stands out from the words to read.
constexpr Color kFoundWordColor = RGB(46, 125, 50);

}  // namespace

void Game13Form::LoadGameGraphics() {
  Graphics().BackColor = kBackground;
  groups_[0].Frame.LoadDCImage(*this, "gfx\\game13\\frame.gif");
  for (int g = 0; g < kGroupCount; ++g) {
    SpriteClass& frame = groups_[static_cast<size_t>(g)].Frame;
    if (g > 0) frame.SetSpriteDC(groups_[0].Frame);
    frame.X = kFrameCorners[static_cast<size_t>(g)][0];
    frame.Y = kFrameCorners[static_cast<size_t>(g)][1];
  }
}

void Game13Form::FreeGameGraphics() {
  for (auto& group : groups_) {
    group.Frame.CleanUp();
    group.Picture.CleanUp();
  }
}

void Game13Form::StartRound() {
  BusyPointer busy(App().Host());
  answered_count_ = 0;
  for (int g = 0; g < kGroupCount; ++g) {
    Group& group = groups_[static_cast<size_t>(g)];
    group.Answered = false;
    const WordRecord record = DealPicture(group.Picture);
    group.Sound = record.Sound;

    // The words stand in a random order, so the right one is found by
    // reading, never by its place.
    std::vector<int> order = {0, 1, 2, 3};
    ShuffleObjects(order);
    const int right = NumberOf(record, 0);
    for (int k = 0; k < kWordsPerGroup; ++k) {
      WordItem& word =
          words_[static_cast<size_t>(kWordsPerGroup * g + order[static_cast<size_t>(k)])];
      word = WordItem();
      word.Place.Text = TextOf(record, static_cast<size_t>(k));
      word.GroupNumber = g;
      word.Right = k == right;
    }
  }
  ScanNextGroup();
  LayOutRound();
  UpdateScreen();
}

void Game13Form::LayOutRound() {
  for (int g = 0; g < kGroupCount; ++g) {
    const auto [fx, fy] = kFrameCorners[static_cast<size_t>(g)];
    SpriteClass& picture = groups_[static_cast<size_t>(g)].Picture;
    picture.X = fx + kPictureLeft;
    picture.Y = fy + kPictureTop;
    std::array<SpriteClass*, kWordsPerGroup> places{};
    for (size_t k = 0; k < places.size(); ++k) {
      places[k] = &words_[static_cast<size_t>(kWordsPerGroup * g) + k].Place;
    }
    LayOutWordGrid(places, kPictureWords, fx, fy);
  }
}

void Game13Form::ScanNextGroup() {
  Switches().CleanUp();
  const auto open = std::find_if(groups_.begin(), groups_.end(),
                                 [](const Group& group) { return !group.Answered; });
  const int next = static_cast<int>(open - groups_.begin());
  for (auto& word : words_) {
    if (word.GroupNumber == next) Switches().Add(word.Place);
  }
}

std::vector<SpriteClass*> Game13Form::ChoiceSprites() {
  // The words still to choose from: an answered picture has only its own.
  std::vector<SpriteClass*> sprites;
  for (auto& word : words_) {
    if (!groups_[static_cast<size_t>(word.GroupNumber)].Answered) sprites.push_back(&word.Place);
  }
  return sprites;
}

void Game13Form::UpdateScreen() {
  Canvas& canvas = BeginScreen();
  for (auto& group : groups_) {
    group.Frame.DrawTransp(*this);
    group.Picture.Draw(*this);
  }

  canvas.FontName = state_.gFontName;
  for (size_t i = 0; i < words_.size(); ++i) {
    SpriteClass& place = words_[i].Place;
    if (!place.Visible) continue;
    const bool found = groups_[static_cast<size_t>(words_[i].GroupNumber)].Answered;
    canvas.ForeColor = found ? kFoundWordColor : kBlack;
    canvas.FontBold = found;
    word_fonts_[i].Apply(canvas, state_.gFontSize * state_.gTextScale, place.Text,
                         place.Width - 2 * kWordMargin, place.Height);
    PrintCentredOn(canvas, place.Text, place);
    DrawHighlightBorder(place);
  }
  canvas.FontBold = false;
  canvas.ForeColor = kBlack;

  DrawFrameHighlights();
  EndScreen();
}

void Game13Form::GameMouseDown(int button, int, int x, int y) {
  for (auto& group : groups_) {
    if (group.Picture.IsUnder(x, y)) {
      PlaySpeech(group.Sound, PlayMode::Synchronous);
      return;
    }
  }
  if (button != mouse_buttons::kLeft) return;
  for (auto& word : words_) {
    if (!word.Place.Visible || !word.Place.IsUnder(x, y)) continue;
    // An answered picture keeps its word on show; it counts only once.
    if (groups_[static_cast<size_t>(word.GroupNumber)].Answered) return;
    if (word.Right) {
      AnswerCorrect(word);
    } else {
      ReportWrong();
    }
    return;
  }
}

void Game13Form::AnswerCorrect(WordItem& word) {
  Group& group = groups_[static_cast<size_t>(word.GroupNumber)];
  ReportCorrect();
  for (int k = 0; k < kWordsPerGroup; ++k) {
    WordItem& other = words_[static_cast<size_t>(kWordsPerGroup * word.GroupNumber + k)];
    if (&other != &word) other.Place.Visible = false;
  }
  // The found word no longer answers, so it no longer wears the highlight.
  word.Place.Selected = false;
  group.Answered = true;
  answered_count_ += 1;
  if (answered_count_ < kGroupCount) {
    PlaySpeech(group.Sound, PlayMode::Asynchronous);
    // The mouse may answer any picture; the switches go on with the first
    // picture still to answer.
    ScanNextGroup();
    UpdateScreen();
    return;
  }
  UpdateScreen();
  // The last word is heard to its end before the reward sound would cut it off.
  PlaySpeech(group.Sound, PlayMode::Synchronous);
  CompleteItem(ItemReward::SoundOnly);
  StartRound();
}

void Game13Form::SpeakAnswer(int) {
  for (const auto& group : groups_) {
    if (!group.Answered) {
      PlaySpeech(group.Sound, PlayMode::Synchronous);
      return;
    }
  }
}

}  // namespace tavlo
