#include <gtest/gtest.h>

#include <optional>

#include "games/Game06Form.h"
#include "support/GameTest.h"

namespace tavlo {
namespace {

constexpr Color kRed = RGB(230, 30, 40);
constexpr Color kBlue = RGB(30, 90, 230);
constexpr Color kGreen = RGB(40, 170, 60);

// A word and its colour (none for NULL); its order is "Paint the <word>."
// and its recording "<word>.wav".
using Row = std::pair<std::string, std::optional<Color>>;

class Game06FormTests : public testing::GameTest<Game06Form> {
 protected:
  Game06Form& Open(const std::vector<Row>& rows,
                   const std::function<void(ProfileStore&)>& configure = {}) {
    return OpenGame(Table(rows), configure);
  }

  // Opens the game again from the main menu with a list of its own.
  void OpenList(const std::string& name, const std::vector<Row>& rows) {
    if (Game().IsLoaded()) Game().ExitForm();
    WriteWordList("Game06", name, Table(rows));
    state.Profiles.SetWordList("Game06", name);
    menu.OpenGame(kNumber - 1);
  }

  std::vector<std::string> WordsDealt() {
    std::vector<std::string> words;
    for (const auto& picture : Game().Pictures()) words.push_back(picture.Text);
    return words;
  }

  // The first pot of the colour, or the first of another colour.
  const SpriteClass& Pot(std::int32_t colour, bool same = true) {
    const auto& pots = Game().Pots();
    return *std::find_if(pots.begin(), pots.end(),
                         [&](const SpriteClass& pot) { return (pot.Value3 == colour) == same; });
  }
  const SpriteClass& RightPot() { return Pot(Game().Pictures()[Game().CurrentPicture()].Value3); }

