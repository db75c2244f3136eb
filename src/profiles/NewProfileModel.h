#pragma once

#include <string>
#include <vector>

namespace tavlo {

// The texts of the new profile dialog, from the language files.
struct NewProfileTexts {
  std::string Question;
  // The keyboard's letters in rows split at blanks, the capitals in the
  // places of their small letters.
  std::string SmallLetters;
  std::string Capitals;
  std::string BlankKey;
  std::string RubOutKey;
  std::string NoName;
  std::string NameRefused;
};

// One key of the on-screen keyboard.
struct KeyboardKey {
  enum class Kind { Letter, Blank, RubOut };
  Kind Type = Kind::Letter;
  std::string Small;
  std::string Capital;
};

// The name typed for a new profile, and the on-screen keyboard that lets a
// switch user type it: rows of letters, then a row with a blank and a key
// that takes back the last letter. A letter that begins the name or a word
// of it is typed as a capital, and the keys show the case they type.
class NewProfileModel {
 public:
  // Longer names are hard to read on the screens that show them.
  static constexpr size_t kLongestName = 40;

  explicit NewProfileModel(NewProfileTexts texts);

  const NewProfileTexts& Texts() const { return texts_; }
  const std::vector<std::vector<KeyboardKey>>& Rows() const { return rows_; }
  // What the key shows and types now.
  std::string Caption(const KeyboardKey& key) const;
  bool NextIsCapital() const;

  const std::string& Name() const { return name_; }
  // Why the name cannot be taken; empty while nothing is wrong.
  const std::string& Problem() const { return problem_; }

  void Press(const KeyboardKey& key);
  // Adds typed text, without control characters, up to the longest name.
  void Type(const std::string& utf8);
  // Takes back the last character.
  void RubOut();
  // True when the name can be a profile's; otherwise says why in Problem.
  bool Accept();

 private:
  NewProfileTexts texts_;
  std::vector<std::vector<KeyboardKey>> rows_;
  std::string name_;
  std::string problem_;
};

}  // namespace tavlo
