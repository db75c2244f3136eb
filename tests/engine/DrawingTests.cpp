#include <gtest/gtest.h>

#include "engine/Application.h"
#include "engine/Drawing.h"
#include "engine/Form.h"
#include "support/FakePlatform.h"

namespace tavlo {
namespace {

constexpr Color kKey = RGB(255, 0, 255);
constexpr Color kRed = RGB(255, 0, 0);
constexpr Color kGrey = RGB(50, 50, 50);
constexpr Color kToolTipYellow = RGB(255, 255, 225);

TEST(MaskBlitTests, KeyColouredPixelsLeaveTheDestinationAsItWas) {
  Surface destination = Surface::Create(10, 10);
  destination.Clear(kGrey);
  Surface source = Surface::Create(3, 3);
  source.Clear(kRed);
  source.SetPixel(1, 1, kKey);
  MaskBlit(destination, 2, 2, 3, 3, source, 0, 0, kKey);
  EXPECT_EQ(destination.GetPixel(2, 2), kRed);
  EXPECT_EQ(destination.GetPixel(3, 3), kGrey);
  EXPECT_EQ(destination.GetPixel(4, 4), kRed);
  EXPECT_EQ(destination.GetPixel(5, 5), kGrey);
  // The source keeps no key of its own afterwards: an opaque copy shows all.
  destination.Blit(source, 0, 0, 3, 3);
  EXPECT_EQ(destination.GetPixel(1, 1), kKey);
}

TEST(MaskBlitTests, AKeyThatDoesNotOccurOrIsNoColourDrawsEverything) {
  Surface destination = Surface::Create(4, 4);
  Surface source = Surface::Create(2, 2);
  source.Clear(kKey);
  destination.Clear(kGrey);
  MaskBlit(destination, 0, 0, 2, 2, source, 0, 0, RGB(1, 2, 3));
  EXPECT_EQ(destination.GetPixel(1, 1), kKey);
  source.Clear(RGB(255, 255, 255));
  MaskBlit(destination, 0, 0, 2, 2, source, 0, 0, kNoPixel);
  EXPECT_EQ(destination.GetPixel(1, 1), RGB(255, 255, 255));
}

TEST(MaskBlitTests, TheSourceOffsetIsHonoured) {
  Surface destination = Surface::Create(4, 4);
  destination.Clear(kGrey);
  Surface source = Surface::Create(4, 1);
  source.SetPixel(2, 0, kRed);
  MaskBlit(destination, 0, 0, 1, 1, source, 2, 0, kKey);
  EXPECT_EQ(destination.GetPixel(0, 0), kRed);
}

TEST(IntersectRectsTests, OverlapsContainmentAndTouchingEdges) {
  Rect result{1, 1, 1, 1};
  EXPECT_TRUE(IntersectRects({0, 0, 10, 10}, {5, 6, 20, 20}, result));
  EXPECT_EQ(result, (Rect{5, 6, 10, 10}));
  EXPECT_TRUE(IntersectRects({0, 0, 10, 10}, {2, 3, 4, 5}, result));
  EXPECT_EQ(result, (Rect{2, 3, 4, 5}));
  EXPECT_FALSE(IntersectRects({0, 0, 10, 10}, {10, 0, 20, 10}, result));
  EXPECT_EQ(result, Rect{});
  EXPECT_FALSE(IntersectRects({0, 0, 10, 10}, {0, 10, 10, 20}, result));
  EXPECT_FALSE(IntersectRects({0, 0, 10, 10}, {3, 3, 3, 8}, result));
}

TEST(DrawToolTipTests, AFramedYellowLabelCentredOnTheGivenPoint) {
  testing::FakePlatform platform;
  FontLibrary fonts;
  Application app(platform, fonts);
  Form form(app);
  form.Picture().Clear(kGrey);
  Canvas& canvas = form.Graphics();
  canvas.FontSize = 14;
  canvas.ForeColor = kRed;
  canvas.DrawWidth = 4;

  canvas.FontSize = 8;
  const int width = canvas.TextWidth("Hello");
  const int height = canvas.TextHeight("Hello");
  canvas.FontSize = 14;
  ASSERT_GT(width, 0);

  DrawToolTip(form, 400, 300, "Hello");
  const int left = 400 - width / 2;
  const int top = 298;
  EXPECT_EQ(canvas.FontSize, 14);
  EXPECT_EQ(canvas.DrawWidth, 1);
  EXPECT_EQ(canvas.ForeColor, kBlack);
  // The frame is one pixel wide on the corners (left - 2, top - 2) and
  // (left + width + 2, top + height + 2); yellow fills the inside.
  EXPECT_EQ(form.Picture().GetPixel(left - 2, top - 2), kBlack);
  EXPECT_EQ(form.Picture().GetPixel(left + width + 2, top + height + 2), kBlack);
  EXPECT_EQ(form.Picture().GetPixel(left - 1, top - 1), kToolTipYellow);
  EXPECT_EQ(form.Picture().GetPixel(left + width + 1, top + height + 1), kToolTipYellow);
  EXPECT_EQ(form.Picture().GetPixel(left - 3, top), kGrey);
  EXPECT_EQ(form.Picture().GetPixel(left + width + 3, top), kGrey);
  // Near an edge, the label moves inside the picture, framed whole.
  for (const int x : {0, form.Picture().Width() - 1}) {
    form.Picture().Clear(kGrey);
    DrawToolTip(form, x, 300, "Hello");
    // The frame, 4 pixels wider than the text, keeps 4 pixels from the edge.
    const int shown_left = x == 0 ? 4 : form.Picture().Width() - 4 - (width + 4);
    EXPECT_EQ(form.Picture().GetPixel(shown_left, top - 2), kBlack) << x;
    EXPECT_EQ(form.Picture().GetPixel(shown_left + width + 4, top - 2), kBlack) << x;
  }
  form.Picture().Clear(kGrey);
  DrawToolTip(form, 400, 300, "Hello");
  // Some text was printed inside: dark pixels within the text box.
  int dark = 0;
  for (int y = top; y < top + height; ++y) {
    for (int x = left; x < left + width; ++x) {
      if (RedOf(form.Picture().GetPixel(x, y)) < 128) ++dark;
    }
  }
  EXPECT_GT(dark, 10);
}

}  // namespace
}  // namespace tavlo
