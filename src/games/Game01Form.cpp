#include "games/Game01Form.h"

#include "engine/Application.h"
#include "engine/Rounding.h"

namespace tavlo {
namespace {

constexpr Color kBackground = RGB(193, 230, 176);
constexpr Color kCurrentWordColor = 0xFF0000;  // blue
constexpr int kFirstCardY = 90;
constexpr int kCardStepY = 55;
constexpr int kWordsLeft = 274;
constexpr int kMostWords = 4;
constexpr int kButtonWidth = 130;
constexpr int kButtonHeight = 64;

}  // namespace

void Game01Form::PrepareChoices() { LabelButtonsWithGameData(buttons_); }

void Game01Form::LoadGameGraphics() {
  Graphics().BackColor = kBackground;
  for (auto& button : buttons_) {
    button.LoadButtonImage(*this, "gfx\\game01\\choiceButton.gif", kButtonWidth, kButtonHeight);
  }
  selected_image_.LoadDCImage(*this, "gfx\\game01\\selectedButton.gif");
}

void Game01Form::FreeGameGraphics() {
  picture_.CleanUp();
  for (auto& button : buttons_) button.CleanUp();
  selected_image_.CleanUp();
}

void Game01Form::StartRound() {
  const BusyPointer busy(App().Host());
  current_word_ = 0;
  word_cards_.clear();
  word_info_.clear();
  // The picture and its words, starting with the current entry.
  for (const WordRecord& entry : DealScene(picture_, kMostWords)) {
    WordInfoRecord info;
    for (size_t m = 0; m < info.Answers.size(); ++m) {
      info.Answers[m] = static_cast<std::int16_t>(NumberOf(entry, m));
    }
    info.Word = entry.Word;
    info.Sound = entry.Sound;
    word_info_.push_back(info);
    word_cards_.emplace_back().Text = entry.Word;
  }
  LayOutRound();
  // Each picture scans its own set of buttons, from the first.
  Switches().CleanUp();
  for (auto& button : buttons_) Switches().Add(button);
  UpdateScreen();
}

void Game01Form::LayOutRound() {
  Canvas& canvas = Graphics();
  canvas.FontName = state_.gFontName;
  canvas.FontSize = state_.gFontSize;
  // A card covers its line as printed, blank and word, so that a press on
  // the word finds it and plays it.
  for (size_t i = 0; i < word_cards_.size(); ++i) {
    SpriteClass& card = word_cards_[i];
    const std::string text = "__ " + card.Text;
    card.Width = canvas.TextWidth(text);
    card.Height = canvas.TextHeight(text);
    card.X = kWordsLeft;
    card.Y = kFirstCardY + kCardStepY * static_cast<int>(i);
  }
  if (buttons_.empty() || word_cards_.empty()) return;

  const int row_y = word_cards_.back().Bottom() + 60;
  auto place = [&](size_t index, int centre_x, int y) {
    if (index >= buttons_.size()) return;
    buttons_[index].X = centre_x - HalfOf(buttons_[index].Width);
    buttons_[index].Y = y;
  };
  switch (buttons_.size()) {
    case 1:
      place(0, 400, row_y);
      break;
    case 3:
      place(0, 275, row_y);
      place(1, 400, row_y);
      place(2, 525, row_y);
      break;
    default:
      // Two buttons on one row; a third and fourth on a row below them.
      place(0, 320, row_y);
      place(1, 480, row_y);
      if (buttons_.size() >= 4) {
        buttons_[2].X = buttons_[0].X;
        buttons_[2].Y = buttons_[0].Bottom() + 20;
        buttons_[3].X = buttons_[1].X;
        buttons_[3].Y = buttons_[1].Bottom() + 20;
      }
      break;
  }
}

std::vector<SpriteClass*> Game01Form::ChoiceSprites() { return PointersTo(buttons_); }

void Game01Form::UpdateScreen() {
  Canvas& canvas = BeginScreen(picture_);
  for (auto& button : buttons_) {
    if (!button.Selected) {
      button.DrawTransp(*this);
    } else {
      selected_image_.DrawTranspAt(*this, nint(button.X), nint(button.Y));
    }
  }
  DrawFrameHighlights();

  canvas.FontName = state_.gFontName;
  canvas.FontSize = state_.gFontSize * state_.gTextScale;
  for (size_t i = 0; i < word_cards_.size(); ++i) {
    const SpriteClass& card = word_cards_[i];
    canvas.ForeColor = static_cast<int>(i) == current_word_ ? kCurrentWordColor : kBlack;
    canvas.CurrentX = kWordsLeft;
    canvas.CurrentY = card.Y;
    canvas.Print(card.Selected ? word_info_[i].Answer + " " + card.Text : "__ " + card.Text);
  }

  canvas.ForeColor = kBlack;
  canvas.FontSize = 14 * state_.gTextScale;
  for (const auto& button : buttons_) {
    canvas.CurrentX = button.MiddleX() - canvas.TextWidth(button.Label) / 2;
    canvas.CurrentY = button.MiddleY() - canvas.TextHeight(button.Label) / 2;
    canvas.Print(button.Label);
  }
  EndScreen();
}

void Game01Form::GameMouseDown(int button, int, int x, int y) {
  for (size_t c = 0; c < word_cards_.size(); ++c) {
    if (word_cards_[c].IsUnder(x, y)) {
      PlaySpeech(word_info_[c].Sound);
      break;
    }
  }
  for (size_t i = 0; i < buttons_.size(); ++i) {
    if (!buttons_[i].IsUnder(x, y)) continue;
    if (button == mouse_buttons::kLeft) {
      const bool right = current_word_ < static_cast<int>(word_info_.size()) && i < 4 &&
                         word_info_[static_cast<size_t>(current_word_)].Answers[i] == 1;
      if (right) {
        AnswerCorrect(static_cast<int>(i));
      } else {
        ReportWrong();
      }
    } else {
      PlaySpeech("game01/" + buttons_[i].Label + ".wav");
    }
    return;
  }
}

void Game01Form::AnswerCorrect(int i) {
  ReportCorrect();
  SpeakAnswer(i);
  word_cards_[static_cast<size_t>(current_word_)].Selected = true;
  word_info_[static_cast<size_t>(current_word_)].Answer = buttons_[static_cast<size_t>(i)].Label;
  current_word_ += 1;
  if (current_word_ < static_cast<int>(word_cards_.size())) {
    // The next word turns blue at once, whether or not the pointer moves.
    UpdateScreen();
    return;
  }
  CompleteItem(ItemReward::SoundOnly);
  StartRound();
}

void Game01Form::SpeakAnswer(int i) {
  if (current_word_ >= static_cast<int>(word_info_.size())) return;
  const WordInfoRecord& info = word_info_[static_cast<size_t>(current_word_)];
  if (i != -1) {
    if (i >= 0 && static_cast<size_t>(i) < buttons_.size()) {
      PlaySpeech("game01/" + buttons_[static_cast<size_t>(i)].Label + ".wav");
    }
    PlaySpeech(info.Sound);
    return;
  }
  for (size_t m = 0; m < info.Answers.size(); ++m) {
    // A flag for a button the data file does not have names no answer.
    if (info.Answers[m] != 1 || m >= buttons_.size()) continue;
    PlaySpeech("game01/" + buttons_[m].Label + ".wav");
    PlaySpeech(info.Sound);
  }
}

}  // namespace tavlo
