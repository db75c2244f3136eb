#include "engine/SpriteClass.h"

#include <cmath>
#include <cstdlib>

#include "engine/Application.h"
#include "engine/Drawing.h"
#include "engine/Form.h"
#include "engine/MilliTimer.h"
#include "engine/Rounding.h"

namespace tavlo {
namespace {

Rect BoundsOf(const SpriteClass& sprite) {
  return Rect{nint(sprite.X), nint(sprite.Y), nint(sprite.X + sprite.Width),
              nint(sprite.Y + sprite.Height)};
}

bool IsOpaque(Color pixel, Color key) { return pixel != key && pixel != kNoPixel; }

}  // namespace

// Image 0 and frame time 0 always exist, so that an empty sprite draws and
// animates as "nothing" without a special case.
SpriteClass::SpriteClass() : Images(1), FrameTimes(1, 0) {}

int SpriteClass::CleanUp() {
  // Images are shared pictures: letting go of ours frees the pixels unless a
  // borrower still holds them, so a borrower never sees freed memory.
  Images.assign(1, Surface());
  ImageCount = 0;
  return 0;
}

bool SpriteClass::LoadDCImage(Form& form, const std::string& file) {
  Surface image = Surface::Load(form.App().ResourcePath(file));
  if (image.Empty()) return false;
  AddImage(image, image.GetPixel(0, 0));
  return true;
}

void SpriteClass::AddImage(const Surface& image, Color transparent_color) {
  const auto upper = static_cast<std::int32_t>(Images.size()) - 1;
  if (ImageCount > upper) Images.emplace_back();
  Images.back() = image;
  ImageCount += 1;
  Width = image.Width();
  Height = image.Height();
  TransparentColor = transparent_color;
}

bool SpriteClass::LoadButtonImage(Form& form, const std::string& file, int width, int height) {
  if (LoadDCImage(form, file)) return true;
  constexpr Color kFace = RGB(236, 236, 236);
  constexpr Color kEdge = RGB(96, 96, 96);
  constexpr int kEdgeWidth = 3;
  Surface face = Surface::Create(width, height);
  face.Fill(0, 0, width, height, kEdge);
  face.Fill(kEdgeWidth, kEdgeWidth, width - 2 * kEdgeWidth, height - 2 * kEdgeWidth, kFace);
  // A colour the face does not hold: drawn see-through, all of it shows.
  AddImage(face, RGB(255, 0, 255));
  return false;
}

Surface SpriteClass::GetDC(int index) const {
  if (index < 0 || index >= static_cast<int>(Images.size())) return Images[0];
  return Images[static_cast<std::size_t>(index)];
}

void SpriteClass::SetDC(const Surface& image) { Images[0] = image; }

void SpriteClass::SetSpriteDC(const SpriteClass& other) {
  Images[0] = other.Images[0];
  Width = other.Width;
  Height = other.Height;
  TransparentColor = other.TransparentColor;
}

Color SpriteClass::GetDCPixel(std::int32_t x, std::int32_t y) const {
  return Images[0].GetPixel(x, y);
}

Color SpriteClass::SetDCPixel(std::int32_t x, std::int32_t y, Color color) {
  return Images[0].SetPixel(x, y, color);
}

void SpriteClass::StopSprite() {
  SpeedX = 0;
  SpeedY = 0;
  Moving = false;
}

void SpriteClass::MoveToDest(double x, double y, int speed) {
  Moving = true;
  DestX = x;
  DestY = y;
  const std::int32_t dx = nint(std::fabs(X - x));
  const std::int32_t dy = nint(std::fabs(Y - y));
  // Already there: the speeds stay, and the next Update snaps to the
  // destination and ends the move.
  if (dx == 0 && dy == 0) return;
  const int sign_x = X >= x ? -1 : 1;
  const int sign_y = Y >= y ? -1 : 1;
  SpeedX = 0;
  SpeedY = 0;
  if (dx <= dy) {
    SpeedX = (static_cast<double>(dx) / dy) * speed * sign_x;
    SpeedY = speed * sign_y;
  } else {
    SpeedX = speed * sign_x;
    SpeedY = (static_cast<double>(dy) / dx) * speed * sign_y;
  }
}

void SpriteClass::MoveInAngle(float angle, double speed) {
  SpeedX = std::cos(angle) * speed;
  SpeedY = std::sin(angle) * speed;
}

void SpriteClass::SetFrameTime(const std::vector<double>& times) {
  FrameTimes.clear();
  for (double time : times) FrameTimes.push_back(nint(time));
  if (FrameTimes.empty()) FrameTimes.push_back(0);
}

void SpriteClass::Update(std::int32_t time) {
  if (time != -1) LastTime = time;
  const std::int32_t elapsed = LastTime == 0 ? 0 : ElapsedMilliseconds(MilliTimer(), LastTime);

  X += elapsed * SpeedX / 1000;
  Y += elapsed * SpeedY / 1000;

  if (Moving) {
    const std::int32_t ix = nint(X - DestX);
    const std::int32_t iy = nint(Y - DestY);
    // Reached or passed on an axis: that axis stops exactly on the destination.
    if ((SpeedX < 0 && ix <= 0) || (SpeedX >= 0 && ix >= 0)) {
      SpeedX = 0;
      X = DestX;
    }
    if ((SpeedY < 0 && iy <= 0) || (SpeedY >= 0 && iy >= 0)) {
      SpeedY = 0;
      Y = DestY;
    }
    if (SpeedX == 0 && SpeedY == 0) Moving = false;
  }

  if (FrameTimes.size() > 1) {
    FrameElapsed += elapsed;
    // A frame without a display time of its own is shown for no time at all,
    // rather than stopping the animation.
    const std::int32_t shown_for =
        Frame >= 0 && Frame < static_cast<std::int32_t>(FrameTimes.size())
            ? FrameTimes[static_cast<std::size_t>(Frame)]
            : 0;
    if (shown_for < FrameElapsed) {
      Frame += 1;
      if (Frame > static_cast<std::int32_t>(Images.size()) - 1) Frame = 0;
      FrameElapsed = 0;
    }
  }

  LastTime = MilliTimer();
  if (TimedVisible && ElapsedMilliseconds(LastTime, VisibleUntil) >= 0) {
    Visible = false;
    TimedVisible = false;
  }
}

void SpriteClass::VisibleFor(std::int32_t milliseconds) {
  Visible = true;
  TimedVisible = true;
  VisibleUntil = static_cast<std::int32_t>(static_cast<std::uint32_t>(MilliTimer()) +
                                           static_cast<std::uint32_t>(milliseconds));
}

void SpriteClass::Reset() {
  SpeedX = 0;
  SpeedY = 0;
  LastTime = 0;
  Frame = 0;
  FrameElapsed = 0;
  Moving = false;
}

const Surface& SpriteClass::CurrentImage() const {
  static const Surface kNoImage;
  if (Frame < 0 || Frame >= static_cast<std::int32_t>(Images.size())) return kNoImage;
  return Images[static_cast<std::size_t>(Frame)];
}

void SpriteClass::Draw(Form& form) { DrawAt(form, nint(X), nint(Y)); }

void SpriteClass::DrawAt(Form& form, int x, int y) {
  if (!Visible) return;
  form.Picture().Blit(CurrentImage(), x, y, Width, Height);
}

void SpriteClass::DrawTransp(Form& form) { DrawTranspAt(form, nint(X), nint(Y)); }

void SpriteClass::DrawTranspAt(Form& form, std::int32_t x, std::int32_t y) {
  if (!Visible) return;
  MaskBlit(form.Picture(), x, y, Width, Height, CurrentImage(), 0, 0, TransparentColor);
}

void SpriteClass::DrawBorder(Color color, int width, Form& form) {
  if (!Visible) return;
  Canvas& canvas = form.Graphics();
  const int draw_width = canvas.DrawWidth;
  canvas.DrawWidth = width;
  const int half = HalfOf(width);
  // The pen is centred on these lines, so the border sits just outside the
  // sprite's rectangle on all four sides.
  canvas.Box(nint(X - width + half), nint(Y - width + half), nint(X + Width + half),
             nint(Y + Height + half), color);
  canvas.DrawWidth = draw_width;
}

bool SpriteClass::IsUnder(double x, double y) const {
  return X <= x && x <= X + Width && Y <= y && y <= Y + Height;
}

bool SpriteClass::SpriteCollision(const SpriteClass& other) const {
  Rect overlap;
  return IntersectRects(BoundsOf(*this), BoundsOf(other), overlap);
}

bool SpriteClass::PixelCollision(const SpriteClass& other) const {
  Rect overlap;
  if (!IntersectRects(BoundsOf(*this), BoundsOf(other), overlap)) return false;
  const Surface& mine = Images[0];
  const Surface& theirs = other.Images[0];
  const std::int32_t my_x = overlap.Left - nint(X);
  const std::int32_t my_y = overlap.Top - nint(Y);
  const std::int32_t their_x = overlap.Left - nint(other.X);
  const std::int32_t their_y = overlap.Top - nint(other.Y);
  // Both ends are included: the row and column just past the overlap read
  // outside the pictures and count as transparent.
  for (std::int32_t r = 0; r <= overlap.Bottom - overlap.Top; ++r) {
    for (std::int32_t c = 0; c <= overlap.Right - overlap.Left; ++c) {
      if (!IsOpaque(mine.GetPixel(my_x + c, my_y + r), TransparentColor)) continue;
      if (IsOpaque(theirs.GetPixel(their_x + c, their_y + r), other.TransparentColor)) return true;
    }
  }
  return false;
}

std::int32_t SpriteClass::Top() const { return nint(Y); }
std::int32_t SpriteClass::Bottom() const { return nint(Height + Y); }
std::int32_t SpriteClass::Left() const { return nint(X); }
double SpriteClass::Right() const { return Width + X; }
double SpriteClass::MiddleX() const { return X + HalfOf(Width); }
double SpriteClass::MiddleY() const { return Y + HalfOf(Height); }

}  // namespace tavlo
