#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace tavlo {

// The alphabetical order a reader of one language expects: letters first,
// without regard to case, with the language's own letters in their place in
// its alphabet (Danish æ, ø and å after z). Case decides only between texts
// that are otherwise equal, and the bytes between texts the collator holds
// equal, so every two different texts have a fixed order, as sorting needs.
class WordCollator {
 public:
  // The collator for a language folder's name ("eng", "den", ...). Collators
  // are made once per locale and shared. A language the library does not know
  // gets its root order, which still ignores case and places accents sensibly.
  static WordCollator ForLanguage(std::string_view language_folder);

  int Compare(std::string_view left, std::string_view right) const;

  // The locale a language folder's name stands for ("den" -> "da").
  static std::string LocaleOf(std::string_view language_folder);

 private:
  struct Collator;
  explicit WordCollator(std::shared_ptr<const Collator> collator)
      : collator_(std::move(collator)) {}

  // Empty when the library could not make a collator; texts are then ordered
  // by their ASCII letters without regard to case.
  std::shared_ptr<const Collator> collator_;
};

}  // namespace tavlo
