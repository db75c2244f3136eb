#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "engine/Application.h"
#include "engine/Form.h"
#include "engine/KeySwitchClass.h"
#include "engine/MilliTimer.h"
#include "engine/SpriteClass.h"
#include "support/FakePlatform.h"

namespace tavlo {
namespace {

using Point = std::pair<int, int>;

// A form that records the pointer moves it receives.
class PointerForm : public Form {
 public:
  using Form::Form;
  void Form_MouseMove(int, int, int x, int y) override { Moves.emplace_back(x, y); }
  std::vector<Point> Moves;
};

class KeySwitchClassTests : public ::testing::Test {
 protected:
  KeySwitchClassTests() : app(platform, fonts), form(app) {
    for (int i = 0; i < 3; ++i) {
      items[i].X = 100 * (i + 1);
      items[i].Y = 50;
      items[i].Width = 20;
      items[i].Height = 10;
    }
    switches.Init(form);
  }

  void AddAll() {
    for (auto& item : items) switches.Add(item);
  }

  testing::FakePlatform platform;
  ClockSource clock{platform};
  FontLibrary fonts;
  Application app;
  PointerForm form;
  SpriteClass items[3];
  KeySwitchClass switches;
};

TEST_F(KeySwitchClassTests, AnEmptyListStepsToOneAndMovesNothing) {
  switches.NextSwitch();
  EXPECT_EQ(switches.GetIndex(), 1);
  EXPECT_TRUE(platform.Warps.empty());
  EXPECT_EQ(switches.GetXPos(), -1);
  EXPECT_EQ(switches.GetYPos(), -1);
  EXPECT_FALSE(switches.IsSpriteVisible());
  switches.PreviousSwitch();
  EXPECT_EQ(switches.GetIndex(), 0);
  EXPECT_TRUE(platform.Warps.empty());
}

TEST_F(KeySwitchClassTests, StepsWrapAroundInBothDirections) {
  AddAll();
  std::vector<int> forward;
  for (int i = 0; i < 4; ++i) {
    switches.NextSwitch();
    forward.push_back(switches.GetIndex());
  }
  EXPECT_EQ(forward, (std::vector<int>{1, 2, 3, 1}));
  switches.PreviousSwitch();
  EXPECT_EQ(switches.GetIndex(), 3);
  switches.PreviousSwitch();
  EXPECT_EQ(switches.GetIndex(), 2);
}

TEST_F(KeySwitchClassTests, ThePointerGoesToTheCentreAndTheFormSeesItMove) {
  app.Show(form);
  AddAll();
  switches.NextSwitch();
  switches.NextSwitch();
  EXPECT_EQ(platform.Warps, (std::vector<Point>{{110, 55}, {210, 55}}));
  EXPECT_EQ(switches.GetXPos(), 210);
  EXPECT_EQ(switches.GetYPos(), 55);
  app.DoEvents();
  EXPECT_EQ(form.Moves, (std::vector<Point>{{110, 55}, {210, 55}}));
}

TEST_F(KeySwitchClassTests, TheCentreRoundsAfterHalvingTheSizeDownwards) {
  SpriteClass sprite;
  sprite.X = 100.4;
  sprite.Y = 10.5;
  sprite.Width = 41;
  sprite.Height = 3;
  switches.Add(sprite);
  switches.NextSwitch();
  EXPECT_EQ(switches.GetXPos(), 120);  // 100.4 + 20
  EXPECT_EQ(switches.GetYPos(), 12);   // 10.5 + 1 = 11.5, to even
}

TEST_F(KeySwitchClassTests, SetIndexTakesOnlyOneUpToCountMinusOne) {
  AddAll();
  switches.SetIndex(3);
  switches.SetIndex(0);
  switches.SetIndex(-1);
  EXPECT_EQ(switches.GetIndex(), 0);
  EXPECT_TRUE(platform.Warps.empty());
  switches.SetIndex(2);
  EXPECT_EQ(switches.GetIndex(), 2);
  EXPECT_EQ(platform.Warps, (std::vector<Point>{{210, 55}}));
}

TEST_F(KeySwitchClassTests, HiddenSpritesAreScannedToo) {
  AddAll();
  items[0].Visible = false;
  switches.NextSwitch();
  EXPECT_EQ(platform.Warps.size(), 1u);
  EXPECT_FALSE(switches.IsSpriteVisible());
  switches.NextSwitch();
  EXPECT_TRUE(switches.IsSpriteVisible());
}

TEST_F(KeySwitchClassTests, CleanUpStartsTheNextSetAtItemOneButAddingAloneDoesNot) {
  AddAll();
  switches.NextSwitch();
  switches.NextSwitch();
  switches.CleanUp();
  EXPECT_EQ(switches.Count(), 0u);
  EXPECT_EQ(switches.GetIndex(), 0);
  AddAll();
  switches.NextSwitch();
  EXPECT_EQ(switches.GetIndex(), 1);

  // A new set added without CleanUp keeps the old entries and index.
  AddAll();
  switches.NextSwitch();
  EXPECT_EQ(switches.GetIndex(), 2);
  EXPECT_EQ(switches.Count(), 6u);
}

TEST_F(KeySwitchClassTests, AResetIndexLeavesThePointerAndPositionAlone) {
  AddAll();
  switches.NextSwitch();
  switches.ResetIndex();
  switches.RemoveLast();
  EXPECT_EQ(switches.Count(), 2u);
  switches.SetIndex(0);
  EXPECT_EQ(switches.GetXPos(), 110);
  EXPECT_EQ(platform.Warps.size(), 1u);
  // The cleaned-up sprites themselves are untouched.
  switches.CleanUp();
  EXPECT_EQ(items[2].X, 300);
}

TEST_F(KeySwitchClassTests, InitForgetsThePositionButKeepsTheList) {
  AddAll();
  switches.NextSwitch();
  switches.Init(form);
  EXPECT_EQ(switches.GetXPos(), -1);
  EXPECT_EQ(switches.GetIndex(), 1);
  EXPECT_EQ(switches.Count(), 3u);
}

TEST_F(KeySwitchClassTests, ClosingItemsEndEveryRoundAndHiddenOnesArePassedOver) {
  SpriteClass closing[2];
  closing[0].X = 700;
  closing[1].X = 750;
  switches.SetClosingItems({{&closing[0], ""}, {&closing[1], ""}});
  switches.Add(items[0]);
  closing[0].Visible = false;
  EXPECT_EQ(switches.Count(), 2u);
  switches.NextSwitch();
  EXPECT_FALSE(switches.OnClosingItem());
  switches.NextSwitch();
  EXPECT_TRUE(switches.OnClosingItem());
  EXPECT_EQ(switches.GetXPos(), 750);
  switches.NextSwitch();
  EXPECT_EQ(switches.GetIndex(), 1);

  // A new set of choices keeps them at its end.
  switches.CleanUp();
  switches.Add(items[1]);
  switches.Add(items[2]);
  closing[0].Visible = true;
  std::vector<int> xs;
  for (int i = 0; i < 4; ++i) {
    switches.NextSwitch();
    xs.push_back(switches.GetXPos());
  }
  EXPECT_EQ(xs, (std::vector<int>{210, 310, 700, 750}));
}

}  // namespace
}  // namespace tavlo
