#include <gtest/gtest.h>

#include "games/Game05Form.h"
#include "support/GameTest.h"

namespace tavlo {
namespace {

// The rules Game 5 shares with Game 2 (dealing, picking, the end of a set)
// are tested with Game 2.
class Game05FormTests : public testing::GameTest<Game05Form> {
 protected:
  Game05FormTests() { SetFeedbackSoundLengths(200, 200, 200); }

  static testing::TableRow Row(const std::string& word, const std::string& question) {
    return {
        {"Word", word}, {"Image", word + ".png"}, {"Sound", word + ".wav"}, {"Question", question}};
  }

  const SpriteClass& ChoiceFor(const std::string& word) {
    return WithText(Game().Pictures().Choices(), word);
  }

  const std::vector<testing::TableRow> kFive = {
      Row("bee", "Who makes honey?"), Row("cow", "Who gives us milk?"),
      Row("dog", "Who says woof?"), Row("hen", "Who says cluck?"),
      Row("owl", "Who hoots at night?")};
};

TEST_F(Game05FormTests, FourQuestionsInListOrderAndTheirPicturesAsChoices) {
  OpenGame(kFive);
  ASSERT_TRUE(Game().IsLoaded());
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(Game().Frames()[i].Label, kFive[i].at("Word"));
    EXPECT_EQ(Game().Frames()[i].Text2, kFive[i].at("Question"));
    EXPECT_FALSE(Game().Pictures().Slots()[i].Selected);
  }
  for (const char* word : {"bee", "cow", "dog", "hen"}) EXPECT_EQ(ChoiceFor(word).Text, word);
  // The choices stand in one row under the last question.
  EXPECT_EQ(Game().Pictures().Choices()[0].Y, Game().Frames()[3].Bottom() + 50);
}

TEST_F(Game05FormTests, ARightPickUncoversThePictureAndSaysItsWordAWrongOneOnlyCounts) {
  platform.Sound.SetLength("bee.wav", 500);
  OpenGame(kFive);
  Click(ChoiceFor("dog"));
  EXPECT_EQ(Counts().WrongCount, 1);
  EXPECT_EQ(Game().Current(), 0);
  Click(ChoiceFor("bee"));
  EXPECT_EQ(Counts().CorrectCount, 1);
  EXPECT_TRUE(Game().Pictures().Slots()[0].Selected);
  EXPECT_EQ(Game().Current(), 1);
  EXPECT_EQ(platform.Sound.WaveNames().back(), "bee.wav");
}

}  // namespace
}  // namespace tavlo
