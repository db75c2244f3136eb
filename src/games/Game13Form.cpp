#include "games/Game13Form.h"

#include "engine/Application.h"
#include "engine/Random.h"
#include "games/FittedText.h"

namespace tavlo {
namespace {

// The top-left corners of the four picture frames, groups 0 to 3.
constexpr std::array<std::array<int, 2>, Game13Form::kGroupCount> kFrameCorners = {
    {{85, 80}, {435, 80}, {85, 335}, {435, 335}}};
constexpr int kPictureLeft = 74;
constexpr int kPictureTop = 23;
constexpr int kWordWidth = 111;
constexpr int kWordHeight = 47;
constexpr int kWordsLeft = 5;
constexpr int kWordGap = 7;
constexpr int kFirstRowTop = 114;
constexpr int kSecondRowTop = 167;
constexpr int kWordMargin = 3;
constexpr Color kBackground = RGB(255, 248, 225);
// The word that names an answered picture stands out from the words to read.
constexpr Color kFoundWordColor = RGB(46, 125, 50);

}  // namespace

Game13Form::Game13Form(const GameContext& context) : GameForm(context, kGameNumber) {}

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
  Platform& platform = App().Host();
  platform.SetCursor(CursorShape::Hourglass);
  answered_count_ = 0;
  WordListState& list = state_.WordLists;
  for (int g = 0; g < kGroupCount && !list.gWords.empty(); ++g) {
    const WordRecord& record = list.gWords[static_cast<size_t>(list.gWordIndex)];
    Group& group = groups_[static_cast<size_t>(g)];
    group.Answered = false;
    group.Picture.CleanUp();
    LoadItemPicture(group.Picture, PictureFolder::Images, record.Image);
    group.Sound = record.Sound;

    // The words stand in a random order, so the right one is found by
    // reading, never by its place.
    std::vector<int> order = {0, 1, 2, 3};
    ShuffleObjects(order);
    const int right = record.Numbers.empty() ? -1 : record.Numbers[0];
    for (int k = 0; k < kWordsPerGroup; ++k) {
      WordItem& word =
          words_[static_cast<size_t>(kWordsPerGroup * g + order[static_cast<size_t>(k)])];
      word = WordItem();
      word.Place.Text = static_cast<size_t>(k) < record.Texts.size()
                            ? record.Texts[static_cast<size_t>(k)]
                            : std::string();
      word.GroupNumber = g;
      word.Right = k == right;
    }
    list.gWordIndex += 1;
    if (static_cast<size_t>(list.gWordIndex) >= list.gWords.size()) list.gWordIndex = 0;
  }
  ScanNextGroup();
  LayOutRound();
  UpdateScreen();
  platform.SetCursor(CursorShape::Arrow);
}

void Game13Form::LayOutRound() {
  for (int g = 0; g < kGroupCount; ++g) {
    const int fx = kFrameCorners[static_cast<size_t>(g)][0];
    const int fy = kFrameCorners[static_cast<size_t>(g)][1];
    SpriteClass& picture = groups_[static_cast<size_t>(g)].Picture;
    picture.X = fx + kPictureLeft;
    picture.Y = fy + kPictureTop;
    for (int k = 0; k < kWordsPerGroup; ++k) {
      SpriteClass& place = words_[static_cast<size_t>(kWordsPerGroup * g + k)].Place;
      place.Width = kWordWidth;
      place.Height = kWordHeight;
      // Words 0 and 2 of a picture start its rows; 1 and 3 follow their left
      // neighbour.
      place.X = k % 2 == 0 ? fx + kWordsLeft
                           : words_[static_cast<size_t>(kWordsPerGroup * g + k - 1)].Place.Right() +
                                 kWordGap;
      place.Y = fy + (k < 2 ? kFirstRowTop : kSecondRowTop);
    }
  }
}

void Game13Form::ScanNextGroup() {
  Switches().CleanUp();
  for (int g = 0; g < kGroupCount; ++g) {
    if (groups_[static_cast<size_t>(g)].Answered) continue;
    for (int k = 0; k < kWordsPerGroup; ++k) {
      Switches().Add(words_[static_cast<size_t>(kWordsPerGroup * g + k)].Place);
    }
    return;
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
  Canvas& canvas = Graphics();
  canvas.Cls();
  for (auto& group : groups_) {
    group.Frame.DrawTransp(*this);
    group.Picture.Draw(*this);
  }
  DrawFrameButtons();

  canvas.FontName = state_.gFontName;
  canvas.FontSize = state_.gFontSize * state_.gTextScale;
  for (auto& word : words_) {
    if (!word.Place.Visible) continue;
    const bool found = groups_[static_cast<size_t>(word.GroupNumber)].Answered;
    canvas.ForeColor = found ? kFoundWordColor : kBlack;
    canvas.FontBold = found;
    PrintCentredIn(canvas, word.Place.Text, word.Place, kWordMargin);
    DrawHighlightBorder(word.Place);
  }
  canvas.FontBold = false;
  canvas.ForeColor = kBlack;

  DrawFrameHighlights();
  DrawTitle();
  Refresh();
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
      AnswerWrong();
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

void Game13Form::AnswerWrong() { ReportWrong(); }

void Game13Form::SpeakAnswer(int) {
  for (const auto& group : groups_) {
    if (!group.Answered) {
      PlaySpeech(group.Sound, PlayMode::Synchronous);
      return;
    }
  }
}

}  // namespace tavlo
