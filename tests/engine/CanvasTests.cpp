#include <gtest/gtest.h>

#include <algorithm>

#include "engine/Canvas.h"

namespace tavlo {
namespace {

constexpr Color kRed = RGB(255, 0, 0);

class CanvasTests : public ::testing::Test {
 protected:
  CanvasTests() : picture(Surface::Create(100, 80)), canvas(picture, fonts) {}

  // The columns of row y that hold the colour.
  std::vector<int> ColumnsOf(int y, Color color) {
    std::vector<int> columns;
    for (int x = 0; x < picture.Width(); ++x) {
      if (picture.GetPixel(x, y) == color) columns.push_back(x);
    }
    return columns;
  }

  FontLibrary fonts;
  Surface picture;
  Canvas canvas;
};

TEST_F(CanvasTests, ClsFillsWithTheBackColourAndResetsThePosition) {
  canvas.BackColor = RGB(1, 2, 3);
  canvas.CurrentX = 40;
  canvas.CurrentY = 30;
  canvas.Cls();
  EXPECT_EQ(picture.GetPixel(0, 0), RGB(1, 2, 3));
  EXPECT_EQ(picture.GetPixel(99, 79), RGB(1, 2, 3));
  EXPECT_EQ(canvas.CurrentX, 0);
  EXPECT_EQ(canvas.CurrentY, 0);
}

TEST_F(CanvasTests, AThinBoxCoversBothCornersExactly) {
  canvas.Box(10, 10, 20, 15, kRed);
  EXPECT_EQ(ColumnsOf(10, kRed).front(), 10);
  EXPECT_EQ(ColumnsOf(10, kRed).back(), 20);
  EXPECT_EQ(ColumnsOf(12, kRed), (std::vector<int>{10, 20}));
  EXPECT_EQ(picture.GetPixel(15, 15), kRed);
  EXPECT_NE(picture.GetPixel(15, 16), kRed);
  EXPECT_NE(picture.GetPixel(15, 12), kRed);
}

TEST_F(CanvasTests, AWidePenIsCentredOnTheBoxLines) {
  // An even pen of 4 reaches 2 out and 1 in; an odd pen of 3 reaches 1 each way.
  canvas.DrawWidth = 4;
  canvas.Box(20, 20, 40, 40, kRed);
  EXPECT_EQ(ColumnsOf(30, kRed), (std::vector<int>{18, 19, 20, 21, 38, 39, 40, 41}));
  canvas.Cls();
  canvas.DrawWidth = 3;
  canvas.Box(20, 20, 40, 40, kRed);
  EXPECT_EQ(ColumnsOf(30, kRed), (std::vector<int>{19, 20, 21, 39, 40, 41}));
}

TEST_F(CanvasTests, FilledBoxIncludesBothCornersInEitherOrder) {
  canvas.FilledBox(30, 30, 20, 20, kRed);
  EXPECT_EQ(ColumnsOf(25, kRed).size(), 11u);
  EXPECT_EQ(picture.GetPixel(20, 20), kRed);
  EXPECT_EQ(picture.GetPixel(30, 30), kRed);
  EXPECT_NE(picture.GetPixel(31, 30), kRed);
}

TEST_F(CanvasTests, ADiagonalLineReachesBothEnds) {
  canvas.Line(0, 0, 9, 5, kRed);
  EXPECT_EQ(picture.GetPixel(0, 0), kRed);
  EXPECT_EQ(picture.GetPixel(9, 5), kRed);
}

TEST_F(CanvasTests, DrawingOutsideThePictureIsClipped) {
  canvas.FilledBox(-50, -50, 200, 200, kRed);
  canvas.DrawWidth = 10;
  canvas.Line(-100, 5, 300, 5, kRed);
  EXPECT_EQ(picture.GetPixel(99, 79), kRed);
  EXPECT_EQ(canvas.Point(100, 0), kNoPixel);
}

TEST_F(CanvasTests, PrintDrawsInTheForeColourAndMovesToTheNextLine) {
  canvas.ForeColor = RGB(0, 0, 255);
  canvas.FontSize = 12;
  canvas.CurrentX = 5;
  canvas.CurrentY = 5;
  const int height = canvas.TextHeight("Tavlo");
  EXPECT_GT(canvas.TextWidth("Tavlo"), 20);
  EXPECT_GT(height, 10);
  canvas.Print("Tavlo");
  EXPECT_EQ(canvas.CurrentX, 0);
  EXPECT_EQ(canvas.CurrentY, 5 + height);
  // Glyph edges are blended with the background, so count pixels that are mostly blue.
  auto blueish = [&](int top, int bottom) {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = 0; x < picture.Width(); ++x) {
        const Color pixel = picture.GetPixel(x, y);
        if (BlueOf(pixel) > 100 && RedOf(pixel) < 40 && GreenOf(pixel) < 40) ++count;
      }
    }
    return count;
  };
  EXPECT_GT(blueish(5, 5 + height), 40);
  EXPECT_EQ(blueish(0, 5), 0);
}

TEST_F(CanvasTests, LargerFontsMeasureLarger) {
  canvas.FontSize = 12;
  const int small = canvas.TextWidth("Reading");
  canvas.FontSize = 24;
  const int large = canvas.TextWidth("Reading");
  EXPECT_NEAR(large, 2 * small, small / 5);
  EXPECT_EQ(canvas.TextWidth(""), 0);
}

TEST_F(CanvasTests, ArialResolvesToAMetricCompatibleFace) {
  const std::string file = FontLibrary::FindFontFile("Arial");
  EXPECT_NE(file.find("LiberationSans"), std::string::npos) << file;
  // A 12-point face at 96 dots per inch is about 16 pixels tall, as on the
  // desktops the screens were laid out on.
  canvas.FontSize = 12;
  EXPECT_NEAR(canvas.TextHeight(), 18, 2);
}

TEST_F(CanvasTests, AnUnknownFaceStillDrawsText) {
  canvas.FontName = "No Such Face Anywhere";
  EXPECT_GT(canvas.TextWidth("word"), 0);
  EXPECT_FALSE(FontLibrary::Families().empty());
}

}  // namespace
}  // namespace tavlo
