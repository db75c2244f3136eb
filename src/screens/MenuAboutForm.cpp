#include "screens/MenuAboutForm.h"

namespace tavlo {
namespace {

constexpr Color kTextColor = RGB(0, 114, 188);
constexpr int kHeadingSize = 34;
// The heading must be narrower than this to fit the picture's card.
constexpr int kWidestHeading = 661;
constexpr int kHeadingMiddleY = 40;
constexpr int kVersionText = 10;

}  // namespace

MenuAboutForm::MenuAboutForm(Application& app, ProgramState& state)
    : StopButtonScreen(app, state, "gfx\\menu\\aboutstop.gif") {}

std::string MenuAboutForm::VersionLine() const {
  return state_.Texts.MenuText(kVersionText) + " " + TAVLO_VERSION;
}

void MenuAboutForm::Form_Load() {
  state_.Texts.Reload(&LanguageTexts::LoadMenuTexts);
  heading_ = state_.Texts.MenuText(0);
  LoadScreen("gfx\\menu\\" + state_.Texts.gLanguage + "\\creditsmenu.gif");
}

void MenuAboutForm::DrawAbout() {
  DrawBackground();
  Canvas& canvas = Graphics();
  canvas.ForeColor = kTextColor;
  canvas.FontSize = kHeadingSize;
  while (canvas.TextWidth(heading_) >= kWidestHeading && canvas.FontSize > 1) {
    canvas.FontSize -= 1;
  }
  canvas.CurrentX = 400 - canvas.TextWidth(heading_) / 2;
  canvas.CurrentY = kHeadingMiddleY - canvas.TextHeight(heading_) / 2;
  canvas.Print(heading_);
  stop_button_.DrawTransp(*this);

  const std::string version = VersionLine();
  canvas.FontSize = 10;
  canvas.CurrentX = 794 - canvas.TextWidth(version);
  canvas.CurrentY = 597 - canvas.TextHeight(version);
  canvas.Print(version);
}

}  // namespace tavlo
