#include "screens/StopButtonScreen.h"

#include "engine/Application.h"
#include "engine/Sound.h"

namespace tavlo {

StopButtonScreen::StopButtonScreen(Application& app, ProgramState& state,
                                   std::string stop_picture)
    : Form(app), state_(state), stop_picture_(std::move(stop_picture)) {
  Caption = "Tavlo";
}

void StopButtonScreen::LoadScreen(const std::string& background_picture) {
  background_.LoadDCImage(*this, background_picture);
  stop_button_.LoadDCImage(*this, stop_picture_);
  stop_button_.X = 4;
  stop_button_.Y = 4;
  Graphics().FontName = "Arial";
  DrawScreen();
  Refresh();
}

void StopButtonScreen::DrawBackground() {
  Graphics().Cls();
  background_.Draw(*this);
}

void StopButtonScreen::Form_Unload() {
  stop_button_.CleanUp();
  background_.CleanUp();
}

void StopButtonScreen::CloseScreen() { Unload(); }

void StopButtonScreen::Form_MouseMove(int, int, int x, int y) {
  DrawScreen();
  if (stop_button_.IsUnder(x, y)) stop_button_.DrawBorder(kHighlightBlue, 4, *this);
  Refresh();
}

void StopButtonScreen::Form_MouseDown(int, int, int x, int y) {
  if (!stop_button_.IsUnder(x, y)) return;
  PlayEffectSound(App(), state_.Profiles, "sfx\\click.wav", PlayMode::Asynchronous);
  CloseScreen();
}

void StopButtonScreen::Form_KeyDown(int, int) { CloseScreen(); }

}  // namespace tavlo
