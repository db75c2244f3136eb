#include <gtest/gtest.h>

#include <algorithm>

#include "engine/Canvas.h"
#include "games/TextFitting.h"

namespace tavlo {
namespace {

class TextFittingTests : public ::testing::Test {
 protected:
  TextFittingTests() : picture(Surface::Create(10, 10)), canvas(picture, fonts) {}

  // The widest of the texts at a size.
  int WidestAt(double size, const std::vector<std::string>& texts) {
    canvas.FontSize = size;
    int widest = 0;
    for (const auto& text : texts) widest = std::max(widest, canvas.TextWidth(text));
    return widest;
  }

  FontLibrary fonts;
  Surface picture;
  Canvas canvas;
  FittedFont fitted;
  const std::vector<std::string> kTexts = {"Who hoots at night?",
                                           "What do you sit on at the table?"};
};

TEST_F(TextFittingTests, TheChosenSizeStaysWhenEveryTextFits) {
  fitted.Apply(canvas, 12, kTexts, WidestAt(12, kTexts), 100);
  EXPECT_EQ(canvas.FontSize, 12);
}

TEST_F(TextFittingTests, ATooLargeSizeShrinksToTheLargestThatFitsWidthAndHeight) {
  const int width = WidestAt(20, kTexts);
  fitted.Apply(canvas, 32, kTexts, width, 100);
  EXPECT_EQ(canvas.FontSize, 20);
  EXPECT_GT(WidestAt(21, kTexts), width);

  canvas.FontSize = 14;
  const int line = canvas.TextHeight();
  FittedFont by_height;
  by_height.Apply(canvas, 32, kTexts, 1000, line);
  EXPECT_EQ(canvas.FontSize, 14);
}

TEST_F(TextFittingTests, NothingSmallerThanSixPoints) {
  fitted.Apply(canvas, 32, kTexts, 3, 3);
  EXPECT_EQ(canvas.FontSize, 6);
}

TEST_F(TextFittingTests, NewTextsAreMeasuredAgain) {
  const int width = WidestAt(16, {"a short one"});
  fitted.Apply(canvas, 16, {"a short one"}, width, 100);
  EXPECT_EQ(canvas.FontSize, 16);
  fitted.Apply(canvas, 16, {"a much much longer one"}, width, 100);
  EXPECT_LT(canvas.FontSize, 16);
}

}  // namespace
}  // namespace tavlo
