#include "screens/MenuHelpForm.h"

#include <algorithm>

namespace tavlo {
namespace {

constexpr Color kTextColor = RGB(0, 114, 188);
constexpr int kLeftColumnX = 170;
// The right column starts this far right of the widest left line.
constexpr int kColumnGap = 50;
constexpr int kFirstLineY = 30;

}  // namespace

MenuHelpForm::MenuHelpForm(Application& app, ProgramState& state)
    : StopButtonScreen(app, state, "gfx\\menu\\helpstop.gif") {}

void MenuHelpForm::Form_Load() {
  state_.Texts.Reload(&LanguageTexts::LoadHelpTexts);
  LoadScreen("gfx\\menu\\helpmenu.gif");
}

void MenuHelpForm::DrawHelp() {
  DrawBackground();
  Canvas& canvas = Graphics();
  canvas.FontSize = state_.gTextScale * 16;
  canvas.ForeColor = kTextColor;
  // Line 2k names a key or switch, line 2k + 1 beside it says what it does.
  const std::vector<std::string>& lines = state_.Texts.HelpTexts();
  int left_width = 0;
  for (size_t i = 0; i < lines.size(); i += 2) {
    left_width = std::max(left_width, canvas.TextWidth(lines[i]));
  }
  const int line_height = canvas.TextHeight();
  for (size_t i = 0; i < lines.size(); ++i) {
    canvas.CurrentX = i % 2 == 0 ? kLeftColumnX : kLeftColumnX + left_width + kColumnGap;
    canvas.CurrentY = kFirstLineY + static_cast<int>(i / 2) * line_height;
    canvas.Print(lines[i]);
  }
  stop_button_.DrawTransp(*this);
}

}  // namespace tavlo
