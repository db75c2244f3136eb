#include "screens/MenuOptionsForm.h"

#include "engine/Application.h"
#include "engine/Drawing.h"
#include "engine/Sound.h"
#include "platform/InputEvent.h"
#include "profiles/OptionDialogs.h"
#include "profiles/ProfileDialogs.h"
#include "screens/ScanKeys.h"
#include "state/ScreenNavigator.h"

namespace tavlo {
namespace {

constexpr Color kBackColor = RGB(230, 240, 250);
constexpr Color kTextColor = RGB(0, 114, 188);
constexpr const char* kClickSound = "sfx\\click.wav";
constexpr int kProfileGap = 15;
// Eleven buttons fill the row; with wider gaps the last would leave the screen.
constexpr int kButtonGap = 12;
constexpr int kFirstIconX = 30;
constexpr int kFirstIconY = 150;
constexpr int kIconGapX = 22;
constexpr int kIconGapY = 50;
constexpr int kIconsPerRow = 5;
constexpr int kMarkGap = 4;
constexpr int kHintY = 126;
// The menu texts that say what the buttons do, in the buttons' order; the
// access button, which came later, has its text further on.
constexpr int kFirstButtonTip = 11;
constexpr int kHintText = 25;
constexpr int kAccessTip = 26;
// The menu text that names a game's star when scanning speaks.
constexpr int kStarText = 27;

constexpr std::array<const char*, kOptionsButtonCount> kButtonPictures = {
    "gfx\\menu\\stop.gif",        "gfx\\menu\\profile.gif",    "gfx\\menu\\stats.gif",
    "gfx\\menu\\music.gif",       "gfx\\menu\\sound.gif",      "gfx\\menu\\twoContacts.gif",
    "gfx\\menu\\oneContact.gif",  "gfx\\menu\\scanTime.gif",   "gfx\\menu\\help.gif",
    "gfx\\menu\\about.gif",       "gfx\\menu\\access.gif"};

// The order in which a click is tested: the sound button before the music
// button, as the screen always did.
constexpr std::array<OptionsButton, kOptionsButtonCount> kClickOrder = {
    OptionsButton::Stop,      OptionsButton::Profile,     OptionsButton::Statistics,
    OptionsButton::Sound,     OptionsButton::Music,       OptionsButton::TwoSwitches,
    OptionsButton::OneSwitch, OptionsButton::ScanTime,    OptionsButton::Help,
    OptionsButton::About,     OptionsButton::Access};

int ButtonTip(std::size_t button) {
  return button == static_cast<std::size_t>(OptionsButton::Access)
             ? kAccessTip
             : kFirstButtonTip + static_cast<int>(button);
}

constexpr int kLongestScanStep = 6;

}  // namespace

MenuOptionsForm::MenuOptionsForm(Application& app, ProgramState& state,
                                 ScreenNavigator& navigator)
    : Form(app),
      state_(state),
      navigator_(navigator),
      one_key_timer_(*this, switches_, [this] { HandleScanKey(*this, switches_, keys::kSpace); }) {
  Caption = "Tavlo";
}

void MenuOptionsForm::Form_Load() {
  state_.Texts.Reload(&LanguageTexts::LoadGameNames);
  Canvas& canvas = Graphics();
  canvas.FontName = "Arial";
  canvas.BackColor = kBackColor;
  LoadPictures();
  LayOut();
  BuildScanList();
  UpdateOneKeyTimer();
  pointer_x_ = -1;
  pointer_y_ = -1;
  DrawScreen(pointer_x_, pointer_y_);
}

void MenuOptionsForm::Form_Unload() {
  one_key_timer_.SetEnabled(false);
  switches_.CleanUp();
  ReleasePictures();
}

void MenuOptionsForm::Form_GotFocus() { DrawScreen(pointer_x_, pointer_y_); }

void MenuOptionsForm::LoadPictures() {
  for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i].LoadDCImage(*this, kButtonPictures[i]);
  on_mark_.LoadDCImage(*this, "gfx\\menu\\on.gif");
  off_mark_.LoadDCImage(*this, "gfx\\menu\\off.gif");
  for (int i = 0; i < kGameCount; ++i) {
    const std::string number = GameIdOf(i + 1).substr(4);
    game_icons_[static_cast<size_t>(i)].LoadDCImage(
        *this, "gfx\\menu\\" + state_.Texts.gLanguage + "\\" + number + ".gif");
    SpriteClass& mark = favourite_marks_[static_cast<size_t>(i)];
    mark.LoadDCImage(*this, "gfx\\menu\\favoriteOn.gif");
    mark.LoadDCImage(*this, "gfx\\menu\\favoriteOff.gif");
  }
}

void MenuOptionsForm::ReleasePictures() {
  for (auto& button : buttons_) button.CleanUp();
  on_mark_.CleanUp();
  off_mark_.CleanUp();
  for (auto& icon : game_icons_) icon.CleanUp();
  for (auto& mark : favourite_marks_) mark.CleanUp();
}

