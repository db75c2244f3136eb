#pragma once

#include <filesystem>
#include <memory>

#include "platform/Color.h"

struct SDL_Surface;

namespace tavlo {

// A picture in memory: 32-bit pixels that screens draw into and blit from.
// Copies share the pixels (a borrowed image sees every change of its owner);
// an empty Surface is a harmless "no image" that draws nothing.
class Surface {
 public:
  Surface() = default;

  static Surface Create(int width, int height);
  // Loads BMP, GIF, JPEG, PNG or ICO. A file that is missing or unreadable gives
  // an empty surface.
  static Surface Load(const std::filesystem::path& file);
  // Wraps a surface made by a library (text rendering); takes ownership.
  static Surface Adopt(SDL_Surface* surface);

  bool Empty() const { return !pixels_; }
  int Width() const;
  int Height() const;

  // kNoPixel outside the picture or on an empty surface.
  Color GetPixel(int x, int y) const;
  // Returns the colour that was there before, or kNoPixel when (x, y) is outside.
  Color SetPixel(int x, int y, Color color);

  // Fills the rectangle, clipped to the surface.
  void Fill(int x, int y, int width, int height, Color color);
  void Clear(Color color);

  // Copies width x height pixels of source from (source_x, source_y) to (x, y).
  void Blit(const Surface& source, int x, int y, int width, int height, int source_x = 0,
            int source_y = 0);
  // The same, leaving every source pixel of the key colour out.
  void BlitKeyed(const Surface& source, int x, int y, int width, int height, Color key,
                 int source_x = 0, int source_y = 0);
  // Blends a surface with an alpha channel (rendered text) onto this one.
  void BlitBlended(const Surface& source, int x, int y);

  // A copy with pixels of its own.
  Surface Clone() const;
  // For the platform layer only: the library surface behind this picture.
  SDL_Surface* NativeHandle() const { return pixels_.get(); }

 private:
  explicit Surface(std::shared_ptr<SDL_Surface> pixels) : pixels_(std::move(pixels)) {}
  std::shared_ptr<SDL_Surface> pixels_;
};

}  // namespace tavlo
