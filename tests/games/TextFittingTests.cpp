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
  const std::vector<std::string> kTexts = {"Who hoots at night?",
                                           "What do you sit on at the table?"};
};

TEST_F(TextFittingTests, TheChosenSizeOrTheLargestBelowItThatFitsWidthAndHeightDownToSix) {
  canvas.FontSize = 14;
  const int line_at_14 = canvas.TextHeight();
  // So that 20 points is the largest size that fits the width of 20 points.
  ASSERT_GT(WidestAt(21, kTexts), WidestAt(20, kTexts));
  struct Case {
    double Chosen;
    int Width;
    int Height;
    double Expected;
  };
  for (const Case& c :
       {Case{12, WidestAt(12, kTexts), 100, 12}, Case{32, WidestAt(20, kTexts), 100, 20},
        Case{32, 1000, line_at_14, 14}, Case{32, 3, 3, 6}}) {
    FittedFont fresh;
    fresh.Apply(canvas, c.Chosen, kTexts, c.Width, c.Height);
    EXPECT_EQ(canvas.FontSize, c.Expected) << c.Chosen << " in " << c.Width << " x " << c.Height;
  }
}

TEST_F(TextFittingTests, NewTextsAreMeasuredAgain) {
  const int width = WidestAt(16, {"a short one"});
  FittedFont fitted;
  fitted.Apply(canvas, 16, std::string("a short one"), width, 100);
  EXPECT_EQ(canvas.FontSize, 16);
  fitted.Apply(canvas, 16, std::string("a much much longer one"), width, 100);
  EXPECT_LT(canvas.FontSize, 16);
  // A bold face is wider: the same text is measured again in it.
  fitted.Apply(canvas, 16, std::string("a short one"), width, 100);
  canvas.FontBold = true;
  fitted.Apply(canvas, 16, std::string("a short one"), width, 100);
  EXPECT_LT(canvas.FontSize, 16);
}

}  // namespace
}  // namespace tavlo
