#include "platform/Surface.h"

#include <SDL.h>
#include <SDL_image.h>

#include "platform/RegularFile.h"

namespace tavlo {
namespace {

// Every picture we own is kept in one 32-bit layout, so blits between them take
// SDL's fastest path and pixel reads need no format lookup.
constexpr Uint32 kPixelFormat = SDL_PIXELFORMAT_RGB888;

std::shared_ptr<SDL_Surface> Own(SDL_Surface* surface) {
  return std::shared_ptr<SDL_Surface>(surface, SDL_FreeSurface);
}

Color FromNative(Uint32 pixel) {
  return RGB(static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
             static_cast<int>(pixel & 0xFF));
}

Uint32* PixelAddress(SDL_Surface* surface, int x, int y) {
  return reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch) + x;
}

}  // namespace

Surface Surface::Create(int width, int height) {
  if (width <= 0 || height <= 0) return Surface();
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, kPixelFormat);
  if (!surface) return Surface();
  SDL_FillRect(surface, nullptr, 0);
  return Surface(Own(surface));
}

Surface Surface::Load(const std::filesystem::path& file) {
  if (!IsRegularFile(file)) return Surface();
  SDL_Surface* loaded = IMG_Load(file.string().c_str());
  if (!loaded) return Surface();
  SDL_Surface* converted = SDL_ConvertSurfaceFormat(loaded, kPixelFormat, 0);
  SDL_FreeSurface(loaded);
  if (!converted) return Surface();
  // A GIF's own transparency would otherwise follow the picture into every
  // opaque blit; transparency here is always the caller's key colour.
  SDL_SetColorKey(converted, SDL_FALSE, 0);
  SDL_SetSurfaceBlendMode(converted, SDL_BLENDMODE_NONE);
  return Surface(Own(converted));
}

Surface Surface::Adopt(SDL_Surface* surface) {
  if (!surface) return Surface();
  return Surface(Own(surface));
}

int Surface::Width() const { return pixels_ ? pixels_->w : 0; }
int Surface::Height() const { return pixels_ ? pixels_->h : 0; }

Color Surface::GetPixel(int x, int y) const {
  if (!pixels_ || x < 0 || y < 0 || x >= pixels_->w || y >= pixels_->h) return kNoPixel;
  const Uint32 pixel = *PixelAddress(pixels_.get(), x, y);
  if (pixels_->format->format == kPixelFormat) return FromNative(pixel);
  Uint8 red = 0, green = 0, blue = 0;
  SDL_GetRGB(pixel, pixels_->format, &red, &green, &blue);
  return RGB(red, green, blue);
}

Color Surface::SetPixel(int x, int y, Color color) {
  const Color previous = GetPixel(x, y);
  if (previous == kNoPixel) return kNoPixel;
  *PixelAddress(pixels_.get(), x, y) =
      SDL_MapRGB(pixels_->format, static_cast<Uint8>(RedOf(color)),
                 static_cast<Uint8>(GreenOf(color)), static_cast<Uint8>(BlueOf(color)));
  return previous;
}

void Surface::Fill(int x, int y, int width, int height, Color color) {
  if (!pixels_ || width <= 0 || height <= 0) return;
  SDL_Rect rect{x, y, width, height};
  SDL_FillRect(pixels_.get(), &rect,
               SDL_MapRGB(pixels_->format, static_cast<Uint8>(RedOf(color)),
                          static_cast<Uint8>(GreenOf(color)), static_cast<Uint8>(BlueOf(color))));
}

void Surface::Clear(Color color) { Fill(0, 0, Width(), Height(), color); }

void Surface::Blit(const Surface& source, int x, int y, int width, int height, int source_x,
                   int source_y) {
  if (!pixels_ || source.Empty() || width <= 0 || height <= 0) return;
  SDL_Rect from{source_x, source_y, width, height};
  SDL_Rect to{x, y, width, height};
  SDL_BlitSurface(source.pixels_.get(), &from, pixels_.get(), &to);
}

void Surface::BlitKeyed(const Surface& source, int x, int y, int width, int height, Color key,
                        int source_x, int source_y) {
  if (!pixels_ || source.Empty() || width <= 0 || height <= 0) return;
  SDL_Surface* from_surface = source.pixels_.get();
  SDL_SetColorKey(from_surface, SDL_TRUE,
                  SDL_MapRGB(from_surface->format, static_cast<Uint8>(RedOf(key)),
                             static_cast<Uint8>(GreenOf(key)), static_cast<Uint8>(BlueOf(key))));
  SDL_Rect from{source_x, source_y, width, height};
  SDL_Rect to{x, y, width, height};
  SDL_BlitSurface(from_surface, &from, pixels_.get(), &to);
  SDL_SetColorKey(from_surface, SDL_FALSE, 0);
}

void Surface::BlitBlended(const Surface& source, int x, int y) {
  if (!pixels_ || source.Empty()) return;
  SDL_SetSurfaceBlendMode(source.pixels_.get(), SDL_BLENDMODE_BLEND);
  SDL_Rect to{x, y, source.Width(), source.Height()};
  SDL_BlitSurface(source.pixels_.get(), nullptr, pixels_.get(), &to);
}

Surface Surface::Clone() const {
  if (!pixels_) return Surface();
  SDL_Surface* copy = SDL_ConvertSurfaceFormat(pixels_.get(), pixels_->format->format, 0);
  return copy ? Surface(Own(copy)) : Surface();
}

}  // namespace tavlo
