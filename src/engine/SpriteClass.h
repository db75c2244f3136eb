#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Color.h"
#include "platform/Surface.h"

namespace tavlo {

class Form;

// The one drawable object of every screen: one or more images, a position in
// pixels of the form, an optional straight-line motion, an optional frame
// animation, visibility with an optional time limit, and hit and collision
// tests. A sprite holds no form; every drawing operation is given the form to
// draw on. Times are MilliTimer milliseconds.
class SpriteClass {
 public:
  SpriteClass();

  // The public fields in the order every screen knows them.
  double DestX = 0;
  double DestY = 0;
  std::int32_t Frame = 0;
  std::int32_t ImageCount = 0;
  bool Flag1 = false;
  bool Flag2 = false;
  std::int32_t Value1 = 0;
  std::int32_t Value2 = 0;
  std::int32_t Value3 = 0;
  std::string Text;
  double X = 0;
  double Y = 0;
  double SpeedX = 0;  // pixels per second
  double SpeedY = 0;
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  double Extra = 0;
  Color TransparentColor = 0;
  bool Visible = true;
  bool Selected = false;
  std::string Label;
  std::string Text2;
  std::string Text3;
  std::int32_t Value4 = 0;
  std::int32_t Value5 = 0;

  // Lets go of every image, leaving a sprite that a later load fills from
  // image 0 again. Position, motion and frame times stay.
  int CleanUp();
  // Loads a picture of the program folder (or an absolute path) as the next
  // image; false, with the sprite unchanged, when it cannot be read.
  bool LoadDCImage(Form& form, const std::string& file);
  // A button's picture. When it cannot be read, the button gets a plain face
  // of its usual size instead, so that it can still be seen and pressed: a
  // screen with a deleted picture stays usable. False when the face stands in.
  bool LoadButtonImage(Form& form, const std::string& file, int width, int height);
  // Image index; an index outside the images gives image 0.
  Surface GetDC(int index) const;
  // Borrows an image as image 0; the image count stays.
  void SetDC(const Surface& image);
  // Borrows the other sprite's image 0 with its size and key colour.
  void SetSpriteDC(const SpriteClass& other);
  // A pixel of image 0; kNoPixel outside it.
  Color GetDCPixel(std::int32_t x, std::int32_t y) const;
  Color SetDCPixel(std::int32_t x, std::int32_t y, Color color);

  void StopSprite();
  // Starts a straight move to (x, y). The longer axis moves at speed pixels
  // per second and the other is scaled to keep the path straight.
  void MoveToDest(double x, double y, int speed);
  void MoveInAngle(float angle, double speed);
  // One display time per image, in milliseconds; a single value (or none)
  // switches the animation off.
  void SetFrameTime(const std::vector<double>& times);
  // Advances motion, animation and timed visibility to now. A time other than
  // -1 first sets the time base (so nothing moves on that call).
  void Update(std::int32_t time = -1);
  // Shows the sprite until the first Update at least that many milliseconds
  // from now.
  void VisibleFor(std::int32_t milliseconds);
  void Reset();

  void Draw(Form& form);
  void DrawAt(Form& form, int x, int y);
  void DrawTransp(Form& form);
  void DrawTranspAt(Form& form, std::int32_t x, std::int32_t y);
  // An outline of the given pen width just outside the sprite's rectangle.
  void DrawBorder(Color color, int width, Form& form);

  // Both edges of each axis count as inside.
  bool IsUnder(double x, double y) const;
  // The rectangles overlap; touching along an edge is no collision.
  bool SpriteCollision(const SpriteClass& other) const;
  // A non-transparent pixel of each sprite's image 0 lies on the same point.
  bool PixelCollision(const SpriteClass& other) const;

  std::int32_t Top() const;
  std::int32_t Bottom() const;
  std::int32_t Left() const;
  double Right() const;
  double MiddleX() const;
  double MiddleY() const;

 private:
  // The image drawn now; an empty image when Frame names none.
  const Surface& CurrentImage() const;
  // Appends a frame and takes its size.
  void AddImage(const Surface& image, Color transparent_color);

  std::vector<Surface> Images;
  std::int32_t LastTime = 0;
  std::int32_t VisibleUntil = 0;
  std::vector<std::int32_t> FrameTimes;
  std::int32_t FrameElapsed = 0;
  bool Moving = false;
  bool TimedVisible = false;
};

}  // namespace tavlo
