#include <gtest/gtest.h>

#include "games/Game10Form.h"
#include "platform/InputEvent.h"
#include "support/GameTest.h"

namespace tavlo {
namespace {

constexpr int kYes = 0;
constexpr int kNo = 1;

struct Row {
  std::string Image;
  std::string Question;
  int Correct;
};

class Game10FormTests : public testing::GameTest<Game10Form> {
 protected:
  // Game 10's rows; a question's recording is named after its text, and the
  // answers' names "yes" and "no" are spoken too.
  Game10Form& Open(const std::vector<Row>& rows) {
    SetFeedbackSoundLengths();
    for (const char* answer : {"yes.wav", "no.wav"}) platform.Sound.SetLength(answer, 400);
    return OpenRows(rows, [this](const Row& row) {
      platform.Sound.SetLength(row.Question + ".wav", 1500);
      testing::TableRow cells = {{"Word", row.Question}, {"Image", row.Image},
                                 {"Sound", row.Question + ".wav"}, {"SentenceA", row.Question}};
      if (row.Correct >= 0) cells["Correct"] = std::to_string(row.Correct);
      return cells;
    });
  }

  std::vector<std::string> QuestionsShown() {
    std::vector<std::string> texts;
    for (const auto& question : Game().Questions()) texts.push_back(question.Text);
    return texts;
  }

  const SpriteClass& Answer(int number) {
    return Game().AnswerButtons()[static_cast<size_t>(number)];
  }
};

// In word order (the questions are the words): A1, A2, B1, B2.
const std::vector<Row> kScenes = {
    {"street.jpg", "A1 Is there a bus", kYes}, {"room.jpg", "B1 Is there a bed", kYes},
    {"street.jpg", "A2 Is the car blue", kNo}, {"room.jpg", "B2 Is there a dog", kNo},
};

TEST_F(Game10FormTests, ASceneAsksItsQuestionsFromTheCurrentRowAndTheFirstIsSpokenAtOnce) {
  Open(kScenes);
  ASSERT_TRUE(Game().IsLoaded());
  EXPECT_EQ(QuestionsShown(), (std::vector<std::string>{"A1 Is there a bus", "A2 Is the car blue"}));
  EXPECT_EQ(platform.Sound.WaveNames().back(), "A1 Is there a bus.wav");
  Click(Game().gNextButton);
  EXPECT_EQ(QuestionsShown(), (std::vector<std::string>{"A2 Is the car blue", "A1 Is there a bus"}));
  EXPECT_EQ(platform.Sound.WaveNames().back(), "A2 Is the car blue.wav");
}

TEST_F(Game10FormTests, ARightAnswerIsSpokenBackThenTheNextQuestionIsAskedAWrongOneStays) {
  Open(kScenes);
  Click(Answer(kNo));
  EXPECT_EQ(Counts().WrongCount, 1);
  EXPECT_EQ(Game().CurrentQuestion(), 0);

  platform.Sound.Waves.clear();
  Click(Answer(kYes));
  EXPECT_EQ(Counts().CorrectCount, 1);
  EXPECT_EQ(Game().CurrentQuestion(), 1);
  EXPECT_EQ(platform.Sound.WaveNames(),
            (std::vector<std::string>{"correct0.wav", "yes.wav", "A2 Is the car blue.wav"}));
  // The answer is heard to its end, then half a second passes before the next question.
  const auto& waves = platform.Sound.Waves;
  EXPECT_EQ(waves[1].CutAt, -1);
  EXPECT_EQ(waves[2].StartedAt, waves[1].StartedAt + waves[1].Length + 500);
}

TEST_F(Game10FormTests, TheLastRightAnswerEarnsARewardSoundAndTheNextScene) {
  Open(kScenes);
  ASSERT_TRUE(ScanAndSelect(Answer(kYes)));
  ASSERT_TRUE(ScanAndSelect(Answer(kNo)));
  EXPECT_EQ(Counts().CorrectCount, 2);
  const auto names = platform.Sound.WaveNames();
  ASSERT_GE(names.size(), 3u);
  EXPECT_EQ(names[names.size() - 3], "no.wav");
  EXPECT_EQ(platform.Sound.Waves[platform.Sound.Waves.size() - 2].File.parent_path().filename(),
            "rewards");
  // The next scene starts one row on: the street again, from its second question.
  EXPECT_EQ(names.back(), "A2 Is the car blue.wav");
  EXPECT_EQ(Game().CurrentQuestion(), 0);
}

TEST_F(Game10FormTests, OtherMouseButtonsSpeakTheAnswerAndAMissingRightAnswerMeansTheFirst) {
  Open({{"a.jpg", "Q1", -1}, {"b.jpg", "Q2", kNo}, {"c.jpg", "Q3", kNo}, {"d.jpg", "Q4", kNo}});
  Click(Answer(kNo), mouse_buttons::kRight);
  EXPECT_EQ(platform.Sound.WaveNames().back(), "no.wav");
  EXPECT_EQ(Counts().CorrectCount + Counts().WrongCount, 0);
  Click(Answer(kYes));
  EXPECT_EQ(Counts().CorrectCount, 1);
}

TEST_F(Game10FormTests, QuestionsStandInAColumnAboveTheAnswerButtons) {
  Open(kScenes);
  const auto& questions = Game().Questions();
  const SpriteClass& yes = Answer(kYes);
  const SpriteClass& no = Answer(kNo);
  EXPECT_EQ(questions[0].X, yes.Width + 275);
  EXPECT_EQ(questions[0].Y, 105);
  EXPECT_EQ(questions[1].Y, questions[0].Bottom() + 25);
  EXPECT_EQ(questions[1].Width, 460);
  EXPECT_EQ(yes.Y, questions[1].Bottom() + 20);
  EXPECT_EQ(yes.Right(), 390);
  EXPECT_EQ(no.X, yes.Right() + 20);
  EXPECT_EQ(no.Y, yes.Y);
}

}  // namespace
}  // namespace tavlo
