#include <gtest/gtest.h>

#include "engine/Random.h"
#include "games/Game08Form.h"
#include "platform/InputEvent.h"
#include "support/GameTest.h"

namespace tavlo {
namespace {

struct Row {
  std::string Word;
  std::string Beginning;
  std::string Right;
  std::string Wrong;
};

class Game08FormTests : public testing::GameTest<Game08Form> {
 protected:
  // Game 8's rows; an empty text stays NULL in the table.
  Game08Form& Open(const std::vector<Row>& rows,
                   const std::function<void(ProfileStore&)>& configure = {}) {
    SetFeedbackSoundLengths();
    return OpenRows(
        rows,
        [this](const Row& row) {
          testing::TableRow cells = {
              {"Word", row.Word}, {"Image", row.Word + ".png"}, {"Sound", row.Word + ".wav"}};
          for (const auto& [column, text] :
               {std::pair{"SentenceA", row.Beginning}, {"SentenceB", row.Right},
                {"SentenceC", row.Wrong}}) {
            if (!text.empty()) cells[column] = text;
          }
          platform.Sound.SetLength(row.Word + ".wav", 500);
          return cells;
        },
        configure);
  }

  const SpriteClass& Ending(int row, int right) {
    const auto& frames = Game().ChoiceFrames();
    const SpriteClass& first = frames[static_cast<size_t>(2 * row)];
    return (first.Value3 == right) ? first : frames[static_cast<size_t>(2 * row + 1)];
  }

