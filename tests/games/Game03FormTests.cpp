#include <gtest/gtest.h>

#include <optional>

#include "games/Game03Form.h"
#include "support/GameTest.h"

namespace tavlo {
namespace {

class Game03FormTests : public testing::GameTest<Game03Form> {
 protected:
  Game03FormTests() {
    SetFeedbackSoundLengths(200, 200, 200);
    for (const char* answer : {"Yes.wav", "No.wav"}) platform.Sound.SetLength(answer, 300);
    for (const Row& row : kSix) platform.Sound.SetLength(row.Word + "-question.wav", 800);
  }

  struct Row {
    std::string Word;
    std::string Question;
    // 0 yes, 1 no; none leaves the column empty.
    std::optional<int> Correct;
  };

  Game03Form& Open(const std::vector<Row>& rows) {
    std::vector<testing::TableRow> table;
    for (const Row& row : rows) {
      testing::TableRow& cells = table.emplace_back();
      cells = {{"Word", row.Word},
               {"Image", row.Word + ".png"},
               {"Sound", row.Word + "-question.wav"},
               {"Question", row.Question}};
      if (row.Correct) cells["Correct"] = std::to_string(*row.Correct);
    }
    return OpenGame(table);
  }

  const std::vector<Row> kSix = {{"ant", "Is this an ant?", 0}, {"bee", "Is this a cow?", 1},
                                 {"cat", "Can this fly?", 1},   {"dog", "Does this bark?", 0},
                                 {"eel", "Can this swim?", 0},  {"fox", "Is this big?", 1},
                                 {"hen", "Is this a hen?", 0}};
};

TEST_F(Game03FormTests, SixQuestionsAreDealtAndTheFirstIsAskedAtOnce) {
  Open(kSix);
  ASSERT_TRUE(Game().IsLoaded());
  for (size_t i = 0; i < Game03Form::kQuestions; ++i) {
    EXPECT_EQ(Game().Questions()[i].Label, kSix[i].Question);
    EXPECT_EQ(Game().Targets()[i].Text, kSix[i].Word);
  }
  EXPECT_EQ(Game().CurrentQuestion(), 0);
  EXPECT_EQ(platform.Sound.WaveNames().back(), "ant-question.wav");
  // The listen button asks it again.
  const size_t played = platform.Sound.Waves.size();
  Click(Game().gListenButton);
  EXPECT_EQ(platform.Sound.Waves.size(), played + 1);
}

TEST_F(Game03FormTests, ARightAnswerIsWrittenAndSpokenThenTheNextQuestionIsAsked) {
  Open(kSix);
  Click(Game().NoButton());
  EXPECT_EQ(Counts().WrongCount, 1);
  EXPECT_EQ(Game().Questions()[0].Label, "Is this an ant?");

  Click(Game().YesButton());
  EXPECT_EQ(Counts().CorrectCount, 1);
  EXPECT_EQ(Game().Questions()[0].Label, "Is this an ant? - Yes");
  EXPECT_TRUE(Game().Targets()[0].Selected);
  EXPECT_EQ(Game().CurrentQuestion(), 1);
  EXPECT_EQ(platform.Sound.LastWaveNames(3),
            (std::vector<std::string>{"correct0.wav", "Yes.wav", "bee-question.wav"}));
}

TEST_F(Game03FormTests, TheSixthAnswerEndsTheSetAndTheNextOneStartsFromTheSeventhRow) {
  Open(kSix);
  for (size_t i = 0; i < Game03Form::kQuestions; ++i) {
    ASSERT_TRUE(ScanAndSelect(*kSix[i].Correct == 0 ? Game().YesButton() : Game().NoButton()));
  }
  EXPECT_EQ(Counts().CorrectCount, 6);
  EXPECT_EQ(Counts().WrongCount, 0);
  EXPECT_EQ(Game().CurrentQuestion(), 0);
  EXPECT_EQ(Game().Targets()[0].Text, "hen");
  EXPECT_EQ(Game().Targets()[1].Text, "ant");
  EXPECT_EQ(Game().Questions()[1].Label, "Is this an ant?");
}

// The value of the Correct column, and the answers that the yes button and,
// after it, the no button then count on the first question.
struct CorrectColumnCase {
  std::optional<int> Correct;
  int Right;
  int Wrong;
};

class Game03CorrectColumnTests : public Game03FormTests,
                                 public ::testing::WithParamInterface<CorrectColumnCase> {};

TEST_P(Game03CorrectColumnTests, OnlyTheButtonOfTheExactValueIsRight) {
  std::vector<Row> rows = kSix;
  rows[0].Correct = GetParam().Correct;
  Open(rows);
  Click(Game().YesButton());
  if (Game().CurrentQuestion() == 0) Click(Game().NoButton());
  EXPECT_EQ(Counts().CorrectCount, GetParam().Right);
  EXPECT_EQ(Counts().WrongCount, GetParam().Wrong);
}

// An empty column reads as 0, yes; any value but 0 and 1 makes both buttons wrong.
INSTANTIATE_TEST_SUITE_P(Values, Game03CorrectColumnTests,
                         ::testing::Values(CorrectColumnCase{0, 1, 0}, CorrectColumnCase{1, 1, 1},
                                           CorrectColumnCase{std::nullopt, 1, 0},
                                           CorrectColumnCase{2, 0, 2},
                                           CorrectColumnCase{-1, 0, 2}));

TEST_F(Game03FormTests, ARightClickSaysTheAnswerAndAClickOnAPictureAsksItsQuestion) {
  Open(kSix);
  Click(Game().YesButton(), 2);
  EXPECT_EQ(platform.Sound.WaveNames().back(), "Yes.wav");
  Click(Game().Targets()[4]);
  EXPECT_EQ(platform.Sound.WaveNames().back(), "eel-question.wav");
  EXPECT_EQ(Counts().CorrectCount + Counts().WrongCount, 0);
  EXPECT_EQ(Game().CurrentQuestion(), 0);
}

}  // namespace
}  // namespace tavlo
