#include <gtest/gtest.h>

#include <optional>

#include "games/Game06Form.h"
#include "support/GameTest.h"

namespace tavlo {
namespace {

constexpr Color kRed = RGB(230, 30, 40);
constexpr Color kBlue = RGB(30, 90, 230);
constexpr Color kGreen = RGB(40, 170, 60);
constexpr Color kYellow = RGB(255, 215, 0);
constexpr Color kPink = RGB(255, 110, 180);

struct Row {
  std::string Word;
  // Empty for a row whose colour is NULL.
  std::optional<Color> Colour;
};

class Game06FormTests : public testing::GameTest<Game06Form> {
 protected:
  Game06FormTests() {
    platform.Sound.SetLength("correct0.wav", 300);
    platform.Sound.SetLength("wrong0.wav", 200);
  }

  // Each row's order is "Paint the <word>." and its recording "<word>.wav".
  std::vector<testing::TableRow> Table(const std::vector<Row>& rows) {
    std::vector<testing::TableRow> table;
    for (const Row& row : rows) {
      testing::TableRow& cells = table.emplace_back();
      cells["Word"] = row.Word;
      cells["Image"] = row.Word + ".png";
      cells["Sound"] = row.Word + ".wav";
      cells["Order"] = "Paint the " + row.Word + ".";
      if (row.Colour) cells["Color"] = std::to_string(*row.Colour);
      platform.Sound.SetLength(row.Word + ".wav", 500);
    }
    return table;
  }

  Game06Form& Open(const std::vector<Row>& rows,
                   const std::function<void(ProfileStore&)>& configure = {}) {
    return OpenGame(Table(rows), configure);
  }

  // Opens the game again from the main menu with a list of its own.
  Game06Form& OpenList(const std::string& name, const std::vector<Row>& rows) {
    if (Game().IsLoaded()) Game().ExitForm();
    WriteWordList("Game06", name, Table(rows));
    state.Profiles.SetWordList("Game06", name);
    menu.OpenGame(kNumber - 1);
    return Game();
  }

  std::vector<std::string> WordsDealt() {
    std::vector<std::string> words;
    for (const auto& picture : Game().Pictures()) words.push_back(picture.Text);
    return words;
  }

  // The first pot of the colour, or of another colour when wanted is false.
  const SpriteClass& Pot(Color colour, bool wanted = true) {
    for (const auto& pot : Game().Pots()) {
      if ((static_cast<Color>(pot.Value3) == colour) == wanted) return pot;
    }
    ADD_FAILURE() << "no such pot";
    return Game().Pots()[0];
  }