void MenuOptionsForm::LayOut() {
  SpriteClass& stop = buttons_[0];
  stop.X = 4;
  stop.Y = 4;
  // The row hangs from the stop button's middle, one button after the other.
  double x = stop.Right() + kProfileGap;
  for (size_t i = 1; i < buttons_.size(); ++i) {
    buttons_[i].X = x;
    buttons_[i].Y = static_cast<int>(stop.MiddleY());
    x = buttons_[i].Right() + kButtonGap;
  }
  double icon_x = kFirstIconX;
  double icon_y = kFirstIconY;
  for (int i = 0; i < kGameCount; ++i) {
    SpriteClass& icon = game_icons_[static_cast<size_t>(i)];
    icon.X = icon_x;
    icon.Y = icon_y;
    SpriteClass& mark = favourite_marks_[static_cast<size_t>(i)];
    mark.X = static_cast<int>(icon.MiddleX()) - mark.Width / 2;
    mark.Y = icon.Bottom() + kMarkGap;
    icon_x = icon.Right() + kIconGapX;
    if ((i + 1) % kIconsPerRow == 0) {
      icon_x = kFirstIconX;
      icon_y = icon.Bottom() + kIconGapY;
    }
  }
}

void MenuOptionsForm::BuildScanList() {
  switches_.CleanUp();
  switches_.Init(*this);
  const LanguageTexts& texts = state_.Texts;
  for (size_t i = 0; i < buttons_.size(); ++i) {
    switches_.Add(buttons_[i], texts.SpokenLine("menu", ButtonTip(i)));
  }
  for (int i = 0; i < kGameCount; ++i) {
    switches_.Add(game_icons_[static_cast<size_t>(i)], texts.SpokenLine("games", i));
    switches_.Add(favourite_marks_[static_cast<size_t>(i)], texts.SpokenLine("menu", kStarText));
  }
}

void MenuOptionsForm::UpdateOneKeyTimer() {
  if (state_.Profiles.OneKeyMode) {
    one_key_timer_.SetInterval(state_.Profiles.OneKeyInterval * 1000);
    one_key_timer_.SetEnabled(true);
  } else {
    one_key_timer_.SetEnabled(false);
  }
}

void MenuOptionsForm::DrawMark(bool on, const SpriteClass& below) {
  SpriteClass& mark = on ? on_mark_ : off_mark_;
  mark.X = static_cast<int>(below.MiddleX()) - mark.Width / 2;
  mark.Y = below.Bottom();
  mark.DrawTransp(*this);
}

void MenuOptionsForm::DrawScanTime() {
  const SpriteClass& button = Button(OptionsButton::ScanTime);
  Canvas& canvas = Graphics();
  canvas.FontSize = 14;
  canvas.FontBold = true;
  canvas.ForeColor = kTextColor;
  const std::string text = std::to_string(state_.Profiles.OneKeyInterval) + " s";
  canvas.CurrentX = static_cast<int>(button.MiddleX()) - canvas.TextWidth(text) / 2;
  canvas.CurrentY = button.Bottom() + 1;
  canvas.Print(text);
  canvas.FontBold = false;
}

void MenuOptionsForm::DrawHint() {
  Canvas& canvas = Graphics();
  canvas.FontSize = 11;
  canvas.ForeColor = kTextColor;
  const std::string hint = state_.Texts.MenuText(kHintText);
  canvas.CurrentX = Form::kWidth / 2 - canvas.TextWidth(hint) / 2;
  canvas.CurrentY = kHintY;
  canvas.Print(hint);
}

void MenuOptionsForm::DrawScreen(int x, int y) {
  const ProfileStore& profile = state_.Profiles;
  Graphics().Cls();
  for (auto& button : buttons_) button.DrawTransp(*this);
  DrawMark(profile.SoundEffects, Button(OptionsButton::Sound));
  DrawMark(profile.RewardSounds, Button(OptionsButton::Music));
  DrawMark(!profile.OneKeyMode, Button(OptionsButton::TwoSwitches));
  DrawMark(profile.OneKeyMode, Button(OptionsButton::OneSwitch));
  DrawScanTime();
  DrawHint();
  for (size_t i = 0; i < game_icons_.size(); ++i) {
    game_icons_[i].Draw(*this);
    game_icons_[i].DrawBorder(kBlack, 1, *this);
    favourite_marks_[i].Frame = profile.Games[i].ShowInMenu ? 0 : 1;
    favourite_marks_[i].DrawTransp(*this);
  }
  // The highlight and the label of what the pointer is on come last, over
  // everything else.
  for (size_t i = 0; i < buttons_.size(); ++i) {
    if (!buttons_[i].IsUnder(x, y)) continue;
    buttons_[i].DrawBorder(kHighlightBlue, 4, *this);
    DrawToolTip(*this, static_cast<int>(buttons_[i].MiddleX()), buttons_[i].Bottom() + 4,
                state_.Texts.MenuText(ButtonTip(i)));
  }
  for (size_t i = 0; i < game_icons_.size(); ++i) {
    if (favourite_marks_[i].IsUnder(x, y)) favourite_marks_[i].DrawBorder(kHighlightBlue, 4, *this);
    if (game_icons_[i].IsUnder(x, y)) {
      game_icons_[i].DrawBorder(kHighlightBlue, 4, *this);
      DrawToolTip(*this, static_cast<int>(game_icons_[i].MiddleX()), game_icons_[i].Top() + 4,
                  state_.Texts.GameName(static_cast<int>(i)));
    }
  }
  Refresh();
}

