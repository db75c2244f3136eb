#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "engine/Form.h"
#include "games/RewardShow.h"
#include "support/BareProgramTest.h"

namespace tavlo {
namespace {

namespace fs = std::filesystem;

const fs::path kRewardPictures = fs::path(TAVLO_SOURCE_RESOURCES) / "gfx/game02/rewards";
// A colour no reward picture holds, so that the praise's pixels can be told apart.
constexpr Color kTextColor = RGB(3, 250, 7);
constexpr int kSoundLength = 500;

class RewardShowTests : public testing::BareProgramTest {
 protected:
  RewardShowTests() : form(app), show(state) {
    state.gDataPath = (folder.Path() / "data").string() + "/";
    state.Texts.gLanguage = "eng";
    testing::WriteLines(folder / "lang/eng/rewards.txt", {"Well done!", "Super!", "Hooray!"});
    state.Texts.LoadRewardTexts();
    state.gGameId = "Game02";
    // The folder is named in lower case while the id is not, as in the program folder.
    fs::create_directories(folder / "gfx/game02");
    fs::copy(kRewardPictures, folder / "gfx/game02/rewards", fs::copy_options::recursive);
    for (int t = 0; t < 3; ++t) platform.Sound.SetLength(std::to_string(t) + ".wav", 2500);
    platform.Sound.SetLength("chime.wav", kSoundLength);
    testing::WriteFile(folder / "sfx/rewards/chime.wav", "RIFF");
    form.Graphics().ForeColor = kTextColor;
  }

  std::int64_t Now() { return MilliTimer64(); }

  // The game screen without its texts: a white page, and a note of when it was drawn.
  std::function<void()> UpdateScreen() {
    return [this] {
      form.Picture().Clear(kWhite);
      Redraws.push_back(Now());
      if (show.gRewardShowing) ++ShowRedraws;
    };
  }

  // A game folder with a single animal of the given number of frames on each
  // side, the frames taken in turn from the four of a real animal.
  void MakeAnimals(const std::string& game_folder, int frames) {
    for (const char* side : {"right", "left"}) {
      const fs::path target = folder / "gfx" / game_folder / "rewards/animals" / side;
      fs::create_directories(target);
      for (int frame = 0; frame < frames; ++frame) {
        fs::copy_file(
            kRewardPictures / "animals/right" / ("cat" + std::to_string(frame % 4) + ".gif"),
            target / ("owl" + std::to_string(frame) + ".gif"));
      }
    }
  }

  void EmptySide(const std::string& side) {
    fs::remove_all(folder / "gfx/game02/rewards/animals" / side);
    fs::create_directories(folder / "gfx/game02/rewards/animals" / side);
  }

  // The animal's lower half on the form shows the frame's image; the bubble
  // never reaches that far down.
  bool ShowsFrame(int frame) {
    const SpriteClass& animal = show.gRewardAnimal;
    const Surface image = animal.GetDC(frame);
    for (int y = animal.Height / 2; y < animal.Height; ++y) {
      for (int x = 0; x < animal.Width; ++x) {
        const Color pixel = image.GetPixel(x, y);
        if (pixel == animal.TransparentColor) continue;
        if (form.Picture().GetPixel(animal.Left() + x, animal.Top() + y) != pixel) return false;
      }
    }
    return true;
  }

  // The smallest box holding every pixel of the praise's colour; empty when none.
  struct Box {
    int Left = Form::kWidth, Top = Form::kHeight, Right = -1, Bottom = -1;
    bool Empty() const { return Right < 0; }
    bool operator==(const Box&) const = default;
  };
  static Box TextPixels(const Surface& picture) {
    Box box;
    for (int y = 0; y < picture.Height(); ++y) {
      for (int x = 0; x < picture.Width(); ++x) {
        if (picture.GetPixel(x, y) != kTextColor) continue;
        box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x),
               std::max(box.Bottom, y)};
      }
    }
    return box;
  }

