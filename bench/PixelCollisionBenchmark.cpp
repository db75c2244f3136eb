// PixelCollision of two overlapping 150 x 150 sprites: the one test that
// reads pixels one by one. The miss is the worst case, as it reads the whole
// overlap; the hit stops at the first opaque pair.
#include <benchmark/benchmark.h>

#include "engine/SpriteClass.h"

namespace tavlo {
namespace {

constexpr Color kKey = RGB(255, 0, 255);
constexpr Color kOpaque = RGB(20, 120, 40);

// A sprite whose picture is opaque only in a disc of the given radius.
SpriteClass Disc(int radius, double x, double y) {
  constexpr int kSize = 150;
  Surface picture = Surface::Create(kSize, kSize);
  picture.Clear(kKey);
  const int centre = kSize / 2;
  for (int py = 0; py < kSize; ++py) {
    for (int px = 0; px < kSize; ++px) {
      const int dx = px - centre;
      const int dy = py - centre;
      if (dx * dx + dy * dy <= radius * radius) picture.SetPixel(px, py, kOpaque);
    }
  }
  SpriteClass sprite;
  sprite.SetDC(picture);
  sprite.Width = kSize;
  sprite.Height = kSize;
  sprite.TransparentColor = kKey;
  sprite.X = x;
  sprite.Y = y;
  return sprite;
}

void BM_PixelCollisionMiss(benchmark::State& state) {
  // Small discs whose bounding boxes overlap by 100 x 100 pixels.
  const SpriteClass a = Disc(20, 0, 0);
  const SpriteClass b = Disc(20, 50, 50);
  for (auto _ : state) benchmark::DoNotOptimize(a.PixelCollision(b));
}
BENCHMARK(BM_PixelCollisionMiss)->Unit(benchmark::kMicrosecond);

void BM_PixelCollisionHit(benchmark::State& state) {
  const SpriteClass a = Disc(70, 0, 0);
  const SpriteClass b = Disc(70, 75, 75);
  for (auto _ : state) benchmark::DoNotOptimize(a.PixelCollision(b));
}
BENCHMARK(BM_PixelCollisionHit)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tavlo
