#include "platform/ShownRows.h"

#include <gtest/gtest.h>

namespace tavlo {
namespace {

TEST(ShownRowsTests, OnlyTheChangedRowsWithAMarginAndWholeScreenRowsAreShownAgain) {
  Surface picture = Surface::Create(40, 600);
  picture.Clear(RGB(0, 0, 0));
  ShownRows shown;
  EXPECT_FALSE(shown.Changed(picture, 1.8f)) << "no copy yet";
  shown.Take(picture, 0, 600);

  const std::optional<ChangedBand> unchanged = shown.Changed(picture, 1.8f);
  ASSERT_TRUE(unchanged);
  EXPECT_EQ(unchanged->Top, unchanged->Bottom);

  picture.SetPixel(7, 101, RGB(255, 0, 0));
  picture.SetPixel(30, 120, RGB(255, 0, 0));
  // At 1.8 every 5 rows are 9 screen rows: rows 99..123 widen to 95..125.
  const std::optional<ChangedBand> band = shown.Changed(picture, 1.8f);
  ASSERT_TRUE(band);
  EXPECT_EQ(band->Top, 95);
  EXPECT_EQ(band->Bottom, 125);
  // 1:1 needs no widening beyond the margin; the last rows stop at the edge.
  picture.SetPixel(0, 599, RGB(0, 255, 0));
  EXPECT_EQ(shown.Changed(picture, 1.0f)->Bottom, 600);

  shown.Take(picture, band->Top, 600);
  EXPECT_EQ(shown.Changed(picture, 1.8f)->Top, shown.Changed(picture, 1.8f)->Bottom);
  // A scale that no small row count turns into whole rows shows everything.
  EXPECT_FALSE(shown.Changed(picture, 1.4142f));
  EXPECT_FALSE(shown.Changed(Surface::Create(40, 300), 1.0f)) << "another size";
}

}  // namespace
}  // namespace tavlo
