#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/Form.h"
#include "engine/KeySwitchClass.h"
#include "engine/ScanTimer.h"
#include "engine/SpriteClass.h"
#include "engine/Timer.h"
#include "state/GameNumbers.h"
#include "state/ProgramState.h"

namespace tavlo {

// The statistics screen: for the current profile, the games with answers,
// three to a page, each with its icon, the numbers of all, right and wrong
// answers, and a bar whose green part is the share of right answers. The
// page can be printed (on paper, or as a PDF in the data folder when no
// printer answers), and every count can be cleared.
class MenuStatsForm : public Form {
 public:
  MenuStatsForm(Application& app, ProgramState& state);

  void Form_Load() override;
  void Form_Unload() override;
  void Form_KeyDown(int key_code, int shift) override;
  void Form_MouseDown(int button, int shift, int x, int y) override;
  void Form_MouseMove(int button, int shift, int x, int y) override;

  // The whole screen with the buttons under (x, y) highlighted.
  void DrawScreen(int x, int y);
  // The page itself: title, date, the page's games and its number. For the
  // printer, bars are black on white instead of green on red.
  void ShowStatsPage(bool for_printer);
  void CloseScreen();

  std::int16_t Page() const { return page_; }
  std::int16_t LastPage() const { return last_page_; }
  // What the last print did, as the screen shows it.
  const std::string& PrintNotice() const { return print_notice_; }

  const SpriteClass& StopButton() const { return stop_button_; }
  const SpriteClass& PrintButton() const { return print_button_; }
  const SpriteClass& ResetButton() const { return reset_button_; }
  const SpriteClass& PageUpButton() const { return page_up_button_; }
  const SpriteClass& PageDownButton() const { return page_down_button_; }
  ScanTimer& OneKeyTimer() { return one_key_timer_; }

 private:
  void PrintPage(bool for_printer);
  void ResetCounts();
  void DrawNotice();
  // The blue frame and the label of a button under (x, y).
  void DrawHighlight(SpriteClass& button, int x, int y, int tip);

  ProgramState& state_;
  KeySwitchClass switches_;
  ScanTimer one_key_timer_;
  SpriteClass stop_button_;
  SpriteClass print_button_;
  SpriteClass reset_button_;
  SpriteClass page_up_button_;
  SpriteClass page_down_button_;
  std::array<SpriteClass, kGameCount> game_icons_;
  std::int16_t page_ = 0;
  std::int16_t last_page_ = 0;
  std::string print_notice_;
  int pointer_x_ = -1;
  int pointer_y_ = -1;
};

}  // namespace tavlo
