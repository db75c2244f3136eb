#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/Color.h"
#include "platform/Surface.h"

typedef struct _TTF_Font TTF_Font;

namespace tavlo {

struct TextSize {
  int Width = 0;
  int Height = 0;
};

// One face at one size. Sizes are points at 96 dots per inch, so a 12-point
// text is 16 pixels high as on the desktops the screens were laid out for.
class Font {
 public:
  explicit Font(TTF_Font* face) : face_(face) {}
  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  bool Valid() const { return face_ != nullptr; }
  // The line height: ascent plus descent.
  int Height() const;
  TextSize Measure(const std::string& utf8_text) const;
  // The text in the colour on a transparent background; empty for empty text.
  Surface Render(const std::string& utf8_text, Color color) const;

 private:
  TTF_Font* face_;
};

struct FontStyle {
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  auto operator<=>(const FontStyle&) const = default;
};

// Finds faces by family name through fontconfig ("Arial" resolves to a
// metric-compatible face) and keeps every face it opened for reuse.
class FontLibrary {
 public:
  FontLibrary();
  ~FontLibrary();
  FontLibrary(const FontLibrary&) = delete;
  FontLibrary& operator=(const FontLibrary&) = delete;

  // Never null: a family that cannot be found falls back to the default sans
  // face, and a font that cannot be opened gives an invalid Font that measures
  // and draws nothing.
  const Font& Get(const std::string& family, double points, FontStyle style = {});

  // The file fontconfig picks for a family; empty when it finds none.
  static std::string FindFontFile(const std::string& family, FontStyle style = {});
  // The font families installed on the system that can write the Latin
  // letters, sorted, without repeats. Faces of symbols alone are left out:
  // a child's words would turn into symbols.
  static std::vector<std::string> Families();
  // The installed family that a name is drawn with: itself when installed,
  // else the family fontconfig puts in its place ("Arial" may be drawn with
  // "Liberation Sans"); empty when fontconfig finds none.
  static std::string MatchingFamily(const std::string& family);
  // The text height in pixels of the desktop's default sans face at its
  // configured size; empty when fontconfig knows no such face.
  static std::optional<int> DefaultSansTextHeight();

 private:
  using Key = std::tuple<std::string, int, FontStyle>;
  std::map<Key, std::unique_ptr<Font>> fonts_;
  std::map<std::pair<std::string, FontStyle>, std::string> files_;
};

}  // namespace tavlo