void MenuOptionsForm::Form_MouseMove(int, int, int x, int y) {
  pointer_x_ = x;
  pointer_y_ = y;
  DrawScreen(x, y);
}

void MenuOptionsForm::Form_MouseDown(int, int, int x, int y) {
  Application& app = App();
  for (const OptionsButton button : kClickOrder) {
    if (!Button(button).IsUnder(x, y)) continue;
    PlayEffectSound(app, state_.Profiles, kClickSound,
                    button == OptionsButton::Stop ? PlayMode::Asynchronous : PlayMode::Synchronous);
    ClickButton(button);
    return;
  }
  for (size_t i = 0; i < favourite_marks_.size(); ++i) {
    if (!favourite_marks_[i].IsUnder(x, y)) continue;
    PlayEffectSound(app, state_.Profiles, kClickSound);
    state_.Profiles.Games[i].ShowInMenu = !state_.Profiles.Games[i].ShowInMenu;
    DrawScreen(x, y);
    return;
  }
  for (size_t i = 0; i < game_icons_.size(); ++i) {
    if (!game_icons_[i].IsUnder(x, y)) continue;
    PlayEffectSound(app, state_.Profiles, kClickSound);
    OpenGameOptions(static_cast<int>(i));
    DrawScreen(x, y);
    return;
  }
}

void MenuOptionsForm::ClickButton(OptionsButton button) {
  ProfileStore& profile = state_.Profiles;
  switch (button) {
    case OptionsButton::Stop:
      LeaveScreen();
      return;
    case OptionsButton::Profile:
      one_key_timer_.SetEnabled(false);
      profile.SaveProfileOptions();
      ShowProfileDialog(App(), state_);
      profile.LoadProfileOptions();
      UpdateOneKeyTimer();
      break;
    case OptionsButton::Statistics:
      one_key_timer_.SetEnabled(false);
      navigator_.OpenStatistics();
      UpdateOneKeyTimer();
      break;
    case OptionsButton::Music:
      profile.RewardSounds = !profile.RewardSounds;
      break;
    case OptionsButton::Sound:
      profile.SoundEffects = !profile.SoundEffects;
      break;
    case OptionsButton::TwoSwitches:
    case OptionsButton::OneSwitch:
      profile.OneKeyMode = !profile.OneKeyMode;
      UpdateOneKeyTimer();
      break;
    case OptionsButton::ScanTime:
      profile.OneKeyMode = true;
      profile.OneKeyInterval =
          static_cast<std::int16_t>(profile.OneKeyInterval >= kLongestScanStep
                                        ? 1
                                        : profile.OneKeyInterval + 1);
      UpdateOneKeyTimer();
      break;
    case OptionsButton::Help:
      one_key_timer_.SetEnabled(false);
      navigator_.OpenHelp();
      UpdateOneKeyTimer();
      break;
    case OptionsButton::About:
      one_key_timer_.SetEnabled(false);
      navigator_.OpenAbout();
      UpdateOneKeyTimer();
      break;
    case OptionsButton::Access:
      one_key_timer_.SetEnabled(false);
      // Saved at once: the settings live in a file of their own.
      if (ShowAccessOptions(App(), state_) == 1) profile.SaveAccessSettings();
      UpdateOneKeyTimer();
      break;
  }
  DrawScreen(pointer_x_, pointer_y_);
}

void MenuOptionsForm::OpenGameOptions(int index) {
  one_key_timer_.SetEnabled(false);
  state_.gGameId = GameIdOf(index + 1);
  state_.gGameName = state_.Texts.GameName(index);
  if (index + 1 == kGameCount) {
    ShowOptions15(App(), state_);
  } else {
    ShowGeneralOptions(App(), state_, state_.gGameId);
  }
  UpdateOneKeyTimer();
}

void MenuOptionsForm::Form_KeyDown(int key_code, int) {
  // A step of the user's own starts the one-switch time afresh.
  if (one_key_timer_.Enabled()) one_key_timer_.SetEnabled(true);
  if (key_code == keys::kEscape) {
    LeaveScreen();
  } else {
    HandleScanKey(*this, switches_, key_code);
  }
}

void MenuOptionsForm::LeaveScreen() {
  if (!IsLoaded()) return;
  state_.Profiles.SaveProfileOptions();
  Unload();
}

}  // namespace tavlo