 private:
  std::vector<testing::TableRow> Table(const std::vector<Row>& rows) {
    std::vector<testing::TableRow> table;
    for (const auto& [word, colour] : rows) {
      table.push_back({{"Word", word}, {"Image", word + ".png"}, {"Sound", word + ".wav"},
                       {"Order", "Paint the " + word + "."}});
      if (colour) table.back()["Color"] = std::to_string(*colour);
      platform.Sound.SetLength(word + ".wav", 500);
    }
    return table;
  }
};

const std::vector<Row> kFive = {
    {"apple", kRed}, {"ball", kBlue}, {"car", kGreen}, {"duck", RGB(1, 2, 3)}, {"egg", kGreen + 1}};

TEST_F(Game06FormTests, ASetDealsFourRowsWithTheirPotsUnderTheTwoByTwoFrames) {
  Open(kFive);
  ASSERT_TRUE(Game().IsLoaded());
  EXPECT_EQ(WordsDealt(), (std::vector<std::string>{"apple", "ball", "car", "duck"}));
  std::multiset<std::int32_t> pots, pictures;
  for (int i = 0; i < 4; ++i) {
    pots.insert(Game().Pots()[i].Value3);
    pictures.insert(Game().Pictures()[i].Value3);
    EXPECT_EQ(Game().Pots()[i].X, 125 + 150 * i);
    // The frames' lower row ends at y = 380: the pots are centred below it.
    EXPECT_EQ(Game().Pots()[i].MiddleY(), 490);
  }
  EXPECT_EQ(pots, pictures);
  EXPECT_EQ(Game().Pictures()[3].MiddleX(), 425 + 170);
  EXPECT_EQ(Game().Pictures()[3].Y, 240 + 12);
  EXPECT_EQ(platform.Sound.WaveNames().back(), "apple.wav");
  // The next set goes on from the fifth row, around the end of the list.
  Click(Game().gNextButton);
  EXPECT_EQ(WordsDealt(), (std::vector<std::string>{"egg", "apple", "ball", "car"}));
}

TEST_F(Game06FormTests, PicturesArePaintedInTurnAndAFullSetEarnsARewardSound) {
  const std::vector<std::string> rewards = {"bells.wav", "chime.wav", "fanfare.wav", "hooray.wav",
                                            "sparkle.wav"};
  for (const auto& reward : rewards) platform.Sound.SetLength(reward, 1000);
  platform.Sound.SetLength("correct0.wav", 300);
  Open(kFive);
  Click(Pot(kRed, false));
  EXPECT_EQ(Counts().WrongCount, 1);
  EXPECT_EQ(Game().CurrentPicture(), 0);
  Click(Pot(kRed));
  EXPECT_EQ(Counts().CorrectCount, 1);
  EXPECT_TRUE(Game().Pictures()[0].Selected);
  // After the pause the ball's order; a picture clicked speaks its own, the
  // listen key the current one's.
  EXPECT_EQ(platform.Sound.WaveNames().back(), "ball.wav");
  Click(Game().Pictures()[3]);
  EXPECT_EQ(platform.Sound.WaveNames().back(), "duck.wav");
  Press(keys::F(2));
  EXPECT_EQ(platform.Sound.WaveNames().back(), "ball.wav");

  for (int i = 1; i < 4; ++i) Click(RightPot());
  EXPECT_EQ(Counts().CorrectCount, 4);
  EXPECT_EQ(Counts().WrongCount, 1);
  // The last right answer's sound, a reward sound, the new set's first order.
  const auto names = platform.Sound.WaveNames();
  EXPECT_EQ(names[names.size() - 3], "correct0.wav");
  EXPECT_NE(std::find(rewards.begin(), rewards.end(), names[names.size() - 2]), rewards.end());
  EXPECT_EQ(names.back(), "egg.wav");
  EXPECT_EQ(Game().CurrentPicture(), 0);
  for (const auto& picture : Game().Pictures()) EXPECT_FALSE(picture.Selected);
}

TEST_F(Game06FormTests, ColoursOfASetAreKeptApartWhileTheListAllows) {
  struct Case {
    const char* Name;
    std::vector<Row> Rows;
    std::vector<std::string> Dealt;
  };
  const Case cases[] = {
      {"a colour dealt already is passed over",
       {{"ant", kRed}, {"bee", kRed}, {"cow", kBlue}, {"dog", kGreen}, {"eel", 7}},
       {"ant", "cow", "dog", "eel"}},
      {"NULL is black",
       {{"ant", std::nullopt}, {"bee", kRed}, {"cow", 0}, {"dog", kBlue}, {"eel", kGreen}},
       {"ant", "bee", "dog", "eel"}},
      {"after three passes rows come as they are",
       {{"ant", kRed}, {"bee", kRed}, {"cow", kRed}, {"dog", kBlue}},
       {"ant", "dog", "bee", "cow"}},
  };
  Open(kFive);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    OpenList(c.Name, c.Rows);
    EXPECT_EQ(WordsDealt(), c.Dealt);
  }
  // Three red pictures: either red pot paints each of them.
  const auto& pots = Game().Pots();
  const auto last_red = std::find_if(pots.rbegin(), pots.rend(),
                                     [](const SpriteClass& pot) { return pot.Value3 == kRed; });
  for (const SpriteClass* pot : {&*last_red, &Pot(kBlue), &Pot(kRed), &Pot(kRed)}) Click(*pot);
  EXPECT_EQ(Counts().CorrectCount, 4);
}

TEST_F(Game06FormTests, OneSwitchStepsRoundThePotsByItselfAndEnterPaints) {
  Open(kFive, [](ProfileStore& profile) {
    profile.OneKeyMode = true;
    profile.OneKeyInterval = 1;
  });
  const auto& pots = Game().Pots();
  Wait(4000 + 100);
  EXPECT_EQ(platform.Warps.back(), testing::MiddleOf(pots[3]));
  Wait(1000);
  EXPECT_EQ(platform.Warps.back(), testing::MiddleOf(pots[0]));
  Wait(1000 * static_cast<int>(&Pot(kRed) - &pots[0]));
  Press(keys::kEnter);
  EXPECT_EQ(Counts().CorrectCount, 1);
}

}  // namespace
}  // namespace tavlo