  std::vector<std::string> Beginnings() {
    std::vector<std::string> texts;
    for (const auto& frame : Game().TextFrames()) texts.push_back(frame.Text);
    return texts;
  }
};

// In word order.
const std::vector<Row> kRows = {
    {"bag", "I put my books", "in my bag.", "in my cup."},
    {"bed", "At night I go", "to bed.", "to the moon."},
    {"cake", "I eat", "a cake.", "a shoe."},
    {"door", "Please shut", "the door.", "the sun."},
    {"hat", "I wear", "a hat.", "a fish."},
};

TEST_F(Game08FormTests, FourRowsAreDealtAndTheRightEndingMayStandOnEitherSide) {
  FixedRandomSeed seed(7);
  Open(kRows);
  ASSERT_TRUE(Game().IsLoaded());
  EXPECT_EQ(Beginnings(), (std::vector<std::string>{"I put my books", "At night I go", "I eat",
                                                     "Please shut"}));
  int right_first = 0;
  for (int set = 0; set < 5; ++set) {
    for (int row = 0; row < 4; ++row) {
      const auto& frames = Game().ChoiceFrames();
      const SpriteClass& first = frames[static_cast<size_t>(2 * row)];
      const SpriteClass& second = frames[static_cast<size_t>(2 * row + 1)];
      EXPECT_EQ(first.Value3 + second.Value3, 1);
      const Row* source = nullptr;
      for (const Row& r : kRows) {
        if (r.Beginning == Game().TextFrames()[static_cast<size_t>(row)].Text) source = &r;
      }
      ASSERT_NE(source, nullptr);
      EXPECT_EQ(Ending(row, 1).Label, source->Right);
      right_first += first.Value3;
    }
    Click(Game().gNextButton);
  }
  EXPECT_GT(right_first, 0);
  EXPECT_LT(right_first, 20);
  // Five sets of four rows from a list of five: the sixth set starts on the
  // list's first row again, having wrapped four times.
  EXPECT_EQ(Beginnings()[0], "I put my books");
}

TEST_F(Game08FormTests, OnlyTheCurrentRowAnswersAndARightEndingCompletesItsSentence) {
  Open(kRows);
  Click(Ending(1, 1));  // a later row: nothing happens
  Click(Ending(0, 1), mouse_buttons::kRight);
  EXPECT_EQ(Counts().CorrectCount + Counts().WrongCount, 0);

  Click(Ending(0, 0));
  EXPECT_EQ(Counts().WrongCount, 1);
  EXPECT_EQ(Game().CurrentRow(), 0);

  platform.Sound.Waves.clear();
  Click(Ending(0, 1));
  EXPECT_EQ(Counts().CorrectCount, 1);
  EXPECT_EQ(platform.Sound.WaveNames(), (std::vector<std::string>{"correct0.wav", "bag.wav"}));
  EXPECT_NE(platform.Sound.Waves[1].File.string().find("game08"), std::string::npos);
  EXPECT_EQ(Game().TextFrames()[0].Label, "I put my books in my bag.");
  EXPECT_EQ(Game().ChoiceFrames()[0].Label, "");
  EXPECT_EQ(Game().ChoiceFrames()[1].Label, "");
  EXPECT_TRUE(Game().Pictures()[0].Selected);
  EXPECT_EQ(Game().CurrentRow(), 1);
  // The switches now step through the second row's endings.
  EXPECT_EQ(Game().Switches().Count(), 2u);
  ASSERT_TRUE(ScanAndSelect(Ending(1, 1)));
  EXPECT_EQ(Counts().CorrectCount, 2);
}

TEST_F(Game08FormTests, AFinishedSetEarnsTheRewardCountAndTheNextFourRows) {
  Open(kRows, [](ProfileStore& profile) { profile.SetRewardFrequency(GameIdOf(8), 5); });
  for (int row = 0; row < 4; ++row) Click(Ending(row, 1));
  EXPECT_EQ(Counts().CorrectCount, 4);
  EXPECT_TRUE(LastSoundWasAReward());
  EXPECT_EQ(Game().RewardCounter(), 1);
  EXPECT_EQ(Game().CurrentRow(), 0);
  EXPECT_EQ(Beginnings(),
            (std::vector<std::string>{"I wear", "I put my books", "At night I go", "I eat"}));
}

TEST_F(Game08FormTests, MissingTextsGiveAnEmptyWrongEndingAndABlankBeginning) {
  Open({{"ant", "", "is small.", ""},
        {"bee", "A bee", "buzzes.", ""},
        {"cow", "A cow", "moos.", "barks."},
        {"dog", "A dog", "barks.", "moos."}});
  Click(Ending(0, 0));
  EXPECT_EQ(Ending(0, 0).Label, "");
  EXPECT_EQ(Counts().WrongCount, 1);
  Click(Ending(0, 1));
  EXPECT_EQ(Game().TextFrames()[0].Label, " is small.");
}

TEST_F(Game08FormTests, APictureSpeaksItsWordAndListenItsSentence) {
  Open(kRows);
  Click(Game().Pictures()[2]);
  EXPECT_EQ(platform.Sound.Waves.back().File.filename(), "cake.wav");
  EXPECT_EQ(platform.Sound.Waves.back().File.parent_path().filename(), "eng");
  Press(keys::F(2));
  EXPECT_EQ(platform.Sound.Waves.back().File.parent_path().filename(), "game08");
  EXPECT_EQ(platform.Sound.Waves.back().File.filename(), "bag.wav");
  EXPECT_EQ(Counts().CorrectCount + Counts().WrongCount, 0);
}

TEST_F(Game08FormTests, TheRowsStandInAColumnWithTheirEndingsAndThePicturesBelow) {
  Open(kRows);
  const auto& frames = Game().TextFrames();
  const auto& endings = Game().ChoiceFrames();
  EXPECT_EQ(frames[0].X, 60);
  EXPECT_EQ(frames[0].Y, 100);
  EXPECT_EQ(frames[1].Y, frames[0].Bottom() + 20);
  EXPECT_EQ(endings[6].X, frames[3].Right() + 20);
  EXPECT_EQ(endings[7].X, endings[6].Right() + 20);
  EXPECT_EQ(endings[7].Y, frames[3].Y);
  const auto& pictures = Game().Pictures();
  EXPECT_EQ(pictures[1].X - pictures[0].X, pictures[0].Width + 50);
  EXPECT_EQ(pictures[0].Y, frames[3].Bottom() + 45);
}

}  // namespace
}  // namespace tavlo
