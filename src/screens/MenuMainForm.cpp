#include "screens/MenuMainForm.h"

#include "engine/Application.h"
#include "engine/Drawing.h"
#include "engine/Sound.h"
#include "platform/InputEvent.h"
#include "state/ScreenNavigator.h"

namespace tavlo {
namespace {

constexpr Color kMenuTextColor = RGB(0, 114, 188);
constexpr Color kTitleColor = RGB(0, 0, 255);
constexpr int kFirstButtonX = 322;
constexpr int kFirstButtonY = 20;
constexpr int kButtonStepX = 155;
constexpr int kButtonStepY = 115;
constexpr int kButtonsPerRow = 3;
constexpr int kSmallButtonSize = 60;
constexpr int kGameButtonWidth = 130;
constexpr int kGameButtonHeight = 100;
// Hidden games are parked off the 800-pixel-wide screen, where no press reaches them.
constexpr int kHiddenButtonX = 850;
constexpr int kTitleFirstTick = 1500;
constexpr int kTitleStepTime = 5;
constexpr double kCloudSpeed = -50;  // pixels per second, upwards
constexpr const char* kClickSound = "sfx\\click.wav";
// The menu texts that name the small buttons.
constexpr int kQuitText = 4;
constexpr int kOptionsText = 2;
constexpr int kMusicText = 3;
constexpr const char* kMusicFile = "sfx\\menu\\music.wav";

std::string GameButtonPicture(const std::string& language, int index) {
  const int number = index + 1;
  return "gfx\\menu\\" + language + "\\" + (number < 10 ? "0" : "") + std::to_string(number) +
         ".gif";
}

}  // namespace

MenuMainForm::MenuMainForm(Application& app, ProgramState& state, MediaControl& media,
                           ScreenNavigator& navigator)
    : Form(app),
      state_(state),
      navigator_(navigator),
      music_(media, app.Host()),
      one_key_timer_(*this, switches_, [this] { OneKeyTimer_Timer(); }),
      image_timer_(*this, [this] { ImageTimer_Timer(); }) {
  Caption = "Tavlo";
  image_timer_.SetInterval(kTitleFirstTick);
}

void MenuMainForm::Form_Load() {
  Platform& platform = App().Host();
  platform.SetCursor(CursorShape::Hourglass);
  if (QuitRequested) {
    platform.SetCursor(CursorShape::Arrow);
    Unload();
    return;
  }
  Graphics().FontName = "Arial";
  LoadTitlePictures();
  // While the title runs the menu's own pictures are not drawn yet; they load
  // after the title's first picture is on the screen, so that it shows sooner.
  if (state_.gTitleShown) LoadMenuPictures();
  BuildScanList();
  StartOneKeyTimer();
  MeasureHeading();
  DrawMenu(0, 0);
  if (!state_.gTitleShown) LoadMenuPictures();
  platform.SetCursor(CursorShape::Arrow);
}

void MenuMainForm::Form_GotFocus() { ArrangeMenu(); }

void MenuMainForm::LoadTitlePictures() {
  title_picture_.LoadDCImage(*this, "gfx\\menu\\titleMenu.gif");
  title_cloud_.LoadDCImage(*this, "gfx\\menu\\titlecloud.gif");
  title_picture_.Visible = true;
  title_cloud_.Visible = true;
}

void MenuMainForm::LoadMenuPictures() {
  const std::string language = state_.Texts.gLanguage;
  main_picture_.LoadDCImage(*this, "gfx\\menu\\mainMenu.gif");
  stop_button_.LoadButtonImage(*this, "gfx\\menu\\stop.gif", kSmallButtonSize, kSmallButtonSize);
  options_button_.LoadButtonImage(*this, "gfx\\menu\\options.gif", kSmallButtonSize,
                                  kSmallButtonSize);
  music_button_.LoadButtonImage(*this, "gfx\\menu\\music.gif", kSmallButtonSize, kSmallButtonSize);
  music_button_.LoadButtonImage(*this, "gfx\\menu\\musicOff.gif", kSmallButtonSize,
                                kSmallButtonSize);
  for (int i = 0; i < static_cast<int>(game_buttons_.size()); ++i) {
    game_buttons_[static_cast<size_t>(i)].LoadButtonImage(*this, GameButtonPicture(language, i),
                                                          kGameButtonWidth, kGameButtonHeight);
  }
  stop_button_.X = 5;
  stop_button_.Y = 5;
  options_button_.X = 75;
  options_button_.Y = 5;
  music_button_.X = 145;
  music_button_.Y = 5;
  for (SpriteClass* sprite : {&main_picture_, &stop_button_, &options_button_, &music_button_}) {
    sprite->Visible = true;
  }
  for (auto& button : game_buttons_) button.Visible = true;
}

void MenuMainForm::ReleaseMenu() {
  for (SpriteClass* sprite : {&title_picture_, &main_picture_, &title_cloud_, &stop_button_,
                              &options_button_, &music_button_}) {
    sprite->CleanUp();
  }
  for (auto& button : game_buttons_) button.CleanUp();
}

void MenuMainForm::ArrangeMenu() {
  UpdateMusic();
  LayOutMenu();
}

void MenuMainForm::LayOutMenu() {
  int x = kFirstButtonX;
  int y = kFirstButtonY;
  int placed = 0;
  for (size_t i = 0; i < game_buttons_.size(); ++i) {
    SpriteClass& button = game_buttons_[i];
    if (!state_.Profiles.Games[i].ShowInMenu) {
      button.X = kHiddenButtonX;
      continue;
    }
    button.X = x;
    button.Y = y;
    x += kButtonStepX;
    if (++placed % kButtonsPerRow == 0) {
      x = kFirstButtonX;
      y += kButtonStepY;
    }
  }

  BuildScanList();
  if (state_.gMenuScanIndex > 0) switches_.SetIndex(state_.gMenuScanIndex);

  MeasureHeading();
  if (!state_.gTitleShown) image_timer_.SetEnabled(true);
  // The layout, the music button and the heading may all have changed.
  DrawMenu(-1, -1);
}

void MenuMainForm::MeasureHeading() {
  Canvas& canvas = Graphics();
  canvas.ForeColor = kMenuTextColor;
  state_.gGameName = state_.Texts.MenuText(0);
  // Measured in the heading's own size, so that the heading is centred.
  canvas.FontSize = state_.gTextScale * 24;
  title_width_ = canvas.TextWidth(state_.gGameName);
  title_height_ = canvas.TextHeight(state_.gGameName);
}

void MenuMainForm::UpdateMusic() {
  if (state_.Profiles.MenuMusic) {
    // Opening the sound device and the music file takes longer than the
    // rest of the start together (most of all where the sound system must be
    // probed), so it waits until the music is first wanted: after the title
    // is on the screen, and never with the music switched off. The file then
    // stays open for the program's life.
    if (!music_.IsOpen()) music_.OpenMedia(kMusicFile);
    music_.PlayMedia();
    music_button_.Frame = 0;
  } else {
    music_.StopMedia();
    music_button_.Frame = 1;
  }
}

void MenuMainForm::BuildScanList() {
  switches_.CleanUp();
  switches_.Init(*this);
  const LanguageTexts& texts = state_.Texts;
  for (size_t i = 0; i < game_buttons_.size(); ++i) {
    if (state_.Profiles.Games[i].ShowInMenu) {
      switches_.Add(game_buttons_[i], texts.SpokenLine("games", static_cast<int>(i)));
    }
  }
  switches_.Add(stop_button_, texts.SpokenLine("menu", kQuitText));
  switches_.Add(options_button_, texts.SpokenLine("menu", kOptionsText));
  switches_.Add(music_button_, texts.SpokenLine("menu", kMusicText));
}

void MenuMainForm::StartOneKeyTimer() {
  if (!state_.Profiles.OneKeyMode) return;
  one_key_timer_.SetInterval(state_.Profiles.OneKeyInterval * 1000);
  one_key_timer_.SetEnabled(true);
}

void MenuMainForm::DrawMenu(int x, int y) {
  Canvas& canvas = Graphics();
  canvas.Cls();
  if (!state_.gTitleShown) {
    title_picture_.Draw(*this);
    title_cloud_.DrawTransp(*this);
    canvas.FontSize = state_.gTextScale * 24;
    canvas.ForeColor = kTitleColor;
    canvas.CurrentX = 400 - title_width_ / 2;
    canvas.CurrentY = title_cloud_.Top() + 70 - title_height_ / 2;
    canvas.Print(state_.gGameName);
  } else {
    main_picture_.Draw(*this);
    for (size_t i = 0; i < game_buttons_.size(); ++i) {
      SpriteClass& button = game_buttons_[i];
      button.Draw(*this);
      button.DrawBorder(kBlack, 1, *this);
      if (button.IsUnder(x, y)) {
        button.DrawBorder(kHighlightBlue, 4, *this);
        DrawToolTip(*this, static_cast<int>(button.MiddleX()), button.Bottom(),
                    state_.Texts.GameName(static_cast<int>(i)));
      }
    }
    // The small buttons are round pictures on a see-through square.
    for (SpriteClass* button : {&stop_button_, &options_button_, &music_button_}) {
      button->DrawTransp(*this);
      if (button->IsUnder(x, y)) button->DrawBorder(kHighlightBlue, 4, *this);
    }
  }
  Refresh();
}

void MenuMainForm::ImageTimer_Timer() {
  if (title_cloud_.Bottom() < 1) {
    image_timer_.SetEnabled(false);
    state_.gTitleShown = true;
  } else {
    image_timer_.SetInterval(kTitleStepTime);
    title_cloud_.SpeedY = kCloudSpeed;
    title_cloud_.Update();
  }
  DrawMenu(0, 0);
}

void MenuMainForm::OneKeyTimer_Timer() { Form_KeyDown(keys::kSpace, 0); }

void MenuMainForm::Form_MouseMove(int, int, int x, int y) { DrawMenu(x, y); }

void MenuMainForm::Form_MouseDown(int, int, int x, int y) {
  if (!state_.gTitleShown) {
    // Any press skips the title: the next tick finds the cloud gone.
    title_cloud_.Y = -title_cloud_.Height - 1;
    return;
  }
  Application& app = App();
  if (stop_button_.IsUnder(x, y)) {
    PlayEffectSound(app, state_.Profiles, kClickSound);
    QuitProgram();
  } else if (options_button_.IsUnder(x, y)) {
    PlayEffectSound(app, state_.Profiles, kClickSound);
    OpenOptionsMenu();
  } else if (music_button_.IsUnder(x, y)) {
    PlayEffectSound(app, state_.Profiles, kClickSound);
    state_.Profiles.MenuMusic = !state_.Profiles.MenuMusic;
    UpdateMusic();
    DrawMenu(x, y);
  } else {
    for (size_t i = 0; i < game_buttons_.size(); ++i) {
      if (game_buttons_[i].IsUnder(x, y)) {
        OpenGame(static_cast<int>(i));
        return;
      }
    }
  }
}

void MenuMainForm::Form_KeyDown(int key_code, int) {
  if (!state_.gTitleShown) {
    if (key_code == keys::kEnter) Form_MouseDown(mouse_buttons::kLeft, 0, 0, 0);
    return;
  }
  if (key_code >= keys::kA && key_code <= keys::kA + 14) {
    OpenGame(key_code - keys::kA);
    return;
  }
  switch (key_code) {
    case keys::kEnter:
      state_.gMenuScanIndex = switches_.GetIndex();
      Form_MouseDown(mouse_buttons::kLeft, 0, switches_.GetXPos(), switches_.GetYPos());
      break;
    case keys::kSpace:
    case keys::kRight:
      switches_.NextSwitch();
      break;
    case keys::kLeft:
      switches_.PreviousSwitch();
      break;
    case keys::kEscape:
      QuitProgram();
      break;
    case keys::kF1:
      OpenOptionsMenu();
      break;
    default:
      break;
  }
}

void MenuMainForm::Form_CloseRequested() { QuitProgram(); }

void MenuMainForm::OpenGame(int index) {
  Platform& platform = App().Host();
  platform.SetCursor(CursorShape::Hourglass);
  Form* game = navigator_.GameScreen(index + 1);
  if (!game) {
    platform.SetCursor(CursorShape::Arrow);
    return;
  }
  App().Show(*game);
  // A game that could not start has already come back to the menu; closing
  // the menu then would end the program.
  if (game->IsLoaded()) {
    CloseMenu();
  } else {
    platform.SetCursor(CursorShape::Arrow);
  }
}

void MenuMainForm::OpenOptionsMenu() {
  one_key_timer_.SetEnabled(false);
  navigator_.OpenOptionsMenu();
  // The options menu saved the profile when it was left. Reloading from a
  // file that could not be written would throw away the answers and changes
  // made since the last save, so the profile is reloaded only from what was
  // just written.
  const bool music_before = state_.Profiles.MenuMusic;
  if (state_.Profiles.SaveProfileOptions()) state_.Profiles.LoadProfileOptions();
  // The music, the games shown and their scanning follow the profile now.
  if (state_.Profiles.MenuMusic != music_before) UpdateMusic();
  LayOutMenu();
  StartOneKeyTimer();
}

void MenuMainForm::CloseMenu() {
  music_.StopMedia();
  ReleaseMenu();
  Unload();
}

void MenuMainForm::QuitProgram() {
  one_key_timer_.SetEnabled(false);
  switches_.CleanUp();
  music_.CloseMedia();
  ReleaseMenu();
  navigator_.EndProgram();
  App().Host().SetCursor(CursorShape::Arrow);
  Unload();
}

}  // namespace tavlo
