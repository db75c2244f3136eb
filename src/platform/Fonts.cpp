#include "platform/Fonts.h"

#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <set>

namespace tavlo {
namespace {

constexpr unsigned kDotsPerInch = 96;

int RoundPoints(double points) {
  const int rounded = static_cast<int>(std::nearbyint(points));
  return std::max(rounded, 1);
}

}  // namespace

Font::~Font() {
  if (face_ && TTF_WasInit()) TTF_CloseFont(face_);
}

int Font::Height() const { return face_ ? TTF_FontHeight(face_) : 0; }

TextSize Font::Measure(const std::string& utf8_text) const {
  TextSize size;
  if (!face_) return size;
  size.Height = TTF_FontHeight(face_);
  if (!utf8_text.empty()) TTF_SizeUTF8(face_, utf8_text.c_str(), &size.Width, nullptr);
  return size;
}

Surface Font::Render(const std::string& utf8_text, Color color) const {
  if (!face_ || utf8_text.empty()) return Surface();
  const SDL_Color sdl_color{static_cast<Uint8>(RedOf(color)), static_cast<Uint8>(GreenOf(color)),
                            static_cast<Uint8>(BlueOf(color)), 255};
  return Surface::Adopt(TTF_RenderUTF8_Blended(face_, utf8_text.c_str(), sdl_color));
}

FontLibrary::FontLibrary() {
  if (!TTF_WasInit()) TTF_Init();
}

FontLibrary::~FontLibrary() { fonts_.clear(); }

const Font& FontLibrary::Get(const std::string& family, double points, FontStyle style) {
  Key key{family, RoundPoints(points), style};
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return *found->second;

  auto file_key = std::make_pair(family, style);
  auto file = files_.find(file_key);
  if (file == files_.end()) file = files_.emplace(file_key, FindFontFile(family, style)).first;

  TTF_Font* face = nullptr;
  if (!file->second.empty()) {
    face = TTF_OpenFontDPI(file->second.c_str(), std::get<1>(key), kDotsPerInch, kDotsPerInch);
  }
  if (face) {
    int ttf_style = TTF_STYLE_NORMAL;
    if (style.Underline) ttf_style |= TTF_STYLE_UNDERLINE;
    // Synthesise what the file itself does not provide.
    const int face_style = TTF_GetFontStyle(face);
    if (style.Bold && !(face_style & TTF_STYLE_BOLD)) ttf_style |= TTF_STYLE_BOLD;
    if (style.Italic && !(face_style & TTF_STYLE_ITALIC)) ttf_style |= TTF_STYLE_ITALIC;
    TTF_SetFontStyle(face, ttf_style);
  }
  auto inserted = fonts_.emplace(key, std::make_unique<Font>(face));
  return *inserted.first->second;
}

namespace {

// The best match fontconfig finds for a family in a style; the caller
// destroys it. Null when there is none.
FcPattern* MatchFamily(const std::string& family, FontStyle style) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(
      pattern, FC_FAMILY,
      reinterpret_cast<const FcChar8*>(family.empty() ? "sans-serif" : family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, style.Bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, style.Italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  return match;
}

std::string StringOf(FcPattern* pattern, const char* object) {
  FcChar8* value = nullptr;
  if (FcPatternGetString(pattern, object, 0, &value) != FcResultMatch || !value) return {};
  return reinterpret_cast<const char*>(value);
}

// Whether the face draws every letter of the Latin alphabet, in both cases,
// as that letter. fontconfig cannot tell: it reports a face of symbols that
// puts its symbols where the letters belong as one that has the letters.
// Such a face keeps an encoding of its own (a symbol or custom one) beside
// the Unicode view that FreeType makes of it.
bool WritesLatinLetters(FT_Library library, FcPattern* font) {
  const std::string file = StringOf(font, FC_FILE);
  int index = 0;
  FcPatternGetInteger(font, FC_INDEX, 0, &index);
  FT_Face face = nullptr;
  if (file.empty() || FT_New_Face(library, file.c_str(), index, &face) != 0) return false;
  bool letters = true;
  for (int i = 0; i < face->num_charmaps; ++i) {
    const FT_Encoding encoding = face->charmaps[i]->encoding;
    if (encoding == FT_ENCODING_MS_SYMBOL || encoding == FT_ENCODING_ADOBE_CUSTOM) letters = false;
  }
  if (letters) letters = FT_Select_Charmap(face, FT_ENCODING_UNICODE) == 0;
  for (FT_ULong letter = 'A'; letters && letter <= 'Z'; ++letter) {
    letters = FT_Get_Char_Index(face, letter) != 0 && FT_Get_Char_Index(face, letter + 32) != 0;
  }
  FT_Done_Face(face);
  return letters;
}

}  // namespace

std::string FontLibrary::MatchingFamily(const std::string& family) {
  if (!FcInit()) return {};
  FcPattern* match = MatchFamily(family, {});
  if (!match) return {};
  const std::string name = StringOf(match, FC_FAMILY);
  FcPatternDestroy(match);
  return name;
}

std::string FontLibrary::FindFontFile(const std::string& family, FontStyle style) {
  if (!FcInit()) return {};
  FcPattern* match = MatchFamily(family, style);
  if (!match) return {};
  std::string file = StringOf(match, FC_FILE);
  FcPatternDestroy(match);
  return file;
}

std::vector<std::string> FontLibrary::Families() {
  std::set<std::string> names;
  if (!FcInit()) return {};
  FcPattern* pattern = FcPatternCreate();
  FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, FC_FILE, FC_INDEX, nullptr);
  FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
  FT_Library library = nullptr;
  if (fonts && FT_Init_FreeType(&library) == 0) {
    for (int i = 0; i < fonts->nfont; ++i) {
      const std::string name = StringOf(fonts->fonts[i], FC_FAMILY);
      if (name.empty() || names.contains(name)) continue;
      if (WritesLatinLetters(library, fonts->fonts[i])) names.insert(name);
    }
    FT_Done_FreeType(library);
  }
  if (fonts) FcFontSetDestroy(fonts);
  FcObjectSetDestroy(objects);
  FcPatternDestroy(pattern);
  return {names.begin(), names.end()};
}

std::optional<int> FontLibrary::DefaultSansTextHeight() {
  if (!FcInit()) return std::nullopt;
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (!match) return std::nullopt;

  FcChar8* path = nullptr;
  double pixel_size = 0;
  const bool found = FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path &&
                     FcPatternGetDouble(match, FC_PIXEL_SIZE, 0, &pixel_size) == FcResultMatch;
  std::optional<int> height;
  if (found && pixel_size > 0) {
    if (!TTF_WasInit()) TTF_Init();
    // At 72 dots per inch a point is a pixel, so this opens the face at the
    // configured pixel size.
    if (TTF_Font* face = TTF_OpenFont(reinterpret_cast<const char*>(path),
                                      static_cast<int>(std::lround(pixel_size)))) {
      height = TTF_FontHeight(face);
      TTF_CloseFont(face);
    }
  }
  FcPatternDestroy(match);
  return height;
}

}  // namespace tavlo
