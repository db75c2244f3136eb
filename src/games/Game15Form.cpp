#include "games/Game15Form.h"

#include <algorithm>
#include <utility>

#include "engine/Application.h"
#include "engine/MilliTimer.h"
#include "engine/Random.h"
#include "engine/Rounding.h"
#include "engine/Sound.h"
#include "games/AnswerFeedback.h"
#include "games/Game15Placement.h"
#include "games/TextSizeKeys.h"
#include "profiles/OptionDialogs.h"
#include "profiles/Options15Model.h"

namespace tavlo {
namespace {

constexpr int kGameTimerMilliseconds = 500;
constexpr int kAnnounceMilliseconds = 3000;
constexpr int kPauseMilliseconds = 1000;
constexpr int kAfterFallMilliseconds = 2000;
constexpr int kAfterWinMilliseconds = 1000;
// A crashed animal falls this much faster than it ran, in pixels a second.
constexpr int kFallSpeed = 125;
constexpr int kFallenTop = 601;
// A pass that comes late (the window was held, a dialog was open) moves the
// animal no further than this many milliseconds of travel, so that it never
// jumps over a label.
constexpr int kLongestStep = 100;
constexpr int kFirstPictureX = 140;
constexpr int kPictureStep = 120;
constexpr int kBarMiddle = 50;
// Labels are this much larger than their text on every side.
constexpr int kLabelPadding = 3;
constexpr int kStandardFontSize = 25;
constexpr const char* kAnimalFolder = "gfx\\game15\\animals\\";
constexpr std::array<const char*, 4> kArrowPictures = {
    "gfx\\game15\\up.gif", "gfx\\game15\\right.gif", "gfx\\game15\\down.gif",
    "gfx\\game15\\left.gif"};

}  // namespace

Game15Form::Game15Form(const GameContext& context)
    : GameForm(context, kGameNumber), game_timer_(*this, [this] { GameTimer_Timer(); }) {
  game_timer_.SetInterval(kGameTimerMilliseconds);
}

void Game15Form::Form_Load() {
  paused_ = false;
  fast_ = false;
  previous_ = MilliTimer();
  GameForm::Form_Load();
  // The loop starts a moment after the screen appears.
  if (IsLoaded()) game_timer_.SetEnabled(true);
}

void Game15Form::GameTimer_Timer() {
  game_timer_.SetEnabled(false);
  if (!in_loop_) RunGameLoop();
}

void Game15Form::RunGameLoop(int limit_milliseconds) {
  Application& app = App();
  in_loop_ = true;
  running_ = true;
  const std::int64_t started = MilliTimer64();
  while (running_ && IsLoaded()) {
    if (limit_milliseconds >= 0 && MilliTimer64() - started >= limit_milliseconds) break;
    if (paused_) {
      // Time spent paused is no travel time.
      previous_ = MilliTimer();
    } else {
      LoopPass();
    }
    app.WaitForNextFrame();
  }
  in_loop_ = false;
  if (!running_ && IsLoaded()) ExitForm();
}

void Game15Form::LoopPass() {
  const std::int32_t now = MilliTimer();
  const int elapsed = std::clamp(ElapsedMilliseconds(now, previous_), 0, kLongestStep);
  previous_ = now;
  StepGame(elapsed);
  if (IsLoaded()) UpdateScreen();
}

void Game15Form::EndGame() {
  if (in_loop_) {
    running_ = false;
  } else if (IsLoaded()) {
    ExitForm();
  }
}

void Game15Form::LoadGameGraphics() {
  background_.LoadDCImage(*this, "gfx\\game15\\background.gif");
  for (size_t i = 0; i < arrows_.size(); ++i) arrows_[i].LoadDCImage(*this, kArrowPictures[i]);
}

void Game15Form::FreeGameGraphics() {
  game_timer_.SetEnabled(false);
  background_.CleanUp();
  for (auto& arrow : arrows_) arrow.CleanUp();
  animal_.CleanUp();
  for (auto& picture : pictures_) picture.CleanUp();
}

void Game15Form::StartRound() {
  Platform& platform = App().Host();
  platform.SetCursor(CursorShape::Hourglass);
  holding_ = false;
  target_index_ = 0;
  speed_ = Game15Speed(state_.Profiles.GetGame15Setting());

  // The round's own steps through the list do not reshuffle it.
  for (int i = 0; i < kItemCount; ++i) {
    SpriteClass& picture = pictures_[static_cast<size_t>(i)];
    DealPicture(picture);
    picture.X = kFirstPictureX + kPictureStep * i;
    picture.Y = kBarMiddle - HalfOf(picture.Height);
    labels_[static_cast<size_t>(i)].Text = picture.Text;
    labels_[static_cast<size_t>(i)].Visible = true;
  }

  if (!LoadRandomAnimal()) {
    platform.SetCursor(CursorShape::Arrow);
    EndGame();
    return;
  }
  game15::PlaceAnimal(animal_);
  SetDirection(Heading::Right);
  PlaceLabelsAgain();
  Enter(Game15State::Announce);
  platform.SetCursor(CursorShape::Arrow);
}

void Game15Form::NextRound() {
  paused_ = false;
  state_.WordLists.NextWord();
  StartRound();
}

bool Game15Form::LoadRandomAnimal() {
  const std::vector<std::string> first_pictures =
      ListFilesLike(App().ResourcePath(kAnimalFolder), "", "0.gif");
  if (first_pictures.empty()) {
    ShowMissingPicture("gfx/game15/animals/*0.gif");
    return false;
  }
  const int last = static_cast<int>(first_pictures.size()) - 1;
  const std::string& chosen = first_pictures[static_cast<size_t>(RandomInt(0, last))];
  animal_name_ = chosen.substr(0, chosen.size() - std::string_view("0.gif").size());
  animal_.CleanUp();
  // Right, left and crashed: all three, or the animal cannot play.
  for (int k = 0; k < 3; ++k) {
    const std::string picture = kAnimalFolder + animal_name_ + std::to_string(k) + ".gif";
    if (!animal_.LoadDCImage(*this, picture)) {
      ShowMissingPicture(picture);
      return false;
    }
  }
  return true;
}

void Game15Form::PlaceLabelsAgain() {
  Canvas& canvas = Graphics();
  canvas.FontName = state_.gFontName;
  canvas.FontSize = state_.gFontSize * state_.gTextScale;
  for (auto& label : labels_) {
    label.Width = canvas.TextWidth(label.Text) + 2 * kLabelPadding;
    label.Height = canvas.TextHeight(label.Text) + 2 * kLabelPadding;
  }
  game15::PlaceLabels(labels_, game15::RunInSpace(animal_));
}

void Game15Form::SetDirection(Heading heading) {
  direction_ = heading;
  animal_.StopSprite();
  const double speed = fast_ ? 2.0 * speed_ : speed_;
  switch (heading) {
    case Heading::Up:
      animal_.SpeedY = -speed;
      break;
    case Heading::Right:
      animal_.Frame = 0;
      animal_.SpeedX = speed;
      break;
    case Heading::Down:
      animal_.SpeedY = speed;
      break;
    case Heading::Left:
      animal_.Frame = 1;
      animal_.SpeedX = -speed;
      break;
    case Heading::Crashed:
      animal_.Frame = 2;
      animal_.SpeedY = speed;
      break;
  }
}

void Game15Form::TurnClockwise() {
  if (direction_ == Heading::Crashed) return;
  SetDirection(static_cast<Heading>((static_cast<int>(direction_) + 1) % 4));
}

void Game15Form::SetFast(bool fast) {
  fast_ = fast;
  SetDirection(direction_);
}

void Game15Form::Enter(Game15State state) {
  game_state_ = state;
  phase_ = 0;
}

void Game15Form::HoldAfterSound(int milliseconds) {
  holding_ = true;
  hold_for_sound_ = true;
  hold_milliseconds_ = milliseconds;
}

void Game15Form::HoldFor(int milliseconds) {
  holding_ = true;
  hold_for_sound_ = false;
  hold_until_ = MilliTimer() + milliseconds;
}

bool Game15Form::Holding() {
  if (!holding_) return false;
  if (hold_for_sound_) {
    if (App().Host().Audio().WavePlaying()) return true;
    hold_for_sound_ = false;
    hold_until_ = MilliTimer() + hold_milliseconds_;
  }
  if (ElapsedMilliseconds(MilliTimer(), hold_until_) < 0) return true;
  holding_ = false;
  return false;
}

void Game15Form::StepGame(int elapsed) {
  if (Holding()) return;
  switch (game_state_) {
    case Game15State::Announce:
      StepAnnounce();
      break;
    case Game15State::Running:
      StepRunning(elapsed);
      break;
    case Game15State::Pause:
      // The pause after a right label is over: the next word is said as the
      // animal sets off again.
      PlayItemSpeech(target_index_);
      Enter(Game15State::Running);
      break;
    case Game15State::Wrong:
      StepWrong();
      break;
    case Game15State::Falling:
      StepFalling(elapsed);
      break;
    case Game15State::Won:
      StepWon();
      break;
    case Game15State::Reward:
      state_.WordLists.NextWord();
      StartRound();
      break;
  }
}

void Game15Form::StepAnnounce() {
  if (phase_ == 0) {
    SetDirection(Heading::Right);
    if (state_.Profiles.OneKeyMode) {
      // A switch user can leave now, while the stop button is offered.
      OneKeyTimer().SetInterval(state_.Profiles.OneKeyInterval * 1000);
      OneKeyTimer().SetEnabled(true);
      stop_highlighted_ = true;
    }
    PlayItemSpeech(target_index_);
    HoldAfterSound(kAnnounceMilliseconds);
    phase_ = 1;
    return;
  }
  Enter(Game15State::Running);
}

void Game15Form::StepRunning(int elapsed) {
  MoveAnimal(elapsed);
  for (int i = 0; i < kItemCount; ++i) {
    SpriteClass& label = labels_[static_cast<size_t>(i)];
    if (!label.Visible || !label.SpriteCollision(animal_)) continue;
    SpriteClass& target = labels_[static_cast<size_t>(target_index_)];
    if (i != target_index_) {
      // A short list repeats its words in a round; a label that reads the
      // same as the one wanted is just as right, so the two change places.
      if (label.Text != target.Text) {
        Enter(Game15State::Wrong);
        return;
      }
      std::swap(label.X, target.X);
      std::swap(label.Y, target.Y);
    }
    target.Visible = false;
    target_index_ += 1;
    PlayEffectSound(App(), state_.Profiles,
                    "sfx\\game15\\correct" + std::to_string(RandomInt(0, 3)) + ".wav",
                    PlayMode::Asynchronous);
    // The animal stands while the sound and a short pause pass; nothing can
    // be hit meanwhile.
    Enter(Game15State::Pause);
    HoldAfterSound(kPauseMilliseconds);
    break;
  }
  if (target_index_ == kItemCount) {
    // Won the moment the last word is reached; the reward follows the sound.
    ReportCorrect(AnswerSound::Silent);
    Enter(Game15State::Won);
    HoldAfterSound(0);
    return;
  }
  if (game_state_ != Game15State::Running) return;
  if (animal_.Left() < 0 || animal_.Right() > game15::kFieldWidth ||
      animal_.Top() < game15::kFieldTop || animal_.Bottom() > game15::kFieldBottom) {
    Enter(Game15State::Wrong);
  }
}

void Game15Form::StepWrong() {
  if (phase_ == 0) {
    state_.Profiles.Games[kGameNumber - 1].AddWrong();
    PlayEffectSound(App(), state_.Profiles, "sfx\\game15\\wrong0.wav", PlayMode::Asynchronous);
    HoldAfterSound(0);
    phase_ = 1;
    return;
  }
  SetDirection(Heading::Crashed);
  Enter(Game15State::Falling);
}

void Game15Form::StepFalling(int elapsed) {
  if (phase_ == 1) {
    StartRound();
    return;
  }
  MoveAnimal(elapsed);
  animal_.Y += elapsed * kFallSpeed / 1000.0;
  if (animal_.Top() >= kFallenTop) {
    HoldFor(kAfterFallMilliseconds);
    phase_ = 1;
  }
}

void Game15Form::StepWon() {
  if (phase_ == 1) {
    Enter(Game15State::Reward);
    return;
  }
  phase_ = 1;
  if (!state_.Profiles.RewardSounds) {
    // Without reward sounds the game keeps the pace a sound would give it.
    HoldFor(kRewardPauseMilliseconds + kAfterWinMilliseconds);
    return;
  }
  const std::string sound = RandomRewardSound(App(), Rewards.gRewardSoundFiles);
  if (!sound.empty()) {
    PlayRewardSound(App(), state_.Profiles, "sfx\\rewards\\" + sound, PlayMode::Asynchronous);
  }
  HoldAfterSound(kAfterWinMilliseconds);
}

void Game15Form::MoveAnimal(int elapsed) {
  animal_.X += animal_.SpeedX * elapsed / 1000.0;
  animal_.Y += animal_.SpeedY * elapsed / 1000.0;
}

void Game15Form::PlayItemSpeech(int item) {
  if (item < 0 || item >= kItemCount) return;
  PlaySpeech(pictures_[static_cast<size_t>(item)].Label, PlayMode::Asynchronous);
}

void Game15Form::SpeakAnswer(int i) { PlayItemSpeech(i < 0 ? target_index_ : i); }

std::vector<SpriteClass*> Game15Form::ChoiceSprites() { return PointersTo(labels_); }

void Game15Form::UpdateScreen() {
  Canvas& canvas = Graphics();
  if (background_.ImageCount == 0) canvas.Cls();
  background_.Draw(*this);
  canvas.DrawWidth = 1;
  canvas.FilledBox(0, 0, game15::kFieldWidth - 1, game15::kFieldTop, kWhite);
  canvas.Box(0, 0, game15::kFieldWidth - 1, game15::kFieldTop, kBlack);
  for (auto& picture : pictures_) picture.Draw(*this);
  if (target_index_ < kItemCount) {
    pictures_[static_cast<size_t>(target_index_)].DrawBorder(RGB(0, 0, 255), 3, *this);
  }
  DrawLabels();
  DrawArrow();
  animal_.DrawTransp(*this);
  DrawFrameButtons();
  if (stop_highlighted_) gStopButton.DrawBorder(kHighlightBlue, 3, *this);
  Refresh();
}

void Game15Form::DrawLabels() {
  Canvas& canvas = Graphics();
  canvas.FontName = state_.gFontName;
  canvas.FontSize = state_.gFontSize * state_.gTextScale;
  canvas.ForeColor = kBlack;
  for (const auto& label : labels_) {
    if (!label.Visible) continue;
    const int left = label.Left();
    const int top = label.Top();
    canvas.FilledBox(left, top, left + label.Width - 1, top + label.Height - 1, kWhite);
    canvas.Box(left, top, left + label.Width - 1, top + label.Height - 1, kBlack);
    canvas.CurrentX = left + kLabelPadding;
    canvas.CurrentY = top + kLabelPadding;
    canvas.Print(label.Text);
  }
}

void Game15Form::DrawArrow() {
  if (direction_ == Heading::Crashed) return;
  SpriteClass& arrow = arrows_[static_cast<size_t>(direction_)];
  // The arrow stands beside the animal on the side it heads for.
  int x = nint(animal_.MiddleX()) - HalfOf(arrow.Width);
  int y = nint(animal_.MiddleY()) - HalfOf(arrow.Height);
  switch (direction_) {
    case Heading::Up:
      y = animal_.Top() - arrow.Height;
      break;
    case Heading::Right:
      x = nint(animal_.Right());
      break;
    case Heading::Down:
      y = animal_.Bottom();
      break;
    default:
      x = animal_.Left() - arrow.Width;
      break;
  }
  arrow.DrawTranspAt(*this, x, y);
}

void Game15Form::Form_MouseDown(int button, int shift, int x, int y) {
  if (InputLocked()) return;
  if (gStopButton.IsUnder(x, y)) {
    EndGame();
    return;
  }
  if (gNextButton.IsUnder(x, y)) {
    NextRound();
  } else {
    GameMouseDown(button, shift, x, y);
  }
  LockInput();
}

void Game15Form::GameMouseDown(int button, int, int x, int y) {
  if (SayPictureUnder(pictures_, x, y)) return;
  if (gListenButton.IsUnder(x, y)) {
    SpeakAnswer(-1);
    return;
  }
  if (game_state_ != Game15State::Running) return;
  if (button == mouse_buttons::kLeft) {
    TurnClockwise();
  } else if (button == mouse_buttons::kRight) {
    SetFast(true);
  }
}

void Game15Form::Form_MouseUp(int button, int, int, int) {
  if (button == mouse_buttons::kRight) SetFast(false);
}

// The loop redraws every frame, and no highlight follows the pointer here.
void Game15Form::Form_MouseMove(int, int, int, int) {}

void Game15Form::Form_KeyDown(int key_code, int) {
  const bool locked = InputLocked();
  switch (key_code) {
    case keys::kEscape:
      EndGame();
      return;
    case keys::F(1):
      ShowOptionsDialog(OptionsDialog::Game);
      break;
    case keys::F(9):
      ShowOptionsDialog(OptionsDialog::Font);
      break;
    case keys::F(2):
      SpeakAnswer(-1);
      break;
    case keys::kPageDown:
      Form_MouseDown(0, 0, nint(gNextButton.X) + 5, nint(gNextButton.Y) + 5);
      break;
    case keys::kEnter:
      if (stop_highlighted_ && !fast_) {
        EndGame();
        return;
      }
      break;
    default:
      if (ApplyTextSizeKey(state_, key_code, kStandardFontSize)) {
        PlaceLabelsAgain();
        UpdateScreen();
      }
      break;
  }
  stop_highlighted_ = false;
  if (game_state_ != Game15State::Running || !IsLoaded()) return;
  switch (key_code) {
    case keys::kSpace:
      if (locked) return;
      TurnClockwise();
      LockInput();
      break;
    case keys::kUp:
      SetDirection(Heading::Up);
      break;
    case keys::kRight:
      SetDirection(Heading::Right);
      break;
    case keys::kDown:
      SetDirection(Heading::Down);
      break;
    case keys::kLeft:
      SetDirection(Heading::Left);
      break;
    case keys::F(3):
      paused_ = !paused_;
      break;
    case keys::kEnter:
      if (locked) return;
      // With one switch, Enter is the only switch there is: it turns.
      if (state_.Profiles.OneKeyMode && !fast_) {
        TurnClockwise();
      } else {
        SetFast(true);
      }
      LockInput();
      break;
    default:
      break;
  }
}

void Game15Form::Form_KeyUp(int, int) { SetFast(false); }

void Game15Form::ShowOptionsDialog(OptionsDialog dialog) {
  // The game stands still while a dialog is open.
  const bool was_paused = paused_;
  paused_ = true;
  if (dialog == OptionsDialog::Font) {
    ShowFontDialog(App(), state_, GameId());
  } else {
    ShowOptions15(App(), state_);
  }
  if (state_.gDialogResult != 1) {
    paused_ = was_paused;
    return;
  }
  if (!SetUpGame()) {
    EndGame();
    return;
  }
  paused_ = false;
  StartRound();
}

void Game15Form::OneKeyTimer_Timer() {
  stop_highlighted_ = false;
  OneKeyTimer().SetEnabled(false);
  UpdateScreen();
}

}  // namespace tavlo
