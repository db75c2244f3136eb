#include <gtest/gtest.h>

#include <array>

#include "engine/Drawing.h"
#include "engine/Random.h"
#include "engine/SpriteClass.h"
#include "games/Game15Placement.h"

namespace tavlo {
namespace {

Rect BoundsOf(const SpriteClass& sprite) {
  return Rect{sprite.Left(), sprite.Top(), static_cast<int>(sprite.Right()), sprite.Bottom()};
}

bool Overlap(const Rect& a, const Rect& b) {
  Rect overlap;
  return IntersectRects(a, b, overlap);
}

TEST(Game15PlacementTests, LabelsStayInTheirQuartersAndNeverOverlap) {
  // Quarter i's bounds, the right and bottom edges outside.
  const std::array<Rect, 4> quarters = {Rect{0, 100, 395, 295}, Rect{400, 100, 795, 295},
                                        Rect{0, 300, 395, 595}, Rect{400, 300, 795, 595}};
  SpriteClass animal;
  animal.Width = 80;
  animal.Height = 64;
  game15::PlaceAnimal(animal);
  // The animal's right edge on the middle, its middle on y = 300, and the
  // space ahead of it kept free.
  const Rect run_in = game15::RunInSpace(animal);
  EXPECT_EQ(run_in, (Rect{300, 248, 600, 352}));
  for (std::uint64_t seed = 1; seed <= 300; ++seed) {
    FixedRandomSeed fixed(seed);
    // Label sizes from a short word at 6 points to a long one at 32.
    std::array<SpriteClass, 4> labels;
    for (auto& label : labels) {
      label.Width = RandomInt(20, 380);
      label.Height = RandomInt(14, 50);
    }
    game15::PlaceLabels(labels, run_in);
    for (size_t i = 0; i < labels.size(); ++i) {
      SCOPED_TRACE("seed " + std::to_string(seed) + ", label " + std::to_string(i));
      const Rect box = BoundsOf(labels[i]);
      EXPECT_GE(box.Left, quarters[i].Left);
      EXPECT_GE(box.Top, quarters[i].Top);
      EXPECT_LE(box.Right, quarters[i].Right);
      EXPECT_LE(box.Bottom, quarters[i].Bottom);
      EXPECT_FALSE(Overlap(box, run_in));
      for (size_t j = 0; j < i; ++j) EXPECT_FALSE(Overlap(box, BoundsOf(labels[j])));
    }
  }
}

TEST(Game15PlacementTests, ALabelTooBigForItsQuarterStaysOnTheScreen) {
  std::array<SpriteClass, 4> labels;
  for (auto& label : labels) {
    label.Width = 500;
    label.Height = 40;
  }
  game15::PlaceLabels(labels, Rect{});
  for (const auto& label : labels) {
    EXPECT_GE(label.Left(), 0);
    EXPECT_LE(label.Right(), 800);
    EXPECT_GE(label.Top(), 100);
    EXPECT_LE(label.Bottom(), 600);
  }
}

}  // namespace
}  // namespace tavlo
