#include "screens/MenuStatsForm.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "engine/Application.h"
#include "engine/Drawing.h"
#include "engine/Rounding.h"
#include "engine/Sound.h"
#include "platform/AtomicFile.h"
#include "platform/InputEvent.h"
#include "platform/LocalDate.h"
#include "platform/PagePdf.h"
#include "platform/TextWrap.h"
#include "screens/ScanKeys.h"

namespace tavlo {
namespace {

constexpr Color kBackColor = RGB(240, 240, 240);
constexpr Color kTitleColor = RGB(18, 103, 199);
constexpr Color kRed = RGB(255, 0, 0);
constexpr Color kGreen = RGB(0, 255, 0);
constexpr const char* kClickSound = "sfx\\click.wav";
constexpr int kGamesPerPage = 3;
constexpr int kLargestTitleSize = 41;
// The title must start right of this, so that it clears the buttons.
constexpr int kTitleLeftmost = 160;
constexpr int kTitleY = 45;
constexpr int kIconX = 180;
constexpr int kBarLeft = 320;
constexpr int kBarLength = 300;
constexpr int kBarHeight = 20;
// Menu texts of the columns and of the buttons' labels.
constexpr int kAllText = 6;
constexpr int kRightText = 7;
constexpr int kWrongText = 8;
constexpr int kBackTip = 11;
constexpr int kPrintTip = 21;
constexpr int kResetTip = 22;
constexpr int kPageUpTip = 23;
constexpr int kPageDownTip = 24;
// Information texts of printing and clearing.
constexpr int kPrintedText = 14;
constexpr int kSavedText = 15;
constexpr int kNotSavedText = 16;
constexpr int kClearQuestion = 17;
constexpr int kNoticeLeft = 80;
constexpr int kNoticeRight = 720;

// Prints text centred on x with its top at y.
void PrintCentred(Canvas& canvas, const std::string& text, int x, int y) {
  canvas.CurrentX = x - canvas.TextWidth(text) / 2;
  canvas.CurrentY = y;
  canvas.Print(text);
}

}  // namespace

MenuStatsForm::MenuStatsForm(Application& app, ProgramState& state)
    : Form(app),
      state_(state),
      one_key_timer_(*this, switches_, [this] { Form_KeyDown(keys::kSpace, 0); }) {
  Caption = "Tavlo";
}

void MenuStatsForm::Form_Load() {
  Canvas& canvas = Graphics();
  canvas.FontName = "Arial";
  canvas.BackColor = kBackColor;
  App().Host().SetWindowIcon(Surface::Load(App().ResourcePath("gfx\\icons\\play.ico")));
  page_ = 0;
  print_notice_.clear();
  stop_button_.LoadDCImage(*this, "gfx\\menu\\statsStop.gif");
  stop_button_.X = 5;
  stop_button_.Y = 5;
  print_button_.LoadDCImage(*this, "gfx\\menu\\statsPrint.gif");
  print_button_.X = 5;
  print_button_.Y = 526;
  print_button_.Width = 70;
  print_button_.Height = 70;
  reset_button_.LoadDCImage(*this, "gfx\\menu\\statsReset.gif");
  reset_button_.X = 5;
  reset_button_.Y = 455;
  reset_button_.Width = 70;
  reset_button_.Height = 70;
  page_up_button_.LoadDCImage(*this, "gfx\\menu\\statsUp.gif");
  page_up_button_.X = 730;
  page_up_button_.Y = 465;
  page_down_button_.LoadDCImage(*this, "gfx\\menu\\statsDown.gif");
  page_down_button_.X = 730;
  page_down_button_.Y = 530;
  for (int i = 0; i < kGameCount; ++i) {
    game_icons_[static_cast<size_t>(i)].LoadDCImage(
        *this, "gfx\\menu\\" + state_.Texts.gLanguage + "\\" + GameIdOf(i + 1).substr(4) + ".gif");
  }
  switches_.CleanUp();
  switches_.Init(*this);
  // Each button is named by its label.
  const std::pair<SpriteClass*, int> named[] = {{&stop_button_, kBackTip},
                                                {&print_button_, kPrintTip},
                                                {&reset_button_, kResetTip},
                                                {&page_up_button_, kPageUpTip},
                                                {&page_down_button_, kPageDownTip}};
  for (const auto& [button, tip] : named) switches_.Add(*button, state_.Texts.SpokenLine("menu", tip));
  // A one-switch user could not leave the screen without its own stepping.
  if (state_.Profiles.OneKeyMode) {
    one_key_timer_.SetInterval(state_.Profiles.OneKeyInterval * 1000);
    one_key_timer_.SetEnabled(true);
  }
  pointer_x_ = -1;
  pointer_y_ = -1;
  DrawScreen(pointer_x_, pointer_y_);
}

void MenuStatsForm::Form_Unload() {
  one_key_timer_.SetEnabled(false);
  switches_.CleanUp();
  for (SpriteClass* button :
       {&stop_button_, &print_button_, &reset_button_, &page_up_button_, &page_down_button_}) {
    button->CleanUp();
  }
  for (auto& icon : game_icons_) icon.CleanUp();
}

void MenuStatsForm::CloseScreen() { Unload(); }

void MenuStatsForm::DrawHighlight(SpriteClass& button, int x, int y, int tip) {
  if (!button.IsUnder(x, y)) return;
  button.DrawBorder(kHighlightBlue, 4, *this);
  // The label stands beside the button, on the side towards the page.
  Canvas& canvas = Graphics();
  canvas.FontSize = 8;
  const std::string text = state_.Texts.MenuText(tip);
  const int half = canvas.TextWidth(text) / 2;
  const int label_x = button.MiddleX() < Form::kWidth / 2 ? static_cast<int>(button.Right()) + 10 + half
                                                          : button.Left() - 10 - half;
  DrawToolTip(*this, label_x, static_cast<int>(button.MiddleY()) - 6, text);
}

void MenuStatsForm::DrawScreen(int x, int y) {
  Graphics().Cls();
  ShowStatsPage(false);
  DrawNotice();
  for (SpriteClass* button :
       {&stop_button_, &print_button_, &reset_button_, &page_up_button_, &page_down_button_}) {
    button->DrawTransp(*this);
  }
  DrawHighlight(stop_button_, x, y, kBackTip);
  DrawHighlight(print_button_, x, y, kPrintTip);
  DrawHighlight(reset_button_, x, y, kResetTip);
  DrawHighlight(page_up_button_, x, y, kPageUpTip);
  DrawHighlight(page_down_button_, x, y, kPageDownTip);
  Refresh();
}

void MenuStatsForm::ShowStatsPage(bool for_printer) {
  const auto& games = state_.Profiles.Games;
  std::vector<int> answered;
  for (int i = 0; i < kGameCount; ++i) {
    const GameEntry& game = games[static_cast<size_t>(i)];
    if (game.CorrectCount != 0 || game.WrongCount != 0) answered.push_back(i);
  }
  const int count = static_cast<int>(answered.size());
  last_page_ = static_cast<std::int16_t>(count == 0 ? 0 : (count + kGamesPerPage - 1) / kGamesPerPage - 1);
  if (page_ > last_page_) page_ = last_page_;

  Canvas& canvas = Graphics();
  canvas.ForeColor = kTitleColor;
  canvas.FontUnderline = true;
  const std::string& name = state_.Profiles.gProfileName;
  // The name shrinks until it starts right of the buttons' column.
  double size = kLargestTitleSize;
  int title_x = 0;
  do {
    size -= 1;
    canvas.FontSize = size;
    title_x = 400 - canvas.TextWidth(name) / 2;
  } while (title_x <= kTitleLeftmost && size > 1);
  canvas.CurrentX = title_x;
  canvas.CurrentY = kTitleY;
  const int title_height = canvas.TextHeight(name);
  canvas.Print(name);

  canvas.FontUnderline = false;
  canvas.FontSize = 18;
  const int date_y = kTitleY + title_height;
  PrintCentred(canvas, TodayInShortForm(), 400, date_y);
  int row_top = date_y + canvas.TextHeight() + 25;
  canvas.ForeColor = kBlack;

  const int first = page_ * kGamesPerPage;
  for (int n = first; n < std::min(first + kGamesPerPage, count); ++n) {
    const int index = answered[static_cast<size_t>(n)];
    const GameEntry& game = games[static_cast<size_t>(index)];
    const std::int64_t right = game.CorrectCount;
    const std::int64_t all = right + game.WrongCount;
    SpriteClass& icon = game_icons_[static_cast<size_t>(index)];
    icon.DrawAt(*this, kIconX, row_top);
    const int line = canvas.TextHeight();
    const struct {
      int Text;
      std::int64_t Value;
      int X;
    } columns[] = {{kAllText, all, 370}, {kRightText, right, 475}, {kWrongText, game.WrongCount, 575}};
    for (const auto& column : columns) {
      PrintCentred(canvas, state_.Texts.MenuText(column.Text), column.X, row_top);
      PrintCentred(canvas, std::to_string(column.Value), column.X, row_top + line);
    }
    const int bar_top = row_top + icon.Height - 25;
    const int bar_bottom = bar_top + kBarHeight;
    const int filled = static_cast<int>(nint(static_cast<double>(right) / static_cast<double>(all) * kBarLength));
    canvas.DrawWidth = 1;
    canvas.FilledBox(kBarLeft, bar_top, kBarLeft + kBarLength, bar_bottom, for_printer ? kWhite : kRed);
    if (filled > 0) {
      canvas.FilledBox(kBarLeft, bar_top, kBarLeft + filled - 1, bar_bottom,
                       for_printer ? kBlack : kGreen);
    }
    canvas.Box(kBarLeft, bar_top, kBarLeft + kBarLength, bar_bottom, kBlack);
    row_top = bar_top + 60;
  }

  canvas.CurrentX = 615;
  canvas.CurrentY = 550;
  canvas.Print(std::to_string(page_ + 1));
}

void MenuStatsForm::DrawNotice() {
  if (print_notice_.empty()) return;
  Canvas& canvas = Graphics();
  canvas.FontSize = 10;
  canvas.ForeColor = kBlack;
  int y = 6;
  for (const std::string& line :
       WrapAtBlanks(print_notice_, kNoticeRight - kNoticeLeft, [&](std::string_view piece) {
         return static_cast<float>(canvas.TextWidth(std::string(piece)));
       })) {
    PrintCentred(canvas, line, Form::kWidth / 2, y);
    y += canvas.TextHeight();
  }
}

void MenuStatsForm::Form_MouseMove(int, int, int x, int y) {
  pointer_x_ = x;
  pointer_y_ = y;
  DrawScreen(x, y);
}

void MenuStatsForm::Form_MouseDown(int button, int, int x, int y) {
  Application& app = App();
  if (stop_button_.IsUnder(x, y)) {
    CloseScreen();
    return;
  }
  if (print_button_.IsUnder(x, y)) {
    PlayEffectSound(app, state_.Profiles, kClickSound);
    PrintPage(button == mouse_buttons::kRight);
  } else if (reset_button_.IsUnder(x, y)) {
    PlayEffectSound(app, state_.Profiles, kClickSound);
    ResetCounts();
  } else if (page_up_button_.IsUnder(x, y)) {
    PlayEffectSound(app, state_.Profiles, kClickSound);
    if (page_ > 0) --page_;
  } else if (page_down_button_.IsUnder(x, y)) {
    PlayEffectSound(app, state_.Profiles, kClickSound);
    if (page_ < last_page_) ++page_;
  } else {
    return;
  }
  DrawScreen(pointer_x_, pointer_y_);
}

void MenuStatsForm::ResetCounts() {
  // Every game's answers go at once, so the teacher is asked first.
  const std::string question =
      FillIn(state_.Texts.InformationText(kClearQuestion), state_.Profiles.gProfileName);
  if (App().Host().ShowMessageBox(question, state_.Texts.MenuText(0),
                                  MessageButtons::YesNoDefaultNo,
                                  MessageIcon::Exclamation) != MessageAnswer::Yes) {
    return;
  }
  for (auto& game : state_.Profiles.Games) {
    game.CorrectCount = 0;
    game.WrongCount = 0;
  }
  page_ = 0;
}

void MenuStatsForm::PrintPage(bool for_printer) {
  // The page alone, on white paper: no buttons, no highlight, no notice.
  Canvas& canvas = Graphics();
  canvas.BackColor = kWhite;
  canvas.Cls();
  ShowStatsPage(for_printer);
  const Surface page = Picture().Clone();
  canvas.BackColor = kBackColor;

  const std::string& name = state_.Profiles.gProfileName;
  const PrintResult printed =
      App().Host().Printer().PrintPage(page, state_.Texts.MenuText(0) + " - " + name);
  if (printed.Printed) {
    print_notice_ = FillIn(state_.Texts.InformationText(kPrintedText), printed.Destination);
    return;
  }
  // Nothing came out of a printer, so the page is kept where the teacher
  // can print it later.
  const std::filesystem::path folder = std::filesystem::path(state_.gDataPath) / "statistics";
  const std::filesystem::path file = folder / (name + " " + TodayForFileName() + ".pdf");
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (ReplaceFileAtomically(file, PagePdf(page))) {
    print_notice_ = FillIn(state_.Texts.InformationText(kSavedText), file.string());
  } else {
    print_notice_ = FillIn(state_.Texts.InformationText(kNotSavedText), folder.string());
  }
}

void MenuStatsForm::Form_KeyDown(int key_code, int) {
  if (one_key_timer_.Enabled()) one_key_timer_.SetEnabled(true);
  if (key_code == keys::kEscape) {
    CloseScreen();
  } else {
    HandleScanKey(*this, switches_, key_code);
  }
}

}  // namespace tavlo
