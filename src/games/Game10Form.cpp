#include "games/Game10Form.h"

#include <algorithm>

#include "engine/Application.h"
#include "engine/Rounding.h"

namespace tavlo {
namespace {

constexpr Color kBackground = RGB(194, 209, 235);
// Each question has a place of 460 x 30 pixels. The column starts at y = 105,
// 275 pixels right of the first answer button's width, 25 pixels between two.
constexpr int kQuestionWidth = 460, kQuestionHeight = 30;
constexpr int kQuestionsLeftOfButton = 275, kFirstQuestionY = 105, kQuestionGap = 25;
// The answer buttons stand 20 pixels below the questions, the first ending at
// x = 390, each further one 20 pixels right of the one before.
constexpr int kButtonsBelowQuestions = 20, kFirstButtonRight = 390, kButtonGap = 20;
constexpr int kPauseBeforeNextQuestion = 500;
// Every question stands on a card of its own, so that it reads on any scene,
// a dark one too: the question being asked on a pale yellow card with a blue
// edge and in blue, answered ones on pale green in green, those still to come
// on white in black.
struct CardStyle {
  Color Card;
  Color Edge;
  Color Text;
};
constexpr CardStyle kCurrentQuestion{RGB(255, 249, 196), kHighlightBlue, kHighlightBlue};
constexpr CardStyle kAnsweredQuestion{RGB(220, 240, 220), RGB(67, 160, 71), RGB(27, 110, 32)};
constexpr CardStyle kComingQuestion{kWhite, RGB(150, 150, 150), kBlack};
constexpr int kCardMargin = 6;

}  // namespace

void Game10Form::PrepareChoices() { LabelButtonsWithGameData(buttons_); }

void Game10Form::LoadGameGraphics() {
  Graphics().BackColor = kBackground;
  highlighted_buttons_ = std::vector<SpriteClass>(buttons_.size());
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
  {
    const BusyPointer busy(App().Host());
    current_question_ = 0;
    questions_.clear();
    for (const WordRecord& row : DealScene(scene_, kMostQuestions)) {
      SpriteClass& question = questions_.emplace_back();
      question.Text = TextOf(row, 0);
      question.Text2 = row.Sound;
      question.Value1 = NumberOf(row, 0);
    }
    LayOutRound();
    Switches().CleanUp();
    for (SpriteClass& button : buttons_) Switches().Add(button);
    RefreshHover();
    UpdateScreen();
  }
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

void Game10Form::UpdateScreen() {
  BeginScreen(scene_);
  for (size_t i = 0; i < buttons_.size(); ++i) {
    SpriteClass& button = buttons_[i];
    const bool has_highlight =
        i < highlighted_buttons_.size() && highlighted_buttons_[i].ImageCount > 0;
    if (button.Selected && has_highlight) {
      highlighted_buttons_[i].DrawTranspAt(*this, nint(button.X), nint(button.Y));
    } else {
      button.DrawTransp(*this);
      // A button without a highlighted picture shows the frame's border.
      if (!has_highlight) DrawHighlightBorder(button);
    }
  }
  DrawFrameHighlights();
  DrawQuestions();
  DrawTitleCard();
  EndScreen();
}

void Game10Form::DrawTitleCard() {
  // The title is black; on a dark scene it needs a light card under it.
  Canvas& canvas = Graphics();
  canvas.FontSize = 18 * state_.gTextScale;
  const int width = canvas.TextWidth(state_.gGameName);
  const int height = canvas.TextHeight();
  const int middle_y = nint(gStopButton.MiddleY());
  canvas.FilledBox(400 - width / 2 - 2 * kCardMargin, middle_y - height / 2 - 2,
                   400 + width / 2 + 2 * kCardMargin, middle_y + height / 2 + 2, kWhite);
}

void Game10Form::DrawQuestions() {
  Canvas& canvas = Graphics();
  canvas.FontName = state_.gFontName;
  std::vector<std::string> texts;
  for (const SpriteClass& question : questions_) texts.push_back(question.Text);
  // A question may grow into the gap below its place, never past it.
  question_font_.Apply(canvas, state_.gFontSize * state_.gTextScale, texts, kQuestionWidth,
                       kQuestionHeight + kQuestionGap - 2 * kCardMargin);
  const int height = canvas.TextHeight();
  for (size_t i = 0; i < questions_.size(); ++i) {
    const SpriteClass& question = questions_[i];
    const int index = static_cast<int>(i);
    const CardStyle& style = index == current_question_  ? kCurrentQuestion
                             : index < current_question_ ? kAnsweredQuestion
                                                         : kComingQuestion;
    const int top = nint(question.MiddleY()) - HalfOf(height);
    const int left = question.Left();
    const int card_top = std::min(top, question.Top()) - 2;
    const int card_bottom = std::max(top + height, question.Bottom()) + 2;
    const int card_right = std::min(left + kQuestionWidth, Form::kWidth - 2);
    canvas.FilledBox(left - kCardMargin, card_top, card_right, card_bottom, style.Card);
    canvas.DrawWidth = 2;
    canvas.Box(left - kCardMargin, card_top, card_right, card_bottom, style.Edge);
    canvas.DrawWidth = 1;
    canvas.ForeColor = style.Text;
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
      if (static_cast<int>(i) == questions_[static_cast<size_t>(current_question_)].Value1) {
        AnswerCorrect(i);
      } else {
        ReportWrong();
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

void Game10Form::PlayAnswerName(std::size_t answer) {
  PlaySpeech("game10/correctwrong/" + buttons_[answer].Label + ".wav");
}

void Game10Form::AskQuestion() {
  if (!HasCurrentQuestion()) return;
  PlaySpeech("game10/" + questions_[static_cast<size_t>(current_question_)].Text2);
}

void Game10Form::SpeakAnswer(int) { AskQuestion(); }

}  // namespace tavlo
