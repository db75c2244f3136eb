// A full redraw of a busy game-like screen, as every pointer move and every
// scanning step does: the background, 20 transparent 150 x 150 sprites, four
// highlight borders and ten lines of text.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "engine/Application.h"
#include "engine/Form.h"
#include "engine/SpriteClass.h"
#include "platform/NullPlatform.h"

namespace tavlo {
namespace {

constexpr Color kKey = RGB(255, 0, 255);

// A picture with a pattern, so that blits cannot take a shortcut.
Surface PatternPicture(int width, int height, int seed) {
  Surface picture = Surface::Create(width, height);
  for (int y = 0; y < height; y += 10) {
    for (int x = 0; x < width; x += 10) {
      const Color color = RGB((x + seed * 13) & 0xFF, (y + seed * 7) & 0xFF, (seed * 31) & 0xFF);
      picture.Fill(x, y, 10, 10, color);
    }
  }
  return picture;
}

// A round card: opaque inside a circle, key colour in the corners.
Surface CardPicture(int size, int seed) {
  Surface picture = PatternPicture(size, size, seed);
  const int centre = size / 2;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const int dx = x - centre;
      const int dy = y - centre;
      if (dx * dx + dy * dy > centre * centre) picture.SetPixel(x, y, kKey);
    }
  }
  return picture;
}

class BusyScreen {
 public:
  BusyScreen() : app_(platform_, fonts_), form_(app_) {
    background_.SetDC(PatternPicture(Form::kWidth, Form::kHeight, 1));
    background_.Width = Form::kWidth;
    background_.Height = Form::kHeight;
    for (std::size_t i = 0; i < cards_.size(); ++i) {
      SpriteClass& card = cards_[i];
      card.SetDC(CardPicture(150, static_cast<int>(i)));
      card.Width = 150;
      card.Height = 150;
      card.TransparentColor = kKey;
      card.X = static_cast<double>((i % 5) * 160 + 5);
      card.Y = static_cast<double>((i / 5) * 145 + 15);
      card.Selected = i % 5 == 0;
    }
    // Measure once, so the first iteration does not pay for opening the face.
    form_.Graphics().FontSize = 17;
    form_.Graphics().TextWidth("warm up");
  }

  void Redraw() {
    form_.Graphics().Cls();
    DrawPictures();
    DrawTexts();
  }

  void DrawPictures() {
    background_.Draw(form_);
    for (SpriteClass& card : cards_) card.DrawTransp(form_);
    for (SpriteClass& card : cards_) {
      if (card.Selected) card.DrawBorder(kHighlightBlue, 3, form_);
    }
  }

  void DrawTexts() {
    Canvas& canvas = form_.Graphics();
    canvas.FontSize = 17;
    canvas.ForeColor = kBlack;
    for (int line = 0; line < 10; ++line) {
      canvas.CurrentX = 20;
      canvas.CurrentY = 20 + line * 55;
      canvas.Print("The cat sits on the mat " + std::to_string(line));
    }
  }

 private:
  NullPlatform platform_;
  FontLibrary fonts_;
  Application app_;
  Form form_;
  SpriteClass background_;
  std::array<SpriteClass, 20> cards_;
};

void BM_FullRedrawOfABusyScreen(benchmark::State& state) {
  BusyScreen screen;
  for (auto _ : state) screen.Redraw();
}
BENCHMARK(BM_FullRedrawOfABusyScreen)->Unit(benchmark::kMicrosecond);

// The two halves of the redraw, to see where its time goes.
void BM_PicturesOnly(benchmark::State& state) {
  BusyScreen screen;
  for (auto _ : state) screen.DrawPictures();
}
BENCHMARK(BM_PicturesOnly)->Unit(benchmark::kMicrosecond);

void BM_TextsOnly(benchmark::State& state) {
  BusyScreen screen;
  for (auto _ : state) screen.DrawTexts();
}
BENCHMARK(BM_TextsOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tavlo
