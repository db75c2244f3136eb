#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>

#include "engine/Application.h"
#include "engine/Form.h"
#include "engine/MilliTimer.h"
#include "engine/SpriteClass.h"
#include "support/BareApplicationTest.h"
#include "support/TempFolder.h"

namespace tavlo {
namespace {

constexpr Color kMagenta = RGB(255, 0, 255);
constexpr Color kRed = RGB(255, 0, 0);
constexpr Color kGreen = RGB(0, 255, 0);
constexpr Color kGrey = RGB(50, 50, 50);

void PutLittleEndian(std::string& bytes, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A 24-bit BMP file whose pixels the function gives.
void WriteBmp(const std::filesystem::path& file, int width, int height,
              const std::function<Color(int, int)>& pixel) {
  const int row_size = (width * 3 + 3) / 4 * 4;
  const auto image_size = static_cast<std::uint32_t>(row_size * height);
  std::string bytes = "BM";
  PutLittleEndian(bytes, 54 + image_size, 4);
  PutLittleEndian(bytes, 0, 4);
  PutLittleEndian(bytes, 54, 4);
  PutLittleEndian(bytes, 40, 4);
  PutLittleEndian(bytes, static_cast<std::uint32_t>(width), 4);
  PutLittleEndian(bytes, static_cast<std::uint32_t>(height), 4);
  PutLittleEndian(bytes, 1, 2);
  PutLittleEndian(bytes, 24, 2);
  PutLittleEndian(bytes, 0, 4);
  PutLittleEndian(bytes, image_size, 4);
  PutLittleEndian(bytes, 2835, 4);
  PutLittleEndian(bytes, 2835, 4);
  PutLittleEndian(bytes, 0, 4);
  PutLittleEndian(bytes, 0, 4);
  for (int y = height - 1; y >= 0; --y) {
    std::string row;
    for (int x = 0; x < width; ++x) {
      const Color color = pixel(x, y);
      row.push_back(static_cast<char>(BlueOf(color)));
      row.push_back(static_cast<char>(GreenOf(color)));
      row.push_back(static_cast<char>(RedOf(color)));
    }
    row.resize(static_cast<std::size_t>(row_size), '\0');
    bytes += row;
  }
  testing::WriteFile(file, bytes);
}

class SpriteClassTests : public testing::BareApplicationTest {
 protected:
  SpriteClassTests() : form(app) {
    // A 6 x 4 picture: a magenta frame (the key colour, from the top-left
    // pixel) around a red inside.
    WriteBmp(folder / "gfx/Game01/card.bmp", 6, 4,
             [](int x, int y) { return x == 0 || y == 0 || x == 5 || y == 3 ? kMagenta : kRed; });
    WriteBmp(folder / "gfx/Game01/other.bmp", 3, 2, [](int, int) { return kGreen; });
    form.Picture().Clear(kGrey);
  }

  // Moves the clock on and updates the sprite, as a screen's animation step does.
  void Step(SpriteClass& sprite, int milliseconds) {
    platform.AdvanceMilliseconds(milliseconds);
    sprite.Update();
  }

  Color At(int x, int y) { return form.Picture().GetPixel(x, y); }

  Form form;
};

TEST_F(SpriteClassTests, ANewSpriteIsVisibleEmptyAndDrawsNothing) {
  SpriteClass sprite;
  EXPECT_TRUE(sprite.Visible);
  EXPECT_EQ(sprite.ImageCount, 0);
  EXPECT_TRUE(sprite.GetDC(0).Empty());
  sprite.Width = 10;
  sprite.Height = 10;
  sprite.Draw(form);
  sprite.DrawTransp(form);
  EXPECT_EQ(At(0, 0), kGrey);
  EXPECT_EQ(At(5, 5), kGrey);
}

TEST_F(SpriteClassTests, LoadDCImageTakesSizeAndKeyColourAndAppendsFrames) {
  SpriteClass sprite;
  ASSERT_TRUE(sprite.LoadDCImage(form, "gfx\\Game01\\card.bmp"));
  EXPECT_EQ(sprite.ImageCount, 1);
  EXPECT_EQ(sprite.Width, 6);
  EXPECT_EQ(sprite.Height, 4);
  EXPECT_EQ(sprite.TransparentColor, kMagenta);
  EXPECT_EQ(sprite.GetDCPixel(2, 2), kRed);

  ASSERT_TRUE(sprite.LoadDCImage(form, "GFX\\game01\\OTHER.bmp"));
  EXPECT_EQ(sprite.ImageCount, 2);
  EXPECT_EQ(sprite.Width, 3);
  EXPECT_EQ(sprite.TransparentColor, kGreen);
  EXPECT_EQ(sprite.GetDC(1).GetPixel(0, 0), kGreen);
  // Image 0 is still the first picture.
  EXPECT_EQ(sprite.GetDCPixel(2, 2), kRed);
}

TEST_F(SpriteClassTests, AFailedLoadLeavesTheSpriteAsItWas) {
  SpriteClass sprite;
  ASSERT_TRUE(sprite.LoadDCImage(form, "gfx\\Game01\\card.bmp"));
  testing::WriteFile(folder / "gfx/Game01/broken.gif", "not a picture");
  EXPECT_FALSE(sprite.LoadDCImage(form, "gfx\\Game01\\missing.gif"));
  EXPECT_FALSE(sprite.LoadDCImage(form, "gfx\\Game01\\broken.gif"));
  // A pipe nobody writes to would keep the picture library waiting for ever.
  testing::MakePipe(folder / "gfx/Game01/pipe.gif");
  EXPECT_TRUE(testing::EndsWithoutAWriter(folder / "gfx/Game01/pipe.gif", [&] {
    EXPECT_FALSE(sprite.LoadDCImage(form, "gfx\\Game01\\pipe.gif"));
  }));
  EXPECT_EQ(sprite.ImageCount, 1);
  EXPECT_EQ(sprite.Width, 6);
  EXPECT_EQ(sprite.Height, 4);
  EXPECT_EQ(sprite.TransparentColor, kMagenta);
}

TEST_F(SpriteClassTests, AButtonWhosePictureIsMissingGetsAPlainFaceOfItsSizeThatShowsAndIsHit) {
  SpriteClass button;
  EXPECT_FALSE(button.LoadButtonImage(form, "gfx\\Game01\\missing.gif", 60, 40));
  EXPECT_EQ(button.ImageCount, 1);
  EXPECT_EQ(button.Width, 60);
  EXPECT_EQ(button.Height, 40);
  button.X = 100;
  button.Y = 100;
  EXPECT_TRUE(button.IsUnder(130, 120));
  button.DrawTransp(form);
  // Edge and face are both drawn, see-through or not.
  EXPECT_NE(At(100, 100), kGrey);
  EXPECT_NE(At(130, 120), kGrey);
  EXPECT_NE(At(100, 100), At(130, 120));
  // A picture that is there is loaded as always.
  EXPECT_TRUE(button.LoadButtonImage(form, "gfx\\Game01\\card.bmp", 60, 40));
  EXPECT_EQ(button.Width, 6);
}

TEST_F(SpriteClassTests, CleanUpEmptiesTheSpriteAndALaterLoadStartsAtImageZero) {
  SpriteClass sprite;
  sprite.LoadDCImage(form, "gfx\\Game01\\card.bmp");
  sprite.LoadDCImage(form, "gfx\\Game01\\other.bmp");
  sprite.X = 40;
  sprite.SetFrameTime({100, 100});
  EXPECT_EQ(sprite.CleanUp(), 0);
  EXPECT_EQ(sprite.ImageCount, 0);
  EXPECT_TRUE(sprite.GetDC(0).Empty());
  EXPECT_TRUE(sprite.GetDC(1).Empty());
  EXPECT_EQ(sprite.X, 40);

  ASSERT_TRUE(sprite.LoadDCImage(form, "gfx\\Game01\\other.bmp"));
  EXPECT_EQ(sprite.ImageCount, 1);
  EXPECT_EQ(sprite.GetDCPixel(0, 0), kGreen);
}

TEST_F(SpriteClassTests, GetDCOutsideTheImagesGivesImageZero) {
  SpriteClass sprite;
  sprite.LoadDCImage(form, "gfx\\Game01\\card.bmp");
  sprite.LoadDCImage(form, "gfx\\Game01\\other.bmp");
  EXPECT_EQ(sprite.GetDC(-1).GetPixel(2, 2), kRed);
  EXPECT_EQ(sprite.GetDC(2).GetPixel(2, 2), kRed);
  EXPECT_EQ(sprite.GetDC(1).GetPixel(0, 0), kGreen);
  EXPECT_EQ(sprite.GetDCPixel(6, 0), kNoPixel);
  EXPECT_EQ(sprite.GetDCPixel(-1, 0), kNoPixel);
}

TEST_F(SpriteClassTests, ABorrowedImageIsSharedAndOutlivesTheBorrowersCleanUp) {
  SpriteClass owner;
  owner.LoadDCImage(form, "gfx\\Game01\\card.bmp");
  SpriteClass borrower;
  borrower.SetSpriteDC(owner);
  EXPECT_EQ(borrower.Width, 6);
  EXPECT_EQ(borrower.Height, 4);
  EXPECT_EQ(borrower.TransparentColor, kMagenta);
  EXPECT_EQ(borrower.ImageCount, 0);

  // A pixel changed through the owner shows in what the borrower draws.
  EXPECT_EQ(owner.SetDCPixel(2, 1, kGreen), kRed);
  borrower.Draw(form);
  EXPECT_EQ(At(2, 1), kGreen);

  borrower.CleanUp();
  form.Picture().Clear(kGrey);
  owner.Draw(form);
  EXPECT_EQ(At(3, 2), kRed);

  SpriteClass by_handle;
  by_handle.SetDC(owner.GetDC(0));
  EXPECT_EQ(by_handle.GetDCPixel(2, 1), kGreen);
}

TEST_F(SpriteClassTests, DrawCopiesOpaquelyAndDrawTranspLeavesTheKeyColourOut) {
  SpriteClass sprite;
  sprite.LoadDCImage(form, "gfx\\Game01\\card.bmp");
  sprite.X = 10.5;  // nearest even: 10
  sprite.Y = 21.5;  // nearest even: 22
  sprite.Draw(form);
  EXPECT_EQ(At(10, 22), kMagenta);
  EXPECT_EQ(At(11, 23), kRed);
  EXPECT_EQ(At(9, 22), kGrey);
  EXPECT_EQ(At(16, 22), kGrey);

  form.Picture().Clear(kGrey);
  sprite.DrawTransp(form);
  EXPECT_EQ(At(10, 22), kGrey);
  EXPECT_EQ(At(15, 25), kGrey);
  EXPECT_EQ(At(11, 23), kRed);

  form.Picture().Clear(kGrey);
  sprite.DrawTranspAt(form, 100, 200);
  sprite.DrawAt(form, 300, 400);
  EXPECT_EQ(At(101, 201), kRed);
  EXPECT_EQ(At(100, 200), kGrey);
  EXPECT_EQ(At(300, 400), kMagenta);
}

TEST_F(SpriteClassTests, DrawingFollowsTheCurrentFrame) {
  SpriteClass sprite;
  sprite.LoadDCImage(form, "gfx\\Game01\\card.bmp");
  sprite.LoadDCImage(form, "gfx\\Game01\\other.bmp");
  sprite.Frame = 1;
  sprite.Draw(form);
  EXPECT_EQ(At(1, 1), kGreen);
}

TEST_F(SpriteClassTests, AHiddenSpriteIsNotDrawnAndLeavesThePenAlone) {
  SpriteClass sprite;
  sprite.LoadDCImage(form, "gfx\\Game01\\card.bmp");
  sprite.X = 20;
  sprite.Y = 20;
  sprite.Visible = false;
  form.Graphics().DrawWidth = 7;
  sprite.Draw(form);
  sprite.DrawAt(form, 0, 0);
  sprite.DrawTransp(form);
  sprite.DrawTranspAt(form, 0, 0);
  sprite.DrawBorder(kHighlightBlue, 3, form);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) ASSERT_EQ(At(x, y), kGrey) << x << "," << y;
  }
  EXPECT_EQ(form.Graphics().DrawWidth, 7);
}

TEST_F(SpriteClassTests, ABorderLiesJustOutsideTheSpriteForOddAndEvenWidths) {
  SpriteClass sprite;
  sprite.X = 100;
  sprite.Y = 200;
  sprite.Width = 30;
  sprite.Height = 40;
  form.Graphics().DrawWidth = 5;

  sprite.DrawBorder(kHighlightBlue, 3, form);
  EXPECT_EQ(form.Graphics().DrawWidth, 5);
  // Three pixels on each side, touching the sprite's rectangle 100..129 x 200..239.
  for (int x : {97, 98, 99, 130, 131, 132}) EXPECT_EQ(At(x, 220), kHighlightBlue) << x;
  for (int x : {96, 100, 129, 133}) EXPECT_EQ(At(x, 220), kGrey) << x;
  for (int y : {197, 198, 199, 240, 241, 242}) EXPECT_EQ(At(115, y), kHighlightBlue) << y;
  for (int y : {196, 200, 239, 243}) EXPECT_EQ(At(115, y), kGrey) << y;

  form.Picture().Clear(kGrey);
  sprite.DrawBorder(kHighlightBlue, 2, form);
  for (int x : {98, 99, 130, 131}) EXPECT_EQ(At(x, 220), kHighlightBlue) << x;
  for (int x : {97, 100, 129, 132}) EXPECT_EQ(At(x, 220), kGrey) << x;
}

TEST_F(SpriteClassTests, IsUnderIncludesAllFourEdges) {
  SpriteClass sprite;
  sprite.X = 10;
  sprite.Y = 50;
  sprite.Width = 20;
  sprite.Height = 5;
  EXPECT_TRUE(sprite.IsUnder(10, 52));
  EXPECT_TRUE(sprite.IsUnder(30, 52));
  EXPECT_TRUE(sprite.IsUnder(20, 50));
  EXPECT_TRUE(sprite.IsUnder(20, 55));
  EXPECT_FALSE(sprite.IsUnder(9, 52));
  EXPECT_FALSE(sprite.IsUnder(31, 52));
  EXPECT_FALSE(sprite.IsUnder(20, 49));
  EXPECT_FALSE(sprite.IsUnder(20, 56));
}

TEST_F(SpriteClassTests, RectanglesThatOnlyTouchDoNotCollide) {
  SpriteClass a;
  a.X = 0;
  a.Y = 0;
  a.Width = 10;
  a.Height = 10;
  SpriteClass b = a;
  b.X = 10;
  EXPECT_FALSE(a.SpriteCollision(b));
  EXPECT_FALSE(b.SpriteCollision(a));
  b.X = 9;
  EXPECT_TRUE(a.SpriteCollision(b));
  b.X = 0;
  b.Y = 10;
  EXPECT_FALSE(a.SpriteCollision(b));
  // Positions are rounded before the test: 9.5 goes to 10, so they only touch.
  b.Y = 9.5;
  EXPECT_FALSE(a.SpriteCollision(b));
  b.Y = 9.4;
  EXPECT_TRUE(a.SpriteCollision(b));
}

TEST_F(SpriteClassTests, PixelCollisionNeedsOpaquePixelsOfBothOnOnePoint) {
  SpriteClass a;
  a.LoadDCImage(form, "gfx\\Game01\\card.bmp");
  SpriteClass b;
  b.LoadDCImage(form, "gfx\\Game01\\card.bmp");

  // Overlapping only by their transparent frames: b's frame column 0 lies on
  // a's frame column 5.
  b.X = 5;
  EXPECT_TRUE(a.SpriteCollision(b));
  EXPECT_FALSE(a.PixelCollision(b));
  // One column further in, b's frame meets a's red inside but b's red does not.
  b.X = 4;
  EXPECT_FALSE(a.PixelCollision(b));
  // Two columns: red on red.
  b.X = 3;
  EXPECT_TRUE(a.PixelCollision(b));
  EXPECT_TRUE(b.PixelCollision(a));
  b.X = 40;
  EXPECT_FALSE(a.PixelCollision(b));

  // Image 0 counts, whatever frame is drawn: b's all-green frame 1 would
  // meet a's red inside here, its image 0 does not.
  b.X = 4;
  b.LoadDCImage(form, "gfx\\Game01\\other.bmp");
  b.TransparentColor = kMagenta;
  b.Frame = 1;
  EXPECT_FALSE(a.PixelCollision(b));
}

TEST_F(SpriteClassTests, MoveToDestRunsTheLongerAxisAtTheGivenSpeedAndStopsExactly) {
  SpriteClass sprite;
  sprite.MoveToDest(200, 100, 100);
  EXPECT_DOUBLE_EQ(sprite.SpeedX, 100);
  EXPECT_DOUBLE_EQ(sprite.SpeedY, 50);

  sprite.Update();  // Never updated: this only records the time.
  EXPECT_EQ(sprite.X, 0);
  Step(sprite, 1000);
  EXPECT_DOUBLE_EQ(sprite.X, 100);
  EXPECT_DOUBLE_EQ(sprite.Y, 50);
  Step(sprite, 1500);
  EXPECT_EQ(sprite.X, 200);
  EXPECT_EQ(sprite.Y, 100);
  EXPECT_EQ(sprite.SpeedX, 0);
  EXPECT_EQ(sprite.SpeedY, 0);
  Step(sprite, 1000);
  EXPECT_EQ(sprite.X, 200);
}

TEST_F(SpriteClassTests, MoveToDestScalesTheShorterAxisInEveryDirection) {
  SpriteClass sprite;
  sprite.X = 200;
  sprite.Y = 100;
  sprite.MoveToDest(150, 300, 80);
  EXPECT_DOUBLE_EQ(sprite.SpeedX, -20);
  EXPECT_DOUBLE_EQ(sprite.SpeedY, 80);
  sprite.MoveToDest(0, 0, 100);
  EXPECT_DOUBLE_EQ(sprite.SpeedX, -100);
  EXPECT_DOUBLE_EQ(sprite.SpeedY, -50);
  // Straight down: no sideways speed, and the x axis is already there.
  sprite.MoveToDest(200, 150, 60);
  EXPECT_DOUBLE_EQ(sprite.SpeedX, 0);
  EXPECT_DOUBLE_EQ(sprite.SpeedY, 60);
  sprite.Update();
  Step(sprite, 500);
  EXPECT_DOUBLE_EQ(sprite.Y, 130);
  Step(sprite, 500);
  EXPECT_EQ(sprite.Y, 150);
  EXPECT_EQ(sprite.SpeedY, 0);
}

TEST_F(SpriteClassTests, MoveToDestToTheCurrentPlaceKeepsTheSpeedsUntilTheNextUpdate) {
  SpriteClass sprite;
  sprite.X = 50.3;
  sprite.Y = 70;
  sprite.SpeedX = 5;
  sprite.MoveToDest(50, 70, 100);
  EXPECT_EQ(sprite.SpeedX, 5);

  SpriteClass still;
  still.X = 50.3;
  still.Y = 70;
  still.MoveToDest(50, 70, 100);
  still.Update();
  EXPECT_EQ(still.X, 50);
  EXPECT_EQ(still.Y, 70);
  // The move has ended: speeds written later are free motion.
  still.SpeedX = 10;
  Step(still, 1000);
  EXPECT_DOUBLE_EQ(still.X, 60);
}

TEST_F(SpriteClassTests, StopSpriteAndResetEndTheMove) {
  SpriteClass sprite;
  sprite.MoveToDest(100, 0, 100);
  sprite.Update();
  Step(sprite, 100);
  sprite.StopSprite();
  Step(sprite, 1000);
  EXPECT_DOUBLE_EQ(sprite.X, 10);

  sprite.SpeedX = 100;
  sprite.Frame = 1;
  sprite.Reset();
  EXPECT_EQ(sprite.SpeedX, 0);
  EXPECT_EQ(sprite.Frame, 0);
  // After a reset the next update only records the time.
  sprite.SpeedX = 100;
  Step(sprite, 1000);
  EXPECT_DOUBLE_EQ(sprite.X, 10);
  Step(sprite, 1000);
  EXPECT_DOUBLE_EQ(sprite.X, 110);
}

TEST_F(SpriteClassTests, UpdateWithATimeSetsTheTimeBase) {
  SpriteClass sprite;
  sprite.SpeedY = 40;
  sprite.Update(MilliTimer() - 500);
  EXPECT_DOUBLE_EQ(sprite.Y, 20);
  sprite.Update(MilliTimer());
  EXPECT_DOUBLE_EQ(sprite.Y, 20);
}

TEST_F(SpriteClassTests, MoveInAngleSetsBothSpeeds) {
  SpriteClass sprite;
  sprite.MoveInAngle(0, 10);
  EXPECT_DOUBLE_EQ(sprite.SpeedX, 10);
  EXPECT_NEAR(sprite.SpeedY, 0, 1e-9);
  sprite.MoveInAngle(static_cast<float>(std::numbers::pi / 2), 10);
  EXPECT_NEAR(sprite.SpeedX, 0, 1e-5);
  EXPECT_NEAR(sprite.SpeedY, 10, 1e-5);
}

TEST_F(SpriteClassTests, AFrameChangesAfterMoreThanItsTimeAndWrapsToTheFirst) {
  SpriteClass sprite;
  sprite.LoadDCImage(form, "gfx\\Game01\\card.bmp");
  sprite.LoadDCImage(form, "gfx\\Game01\\other.bmp");
  sprite.SetFrameTime({100, 100});
  sprite.Update();
  Step(sprite, 100);
  EXPECT_EQ(sprite.Frame, 0);
  Step(sprite, 1);
  EXPECT_EQ(sprite.Frame, 1);
  // However long the gap, one call advances one frame.
  Step(sprite, 5000);
  EXPECT_EQ(sprite.Frame, 0);
  Step(sprite, 60);
  Step(sprite, 41);
  EXPECT_EQ(sprite.Frame, 1);
}

TEST_F(SpriteClassTests, ASingleFrameTimeSwitchesTheAnimationOff) {
  SpriteClass sprite;
  sprite.LoadDCImage(form, "gfx\\Game01\\card.bmp");
  sprite.LoadDCImage(form, "gfx\\Game01\\other.bmp");
  sprite.SetFrameTime({100});
  sprite.Update();
  Step(sprite, 1000);
  Step(sprite, 1000);
  EXPECT_EQ(sprite.Frame, 0);
}

TEST_F(SpriteClassTests, VisibleForShowsUntilTheFirstUpdateAtItsEnd) {
  SpriteClass sprite;
  sprite.Visible = false;
  sprite.VisibleFor(0);
  EXPECT_TRUE(sprite.Visible);
  sprite.Update();
  EXPECT_FALSE(sprite.Visible);

  sprite.VisibleFor(500);
  Step(sprite, 499);
  EXPECT_TRUE(sprite.Visible);
  Step(sprite, 1);
  EXPECT_FALSE(sprite.Visible);
  // The period is over: showing the sprite again is not undone.
  sprite.Visible = true;
  Step(sprite, 1000);
  EXPECT_TRUE(sprite.Visible);
}

TEST_F(SpriteClassTests, EdgesRoundHalvesToEvenAndMiddlesHalveTheSizeDownwards) {
  SpriteClass sprite;
  sprite.X = 100.5;
  sprite.Y = 2.5;
  sprite.Width = 41;
  sprite.Height = 9;
  EXPECT_EQ(sprite.Left(), 100);
  EXPECT_EQ(sprite.Top(), 2);
  EXPECT_EQ(sprite.Bottom(), 12);  // 11.5 goes to 12
  EXPECT_DOUBLE_EQ(sprite.Right(), 141.5);
  EXPECT_DOUBLE_EQ(sprite.MiddleX(), 120.5);
  EXPECT_DOUBLE_EQ(sprite.MiddleY(), 6.5);
}

}  // namespace
}  // namespace tavlo