  const SpriteClass& RightPot() {
    return Pot(static_cast<Color>(Game().Pictures()[Game().CurrentPicture()].Value3));
  }
};

const std::vector<Row> kFive = {
    {"apple", kRed}, {"ball", kBlue}, {"car", kGreen}, {"duck", kYellow}, {"egg", kPink}};

TEST_F(Game06FormTests, ASetDealsFourRowsInTurnWithAPotOfEachColour) {
  Open(kFive);
  ASSERT_TRUE(Game().IsLoaded());
  EXPECT_EQ(WordsDealt(), (std::vector<std::string>{"apple", "ball", "car", "duck"}));
  std::vector<Color> pot_colours;
  for (const auto& pot : Game().Pots()) pot_colours.push_back(static_cast<Color>(pot.Value3));
  std::sort(pot_colours.begin(), pot_colours.end());
  std::vector<Color> picture_colours = {kRed, kBlue, kGreen, kYellow};
  std::sort(picture_colours.begin(), picture_colours.end());
  EXPECT_EQ(pot_colours, picture_colours);
  // The first order is spoken as the set appears.
  EXPECT_EQ(platform.Sound.WaveNames().back(), "apple.wav");
  // The next set goes on from the fifth row, around the end of the list.
  Click(Game().gNextButton);
  EXPECT_EQ(WordsDealt(), (std::vector<std::string>{"egg", "apple", "ball", "car"}));
}

TEST_F(Game06FormTests, PotsStandInOneRowBelowTheTwoByTwoFrames) {
  Open(kFive);
  const auto& pots = Game().Pots();
  for (size_t j = 0; j < pots.size(); ++j) {
    EXPECT_EQ(pots[j].X, 125 + 150 * static_cast<int>(j));
    EXPECT_EQ(pots[j].Width, 100);
    EXPECT_EQ(pots[j].Height, 75);
  }
  // The frames' bottom row ends at y = 380; the pots are centred between it and 600.
  EXPECT_EQ(pots[0].MiddleY(), 490);
  // Pictures stand centred in their frames, 12 px below the frames' tops.
  EXPECT_EQ(Game().Pictures()[1].MiddleX(), 425 + 170);
  EXPECT_EQ(Game().Pictures()[2].Y, 240 + 12);
}

TEST_F(Game06FormTests, TheRightPotPaintsTheCurrentPictureAndSpeaksTheNextOrder) {
  Open(kFive);
  Click(Pot(kRed, false));
  EXPECT_EQ(Counts().WrongCount, 1);
  EXPECT_EQ(Game().CurrentPicture(), 0);
  EXPECT_FALSE(Game().Pictures()[0].Selected);

  Click(Pot(kRed));
  EXPECT_EQ(Counts().CorrectCount, 1);
  EXPECT_EQ(Game().CurrentPicture(), 1);
  EXPECT_TRUE(Game().Pictures()[0].Selected);
  // After a second's pause the next order, the ball's, is spoken.
  EXPECT_EQ(platform.Sound.WaveNames().back(), "ball.wav");
  // A picture clicked speaks its own order; counting nothing.
  Click(Game().Pictures()[3]);
  EXPECT_EQ(platform.Sound.WaveNames().back(), "duck.wav");
  Press(keys::F(2));
  EXPECT_EQ(platform.Sound.WaveNames().back(), "ball.wav");
  EXPECT_EQ(Counts().CorrectCount + Counts().WrongCount, 2);
}

TEST_F(Game06FormTests, AFullSetEndsWithARewardSoundAndDealsTheNextFour) {
  const std::vector<std::string> rewards = {"bells.wav", "chime.wav", "fanfare.wav", "hooray.wav",
                                            "sparkle.wav"};
  for (const auto& reward : rewards) platform.Sound.SetLength(reward, 1000);
  Open(kFive);
  for (int i = 0; i < 4; ++i) Click(RightPot());
  EXPECT_EQ(Counts().CorrectCount, 4);
  EXPECT_EQ(Counts().WrongCount, 0);
  EXPECT_EQ(Game().CurrentPicture(), 0);
  EXPECT_EQ(WordsDealt(), (std::vector<std::string>{"egg", "apple", "ball", "car"}));
  for (const auto& picture : Game().Pictures()) EXPECT_FALSE(picture.Selected);
  // The last right answer's sound, a reward sound, then the new set's first order.
  const auto names = platform.Sound.WaveNames();
  ASSERT_GE(names.size(), 3u);
  EXPECT_EQ(names[names.size() - 3], "correct0.wav");
  EXPECT_NE(std::find(rewards.begin(), rewards.end(), names[names.size() - 2]), rewards.end());
  EXPECT_EQ(names.back(), "egg.wav");
}

TEST_F(Game06FormTests, ColoursOfASetAreKeptApartWhileTheListAllows) {
  struct Case {
    const char* Name;
    std::vector<Row> Rows;
    std::vector<std::string> Dealt;
  };
  const Case cases[] = {
      // A colour already dealt is passed over for the next row of another.
      {"repeat skipped",
       {{"ant", kRed}, {"bee", kRed}, {"cow", kBlue}, {"dog", kGreen}, {"eel", kYellow}},
       {"ant", "cow", "dog", "eel"}},
      // Too few colours: after three passes rows are taken as they come.
      {"too few colours",
       {{"ant", kRed}, {"bee", kRed}, {"cow", kRed}, {"dog", kBlue}},
       {"ant", "dog", "bee", "cow"}},
      // A NULL colour is black, a colour like any other.
      {"null is black",
       {{"ant", std::nullopt}, {"bee", kRed}, {"cow", RGB(0, 0, 0)}, {"dog", kBlue},
        {"eel", kGreen}},
       {"ant", "bee", "dog", "eel"}},
  };
  Open(kFive);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    OpenList(c.Name, c.Rows);
    EXPECT_EQ(WordsDealt(), c.Dealt);
  }
}

TEST_F(Game06FormTests, EitherPotOfAColourSharedByTwoPicturesIsRightForBoth) {
  Open({{"ant", kRed}, {"bee", kRed}, {"cow", kRed}, {"dog", kBlue}});
  ASSERT_EQ(WordsDealt(), (std::vector<std::string>{"ant", "dog", "bee", "cow"}));
  // Picture 0 (red) with the last red pot, the blue one, then the first red
  // pot for both remaining red pictures.
  const auto& pots = Game().Pots();
  const SpriteClass* last_red = nullptr;
  for (const auto& pot : pots) {
    if (static_cast<Color>(pot.Value3) == kRed) last_red = &pot;
  }
  Click(*last_red);
  Click(Pot(kBlue));
  Click(Pot(kRed));
  Click(Pot(kRed));
  EXPECT_EQ(Counts().CorrectCount, 4);
  EXPECT_EQ(Counts().WrongCount, 0);
}

TEST_F(Game06FormTests, OneSwitchStepsOverThePotsByItselfAndEnterPaints) {
  Open(kFive, [](ProfileStore& profile) {
    profile.OneKeyMode = true;
    profile.OneKeyInterval = 1;
  });
  const auto& pots = Game().Pots();
  const auto target = std::find_if(pots.begin(), pots.end(), [&](const SpriteClass& pot) {
    return static_cast<Color>(pot.Value3) == kRed;
  });
  // The scanning list holds the four pots in their order on the screen and
  // wraps from the last to the first.
  Wait(4000 + 100);
  EXPECT_EQ(platform.Warps.back(), testing::MiddleOf(pots[3]));
  Wait(1000);
  EXPECT_EQ(platform.Warps.back(), testing::MiddleOf(pots[0]));
  Wait(1000 * static_cast<int>(target - pots.begin()));
  EXPECT_EQ(platform.Warps.back(), testing::MiddleOf(*target));
  Press(keys::kEnter);
  EXPECT_EQ(Counts().CorrectCount, 1);
}

}  // namespace
}  // namespace tavlo
