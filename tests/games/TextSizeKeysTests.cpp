#include <gtest/gtest.h>

#include "games/TextSizeKeys.h"
#include "platform/InputEvent.h"
#include "state/ProgramState.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"

namespace tavlo {
namespace {

class TextSizeKeysTests : public ::testing::Test {
 protected:
  TextSizeKeysTests() : state(platform, folder.Path()) {
    state.gGameId = "Game03";
    state.gFontName = "Verdana";
  }

  // The size after pressing the key at the given size.
  int After(int key, int size) {
    state.gFontSize = static_cast<std::int16_t>(size);
    EXPECT_TRUE(ApplyTextSizeKey(state, key));
    return state.gFontSize;
  }

  testing::TempFolder folder;
  testing::FakePlatform platform;
  ProgramState state;
};

TEST_F(TextSizeKeysTests, F5ShrinksByOneButNotBelowSix) {
  EXPECT_EQ(After(keys::F(5), 12), 11);
  EXPECT_EQ(After(keys::F(5), 7), 6);
  EXPECT_EQ(After(keys::F(5), 6), 6);
}

TEST_F(TextSizeKeysTests, F6GrowsByOneButNotAbove32) {
  EXPECT_EQ(After(keys::F(6), 12), 13);
  EXPECT_EQ(After(keys::F(6), 31), 32);
  EXPECT_EQ(After(keys::F(6), 32), 32);
}

TEST_F(TextSizeKeysTests, F7And8GoBackToTheStandardSizeAndF8ToArial) {
  EXPECT_EQ(After(keys::F(7), 9), 17);
  EXPECT_EQ(state.gFontName, "Verdana");
  EXPECT_EQ(After(keys::F(8), 9), 17);
  EXPECT_EQ(state.gFontName, "Arial");
  EXPECT_EQ(state.Profiles.GetFontName("Game03"), "Arial");
}

TEST_F(TextSizeKeysTests, TheSizeIsStoredAsTheRunningGamesOption) {
  After(keys::F(6), 20);
  EXPECT_EQ(state.Profiles.GetFontSize("Game03"), 21);
  EXPECT_NE(state.Profiles.GetFontSize("Game04"), 21);
}

TEST_F(TextSizeKeysTests, OtherKeysChangeNothing) {
  state.gFontSize = 12;
  for (int key : {keys::F(4), keys::F(9), keys::kSpace, keys::kEnter}) {
    EXPECT_FALSE(ApplyTextSizeKey(state, key));
  }
  EXPECT_EQ(state.gFontSize, 12);
  EXPECT_EQ(state.gFontName, "Verdana");
}

}  // namespace
}  // namespace tavlo
