#include "games/Game10Form.h"

#include "engine/Application.h"
#include "engine/Rounding.h"
#include "games/TextFit.h"
#include "games/WordCursor.h"

namespace tavlo {
namespace {

constexpr Color kBackground = RGB(194, 209, 235);
constexpr int kQuestionWidth = 460;
constexpr int kQuestionHeight = 30;
constexpr int kQuestionsLeftOfButton = 275;
constexpr int kFirstQuestionY = 105;
constexpr int kQuestionGap = 25;
constexpr int kButtonsBelowQuestions = 20;
constexpr int kFirstButtonRight = 390;
constexpr int kButtonGap = 20;
constexpr int kPauseBeforeNextQuestion = 500;
// The question being asked stands on a pale card with a blue edge; answered
// questions turn green, those still to come stay black.
constexpr Color kCurrentQuestionColor = kHighlightBlue;
constexpr Color kCurrentQuestionCard = RGB(255, 249, 196);
constexpr Color kAnsweredQuestionColor = RGB(27, 110, 32);
constexpr int kCardMargin = 6;

}  // namespace

Game10Form::Game10Form(const GameContext& context) : GameForm(context, kGameNumber) {}

void Game10Form::PrepareChoices() {
  const auto& names = state_.Texts.gGameData;
  if (buttons_.size() != names.size()) {
    // The scanning list points at the buttons; it must not outlive them.
    Switches().CleanUp();
    buttons_ = std::vector<SpriteClass>(names.size());
    highlighted_buttons_ = std::vector<SpriteClass>(names.size());
  }
  for (size_t i = 0; i < names.size(); ++i) {
    buttons_[i].Label = names[i];
    buttons_[i].Value1 = static_cast<std::int32_t>(i);
  }
}

void Game10Form::LoadGameGraphics() {
  Graphics().BackColor = kBackground;
  for (size_t i = 0; i < buttons_.size(); ++i) {
    const std::string name = "gfx\\game10\\choiceButton" + std::to_string(i);
    buttons_[i].LoadDCImage(*this, name + ".gif");
    highlighted_buttons_[i].LoadDCImage(*this, name + "on.gif");
  }
}

void Game10Form::FreeGameGraphics() {
  scene_.CleanUp();
  for (SpriteClass& button : buttons_) button.CleanUp();
  for (SpriteClass& button : highlighted_buttons_) button.CleanUp();
  questions_.clear();
}

void Game10Form::StartRound() {
  Platform& platform = App().Host();
  platform.SetCursor(CursorShape::Hourglass);
  current_question_ = 0;
  questions_.clear();
  WordListState& list = state_.WordLists;
  scene_.CleanUp();
  if (!list.gWords.empty()) {
    LoadItemPicture(scene_, PictureFolder::Backgrounds,
                    list.gWords[static_cast<size_t>(list.gWordIndex)].Image);
  }
  for (const WordRecord& row : TakeSceneRows(list, kMostQuestions)) {
    SpriteClass& question = questions_.emplace_back();
    question.Text = row.Texts.empty() ? "" : row.Texts[0];
    question.Text2 = row.Sound;
    question.Value1 = row.Numbers.empty() ? 0 : row.Numbers[0];
  }
  LayOutRound();
  Switches().CleanUp();
  for (SpriteClass& button : buttons_) Switches().Add(button);
  RefreshHover();
  UpdateScreen();
  platform.SetCursor(CursorShape::Arrow);
  AskQuestion();
}

void Game10Form::LayOutRound() {
  const int first_button_width = buttons_.empty() ? 0 : buttons_[0].Width;
  for (size_t i = 0; i < questions_.size(); ++i) {
    SpriteClass& question = questions_[i];
    question.Width = kQuestionWidth;
    question.Height = kQuestionHeight;
    if (i == 0) {
      question.X = first_button_width + kQuestionsLeftOfButton;
      question.Y = kFirstQuestionY;
    } else {
      question.X = questions_[i - 1].Left();
      question.Y = questions_[i - 1].Bottom() + kQuestionGap;
    }
  }
  const int buttons_top =
      (questions_.empty() ? kFirstQuestionY : questions_.back().Bottom()) + kButtonsBelowQuestions;
  for (size_t i = 0; i < buttons_.size(); ++i) {
    SpriteClass& button = buttons_[i];
    button.X = i == 0 ? kFirstButtonRight - button.Width : buttons_[i - 1].Right() + kButtonGap;
    button.Y = buttons_top;
  }
}

std::vector<SpriteClass*> Game10Form::ChoiceSprites() {
  std::vector<SpriteClass*> sprites;
  for (SpriteClass& button : buttons_) sprites.push_back(&button);
  return sprites;
}

void Game10Form::UpdateScreen() {
  Canvas& canvas = Graphics();
  canvas.Cls();
  scene_.Draw(*this);
  DrawFrameButtons();
  for (size_t i = 0; i < buttons_.size(); ++i) {
    SpriteClass& button = buttons_[i];
    SpriteClass& highlighted = highlighted_buttons_[i];
    if (button.Selected && highlighted.ImageCount > 0) {
      highlighted.DrawTranspAt(*this, nint(button.X), nint(button.Y));
    } else {
      button.DrawTransp(*this);
      // A button without a highlighted picture shows the frame's border.
      if (highlighted.ImageCount == 0) DrawHighlightBorder(button);
    }
  }
  DrawFrameHighlights();
  DrawQuestions();
  canvas.ForeColor = kBlack;
  DrawTitle();
  Refresh();
}

void Game10Form::DrawQuestions() {
  Canvas& canvas = Graphics();
  canvas.FontName = state_.gFontName;
  std::vector<std::string> texts;
  for (const SpriteClass& question : questions_) texts.push_back(question.Text);
  // A question may grow into the gap below its place, never past it.
  FitFontSize(canvas, state_.gFontSize * state_.gTextScale, kQuestionWidth,
              kQuestionHeight + kQuestionGap - 2 * kCardMargin, texts);
  const int height = canvas.TextHeight();
  for (size_t i = 0; i < questions_.size(); ++i) {
    const SpriteClass& question = questions_[i];
    const int top = nint(question.MiddleY()) - HalfOf(height);
    const int left = question.Left();
    if (static_cast<int>(i) == current_question_) {
      const int right = left + canvas.TextWidth(question.Text) + kCardMargin;
      canvas.FilledBox(left - kCardMargin, top - 2, right, top + height + 2, kCurrentQuestionCard);
      canvas.DrawWidth = 2;
      canvas.Box(left - kCardMargin, top - 2, right, top + height + 2, kCurrentQuestionColor);
      canvas.DrawWidth = 1;
      canvas.ForeColor = kCurrentQuestionColor;
    } else {
      canvas.ForeColor =
          static_cast<int>(i) < current_question_ ? kAnsweredQuestionColor : kBlack;
    }
    canvas.CurrentX = left;
    canvas.CurrentY = top;
    canvas.Print(question.Text);
  }
}

bool Game10Form::HasCurrentQuestion() const {
  return current_question_ < static_cast<int>(questions_.size());
}

void Game10Form::GameMouseDown(int button, int, int x, int y) {
  for (size_t i = 0; i < buttons_.size(); ++i) {
    if (!buttons_[i].IsUnder(x, y)) continue;
    if (button != mouse_buttons::kLeft) {
      PlayAnswerName(i);
    } else if (HasCurrentQuestion()) {
      if (buttons_[i].Value1 == questions_[static_cast<size_t>(current_question_)].Value1) {
        AnswerCorrect(i);
      } else {
        AnswerWrong();
      }
    }
    return;
  }
}

void Game10Form::AnswerCorrect(std::size_t answer) {
  ReportCorrect();
  // The answer is heard to its end: the next question or the reward sound
  // would otherwise cut it off at once.
  PlayAnswerName(answer);
  current_question_ += 1;
  RefreshHover();
  if (HasCurrentQuestion()) {
    App().Wait(kPauseBeforeNextQuestion);
    UpdateScreen();
    AskQuestion();
    return;
  }
  CompleteItem(ItemReward::SoundOnly);
  StartRound();
}

void Game10Form::AnswerWrong() { ReportWrong(); }

void Game10Form::PlayAnswerName(std::size_t answer) {
  PlaySpeech("game10/correctwrong/" + buttons_[answer].Label + ".wav");
}

void Game10Form::AskQuestion() {
  if (!HasCurrentQuestion()) return;
  PlaySpeech("game10/" + questions_[static_cast<size_t>(current_question_)].Text2);
}

void Game10Form::SpeakAnswer(int) { AskQuestion(); }

}  // namespace tavlo
