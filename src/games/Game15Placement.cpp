#include "games/Game15Placement.h"

#include <algorithm>
#include <array>
#include <vector>

#include "engine/Random.h"
#include "engine/Rounding.h"
#include "engine/SpriteClass.h"

namespace tavlo::game15 {
namespace {

// Where a label's left and top edges may lie, and how far its right and
// bottom edges may reach, in each quarter of the field. A gap of five
// pixels keeps the quarters apart.
struct Quarter {
  int Left;
  int Top;
  int Right;
  int Bottom;
};
constexpr std::array<Quarter, 4> kQuarters = {{
    {0, kFieldTop, 395, 295},
    {400, kFieldTop, 795, 295},
    {0, 300, 395, 595},
    {400, 300, 795, 595},
}};

constexpr int kRunInMargin = 20;
constexpr int kRunInAhead = 200;
// Random draws find a free place at once unless the labels are huge; past
// this many the quarter is searched in order instead.
constexpr int kMostDraws = 1000;

Rect BoundsAt(int x, int y, const SpriteClass& sprite) {
  return Rect{x, y, x + sprite.Width, y + sprite.Height};
}

bool IsFree(const Rect& box, const std::vector<Rect>& taken) {
  Rect overlap;
  return std::none_of(taken.begin(), taken.end(),
                      [&](const Rect& other) { return IntersectRects(box, other, overlap); });
}

}  // namespace

void PlaceAnimal(SpriteClass& animal) {
  animal.X = kFieldWidth / 2 - animal.Width;
  animal.Y = 300 - animal.Height / 2.0;
}

Rect RunInSpace(const SpriteClass& animal) {
  return Rect{animal.Left() - kRunInMargin, animal.Top() - kRunInMargin,
              nint(animal.Right()) + kRunInAhead, animal.Bottom() + kRunInMargin};
}

void PlaceLabels(std::span<SpriteClass> labels, const Rect& keep_clear) {
  std::vector<Rect> taken{keep_clear};
  for (size_t i = 0; i < labels.size() && i < kQuarters.size(); ++i) {
    SpriteClass& label = labels[i];
    const Quarter& quarter = kQuarters[i];
    // A label bigger than its quarter keeps to the quarter's corner, pulled
    // back onto the screen as far as its size allows.
    const int x_first = std::min(quarter.Left, std::max(0, kFieldWidth - label.Width));
    const int y_first = std::min(quarter.Top, std::max(kFieldTop, kFieldBottom - label.Height));
    const int x_last = std::max(x_first, quarter.Right - label.Width);
    const int y_last = std::max(y_first, quarter.Bottom - label.Height);
    int x = x_first;
    int y = y_first;
    bool placed = false;
    for (int draw = 0; draw < kMostDraws && !placed; ++draw) {
      const int drawn_x = RandomInt(x_first, x_last);
      const int drawn_y = RandomInt(y_first, y_last);
      if (IsFree(BoundsAt(drawn_x, drawn_y, label), taken)) {
        x = drawn_x;
        y = drawn_y;
        placed = true;
      }
    }
    for (int scan_y = y_first; scan_y <= y_last && !placed; ++scan_y) {
      for (int scan_x = x_first; scan_x <= x_last && !placed; ++scan_x) {
        if (IsFree(BoundsAt(scan_x, scan_y, label), taken)) {
          x = scan_x;
          y = scan_y;
          placed = true;
        }
      }
    }
    label.X = x;
    label.Y = y;
    taken.push_back(BoundsAt(x, y, label));
  }
}

}  // namespace tavlo::game15