  // The praise stands where the same text printed on a blank page would: centred
  // on the bubble's middle, its middle 32 pixels below the bubble's top.
  void ExpectPraiseInBubble() {
    const SpriteClass& bubble = show.gRewardBubble;
    Surface page = Surface::Create(Form::kWidth, Form::kHeight);
    page.Clear(kWhite);
    Canvas canvas(page, fonts);
    canvas.FontName = form.Graphics().FontName;
    canvas.FontSize = form.Graphics().FontSize;
    canvas.ForeColor = kTextColor;
    const int width = canvas.TextWidth(bubble.Label);
    const int height = canvas.TextHeight(bubble.Label);
    canvas.CurrentX = bubble.MiddleX() - width / 2.0;
    canvas.CurrentY = bubble.Top() + 32 - height / 2;
    canvas.Print(bubble.Label);
    const Box expected = TextPixels(page);
    ASSERT_FALSE(expected.Empty());
    EXPECT_EQ(TextPixels(form.Picture()), expected);
  }

  void Complete(bool reward_on, int frequency, ItemReward reward = ItemReward::SoundAndShow) {
    CompleteItem(app, state, form, show, reward_on, frequency, UpdateScreen(), reward);
  }

  Form form;
  RewardShow show;
  std::vector<std::int64_t> Redraws;
  int ShowRedraws = 0;
};

TEST_F(RewardShowTests, ARightSideShowSitsInTheBottomRightCornerWithTheBubbleUpAndLeft) {
  ASSERT_TRUE(show.PrepareReward(form, "Game02", RewardSide::Right));
  const SpriteClass& animal = show.gRewardAnimal;
  const SpriteClass& bubble = show.gRewardBubble;
  EXPECT_TRUE(show.gRewardShowing);
  EXPECT_EQ(animal.ImageCount, 4);
  EXPECT_EQ(animal.Frame, 0);
  EXPECT_EQ(animal.Right(), 800);
  EXPECT_EQ(animal.Bottom(), 600);
  // The 240 x 96 bubble overlaps the 150 x 150 animal by a sixth of its width
  // and a third of its height.
  EXPECT_EQ(bubble.Width, 240);
  EXPECT_EQ(bubble.X, 650 - 240 + 40);
  EXPECT_EQ(bubble.Y, 450 - 96 + 32);
  EXPECT_EQ(bubble.Value4, 32);
  ASSERT_GE(bubble.Value3, 0);
  ASSERT_LT(bubble.Value3, 3);
  EXPECT_EQ(bubble.Label, state.Texts.RewardTexts()[static_cast<size_t>(bubble.Value3)]);
}

TEST_F(RewardShowTests, ALeftSideShowSitsInTheBottomLeftCornerWithTheBubbleUpAndRight) {
  ASSERT_TRUE(show.PrepareReward(form, "Game02", RewardSide::Left));
  EXPECT_EQ(show.gRewardAnimal.X, 0);
  EXPECT_EQ(show.gRewardAnimal.Bottom(), 600);
  EXPECT_EQ(show.gRewardBubble.X, 150 - 40);
  EXPECT_EQ(show.gRewardBubble.Y, 450 - 96 + 32);
}

TEST_F(RewardShowTests, TheSideAndTheAnimalAreDrawnAtRandom) {
  std::set<double> sides;
  std::set<std::uint64_t> animals;
  for (int i = 0; i < 150; ++i) {
    ASSERT_TRUE(show.PrepareReward(form, "Game02"));
    sides.insert(show.gRewardAnimal.X);
    // Each side's animals differ in their first frame; its pixels tell them apart.
    const Surface first = show.gRewardAnimal.GetDC(0);
    std::uint64_t key = 14695981039346656037ull;
    for (int y = 0; y < first.Height(); ++y) {
      for (int x = 0; x < first.Width(); ++x) key = (key ^ first.GetPixel(x, y)) * 1099511628211ull;
    }
    animals.insert(key);
    // Each show is prepared over the last one without freeing it in between.
    EXPECT_EQ(show.gRewardAnimal.ImageCount, 4);
  }
  EXPECT_EQ(sides, (std::set<double>{0, 650}));
  EXPECT_EQ(animals.size(), 6u);
}

