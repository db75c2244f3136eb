#include "wordlists/IcuCollation.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <map>
#include <mutex>
#include <utility>

#include "engine/AsciiCase.h"
#include "wordlists/IcuLibrary.h"

namespace tavlo {
namespace {

// Language folders are named by people, often with the three-letter codes of
// ISO 639-2 (bibliographic or terminological) or the language's own name.
// Each maps to the locale whose alphabet it uses.
struct LanguageLocale {
  std::string_view Folder;
  std::string_view Locale;
};

constexpr std::array kLanguageLocales = {
    LanguageLocale{"eng", "en"},   LanguageLocale{"english", "en"}, LanguageLocale{"den", "da"},
    LanguageLocale{"dan", "da"},   LanguageLocale{"dansk", "da"},   LanguageLocale{"danish", "da"},
    LanguageLocale{"nor", "nb"},   LanguageLocale{"nob", "nb"},     LanguageLocale{"nno", "nn"},
    LanguageLocale{"norsk", "nb"}, LanguageLocale{"swe", "sv"},     LanguageLocale{"svenska", "sv"},
    LanguageLocale{"ger", "de"},   LanguageLocale{"deu", "de"},     LanguageLocale{"deutsch", "de"},
    LanguageLocale{"fin", "fi"},   LanguageLocale{"suomi", "fi"},   LanguageLocale{"ice", "is"},
    LanguageLocale{"isl", "is"},   LanguageLocale{"fao", "fo"},     LanguageLocale{"dut", "nl"},
    LanguageLocale{"nld", "nl"},   LanguageLocale{"fre", "fr"},     LanguageLocale{"fra", "fr"},
    LanguageLocale{"spa", "es"},   LanguageLocale{"ita", "it"},     LanguageLocale{"pol", "pl"},
    LanguageLocale{"est", "et"},
};

int CompareBytes(std::string_view left, std::string_view right) {
  const int result = left.compare(right);
  return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

int CompareAsciiIgnoringCase(std::string_view left, std::string_view right) {
  const std::size_t common = std::min(left.size(), right.size());
  for (std::size_t i = 0; i < common; ++i) {
    const int a = std::tolower(static_cast<unsigned char>(left[i]));
    const int b = std::tolower(static_cast<unsigned char>(right[i]));
    if (a != b) return a < b ? -1 : 1;
  }
  if (left.size() != right.size()) return left.size() < right.size() ? -1 : 1;
  return CompareBytes(left, right);
}

}  // namespace

struct WordCollator::Collator {
  explicit Collator(UCollator* handle) : Handle(handle) {}
  ~Collator() { Icu().CloseCollator(Handle); }
  Collator(const Collator&) = delete;
  Collator& operator=(const Collator&) = delete;
  UCollator* Handle;
};

std::string WordCollator::LocaleOf(std::string_view language_folder) {
  const std::string folder = AsciiLower(language_folder);
  for (const auto& entry : kLanguageLocales) {
    if (entry.Folder == folder) return std::string(entry.Locale);
  }
  // Folders named with a locale already ("da", "en_GB") are taken as they are.
  return folder;
}

WordCollator WordCollator::ForLanguage(std::string_view language_folder) {
  static std::mutex cache_lock;
  static std::map<std::string, std::shared_ptr<const Collator>> cache;

  const std::string locale = LocaleOf(language_folder);
  const std::lock_guard<std::mutex> guard(cache_lock);
  auto found = cache.find(locale);
  if (found != cache.end()) return WordCollator(found->second);

  const IcuLibrary& icu = Icu();
  std::shared_ptr<const Collator> collator;
  if (icu.Loaded) {
    UErrorCode status = U_ZERO_ERROR;
    UCollator* handle = icu.OpenCollator(locale.c_str(), &status);
    if (U_SUCCESS(status) && handle) {
      // Tertiary strength: letters decide first, accents next, case last.
      icu.SetStrength(handle, UCOL_TERTIARY);
      collator = std::make_shared<const Collator>(handle);
    } else if (handle) {
      icu.CloseCollator(handle);
    }
  }
  cache.emplace(locale, collator);
  return WordCollator(collator);
}

int WordCollator::Compare(std::string_view left, std::string_view right) const {
  if (!collator_) return CompareAsciiIgnoringCase(left, right);
  UErrorCode status = U_ZERO_ERROR;
  const UCollationResult result =
      Icu().CompareUtf8(collator_->Handle, left.data(), static_cast<int32_t>(left.size()),
                        right.data(), static_cast<int32_t>(right.size()), &status);
  if (U_FAILURE(status)) return CompareAsciiIgnoringCase(left, right);
  if (result == UCOL_LESS) return -1;
  if (result == UCOL_GREATER) return 1;
  return CompareBytes(left, right);
}

}  // namespace tavlo