TEST_F(RewardShowTests, AShowOfFiveFramesTakesSixSecondsAndDrawsEachFrameInTurn) {
  MakeAnimals("game05", 5);
  ASSERT_TRUE(show.PrepareReward(form, "Game05", RewardSide::Right));
  ASSERT_EQ(show.gRewardAnimal.ImageCount, 5);
  const std::int64_t start = Now();
  for (int frame = 0; frame < 5; ++frame) {
    EXPECT_TRUE(show.RewardStep(form, UpdateScreen()));
    EXPECT_TRUE(ShowsFrame(frame)) << "frame " << frame;
    EXPECT_EQ(Now(), start + 1000 * (frame + 1));
  }
  EXPECT_FALSE(show.RewardStep(form, UpdateScreen()));
  EXPECT_EQ(Now(), start + 6000);
  EXPECT_EQ(Redraws, (std::vector<std::int64_t>{start, start + 1000, start + 2000, start + 3000,
                                                start + 4000}));
  // The frames differ, so the checks above would notice a wrong one.
  EXPECT_FALSE(ShowsFrame(3));
}

TEST_F(RewardShowTests, ThePraiseIsSpokenOnceFromTheFirstFrameOverTheAnimation) {
  ASSERT_TRUE(show.PrepareReward(form, "Game02", RewardSide::Left));
  const std::int64_t start = Now();
  while (show.RewardStep(form, UpdateScreen())) {
  }
  EXPECT_EQ(Now(), start + 5000);
  ASSERT_EQ(platform.Sound.Waves.size(), 1u);
  const auto& speech = platform.Sound.Waves[0];
  EXPECT_EQ(speech.File, folder.Path() / "data/speech/eng/rewards" /
                             (std::to_string(show.gRewardBubble.Value3) + ".wav"));
  EXPECT_EQ(speech.StartedAt, start);
  EXPECT_EQ(speech.CutAt, -1);
}

TEST_F(RewardShowTests, ThePraiseIsPrintedCentredInTheBubbleOnEveryFrame) {
  for (RewardSide side : {RewardSide::Right, RewardSide::Left}) {
    ASSERT_TRUE(show.PrepareReward(form, "Game02", side));
    for (int frame = 0; frame < 4; ++frame) {
      ASSERT_TRUE(show.RewardStep(form, UpdateScreen()));
      ExpectPraiseInBubble();
    }
    show.FreeReward();
  }
}

TEST_F(RewardShowTests, WithoutABubblePictureThePraiseIsStillPrinted) {
  fs::remove(folder / "gfx/game02/rewards/bubbleR.gif");
  // A bubble of an earlier show must not lend its size to this one.
  ASSERT_TRUE(show.PrepareReward(form, "Game02", RewardSide::Left));
  show.FreeReward();
  ASSERT_TRUE(show.PrepareReward(form, "Game02", RewardSide::Right));
  EXPECT_EQ(show.gRewardBubble.Width, 0);
  EXPECT_EQ(show.gRewardBubble.X, 650);
  EXPECT_EQ(show.gRewardBubble.Y, 450);
  ASSERT_TRUE(show.RewardStep(form, UpdateScreen()));
  ExpectPraiseInBubble();
}

TEST_F(RewardShowTests, ASideWithoutAnimalsEndsTheShowAtOnce) {
  EmptySide("right");
  EXPECT_FALSE(show.PrepareReward(form, "Game02", RewardSide::Right));
  EXPECT_FALSE(show.gRewardShowing);
  const std::int64_t start = Now();
  EXPECT_FALSE(show.RewardStep(form, UpdateScreen()));
  EXPECT_EQ(Now(), start);
  EXPECT_TRUE(Redraws.empty());
  EXPECT_TRUE(platform.Sound.Waves.empty());
  // A game without any reward pictures is the same.
  EXPECT_FALSE(show.PrepareReward(form, "Game07", RewardSide::Left));
}

TEST_F(RewardShowTests, WithoutPraiseTextsTheAnimalStillShowsInSilence) {
  testing::WriteLines(folder / "lang/eng/rewards.txt", {});
  state.Texts.LoadRewardTexts();
  ASSERT_TRUE(show.PrepareReward(form, "Game02", RewardSide::Right));
  EXPECT_EQ(show.gRewardBubble.Label, "");
  int steps = 0;
  while (show.RewardStep(form, UpdateScreen())) ++steps;
  EXPECT_EQ(steps, 4);
  EXPECT_TRUE(platform.Sound.Waves.empty());
  EXPECT_TRUE(TextPixels(form.Picture()).Empty());
}

TEST_F(RewardShowTests, WithFrequencyThreeEveryThirdCompletedItemGetsTheShow) {
  std::vector<bool> shows;
  for (int item = 0; item < 7; ++item) {
    const int before = ShowRedraws;
    Complete(true, 3);
    shows.push_back(ShowRedraws > before);
    EXPECT_FALSE(show.gRewardShowing);
  }
  EXPECT_EQ(shows, (std::vector<bool>{false, false, true, false, false, true, false}));
  EXPECT_EQ(show.gRewardCounter, 1);
  // Every completion played its reward sound; each show spoke one praise.
  const auto names = platform.Sound.WaveNames();
  EXPECT_EQ(std::count(names.begin(), names.end(), "chime.wav"), 7);
  EXPECT_EQ(names.size(), 9u);
}

TEST_F(RewardShowTests, AnItemWithTheShowLastsTheSoundAndOneSecondPerFrameAndOneMore) {
  const std::int64_t start = Now();
  Complete(true, 1);
  EXPECT_EQ(Now(), start + kSoundLength + 5000);
  // The completed item is drawn before the sound, then under every frame.
  EXPECT_EQ(Redraws.size(), 5u);
  EXPECT_EQ(Redraws[0], start);
  EXPECT_EQ(Redraws[1], start + kSoundLength);
  EXPECT_EQ(show.gRewardCounter, 0);
}

TEST_F(RewardShowTests, WithRewardsOffEveryItemGetsTheSoundButNeverTheShow) {
  const std::int64_t start = Now();
  for (int item = 0; item < 5; ++item) Complete(false, 1);
  EXPECT_EQ(Now(), start + 5 * kSoundLength);
  EXPECT_EQ(ShowRedraws, 0);
  EXPECT_EQ(platform.Sound.WaveNames(), std::vector<std::string>(5, "chime.wav"));
}

TEST_F(RewardShowTests, TheSoundOnlyCompletionNeitherCountsNorShows) {
  for (int item = 0; item < 4; ++item) Complete(true, 1, ItemReward::SoundOnly);
  EXPECT_EQ(ShowRedraws, 0);
  EXPECT_EQ(show.gRewardCounter, 0);
  EXPECT_EQ(platform.Sound.Waves.size(), 4u);
  EXPECT_EQ(Redraws.size(), 4u);
}

TEST_F(RewardShowTests, WithoutRewardSoundsOrAnimalsTheItemGoesOnAtOnce) {
  fs::remove_all(folder / "sfx/rewards");
  EmptySide("right");
  EmptySide("left");
  const std::int64_t start = Now();
  Complete(true, 1);
  EXPECT_EQ(Now(), start);
  EXPECT_TRUE(platform.Sound.Waves.empty());
  EXPECT_EQ(ShowRedraws, 0);
  EXPECT_EQ(show.gRewardCounter, 0);
}

}  // namespace
}  // namespace tavlo
