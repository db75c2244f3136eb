#include "profiles/NewProfileModel.h"

#include "state/ProfileStore.h"

namespace tavlo {
namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The UTF-8 characters of a text, each as its own string.
std::vector<std::string> CharactersOf(const std::string& text) {
  std::vector<std::string> characters;
  for (char c : text) {
    if (IsContinuationByte(c) && !characters.empty()) {
      characters.back() += c;
    } else {
      characters.emplace_back(1, c);
    }
  }
  return characters;
}

size_t CharacterCount(const std::string& text) {
  size_t count = 0;
  for (char c : text) count += IsContinuationByte(c) ? 0 : 1;
  return count;
}

}  // namespace

NewProfileModel::NewProfileModel(NewProfileTexts texts) : texts_(std::move(texts)) {
  const std::vector<std::string> small = CharactersOf(texts_.SmallLetters);
  std::vector<std::string> capitals = CharactersOf(texts_.Capitals);
  // Capitals that do not stand where their small letters stand cannot be
  // trusted; the small letters are typed then.
  if (capitals.size() != small.size()) capitals = small;
  std::vector<KeyboardKey> row;
  for (size_t i = 0; i < small.size(); ++i) {
    if (small[i] == " ") {
      if (!row.empty()) rows_.push_back(std::move(row));
      row.clear();
      continue;
    }
    row.push_back({KeyboardKey::Kind::Letter, small[i], capitals[i] == " " ? small[i] : capitals[i]});
  }
  if (!row.empty()) rows_.push_back(std::move(row));
  rows_.push_back({{KeyboardKey::Kind::Blank, " ", " "}, {KeyboardKey::Kind::RubOut, "", ""}});
}

bool NewProfileModel::NextIsCapital() const {
  return name_.empty() || name_.back() == ' ' || name_.back() == '-';
}

std::string NewProfileModel::Caption(const KeyboardKey& key) const {
  switch (key.Type) {
    case KeyboardKey::Kind::Blank:
      return texts_.BlankKey;
    case KeyboardKey::Kind::RubOut:
      return texts_.RubOutKey;
    case KeyboardKey::Kind::Letter:
      break;
  }
  return NextIsCapital() ? key.Capital : key.Small;
}

void NewProfileModel::Press(const KeyboardKey& key) {
  switch (key.Type) {
    case KeyboardKey::Kind::Blank:
      Type(" ");
      break;
    case KeyboardKey::Kind::RubOut:
      RubOut();
      break;
    case KeyboardKey::Kind::Letter:
      Type(NextIsCapital() ? key.Capital : key.Small);
      break;
  }
}

void NewProfileModel::Type(const std::string& utf8) {
  for (const std::string& character : CharactersOf(utf8)) {
    const auto first = static_cast<unsigned char>(character.front());
    if (first < 0x20 || first == 0x7F) continue;
    if (CharacterCount(name_) >= kLongestName) break;
    name_ += character;
  }
  problem_.clear();
}

void NewProfileModel::RubOut() {
  while (!name_.empty() && IsContinuationByte(name_.back())) name_.pop_back();
  if (!name_.empty()) name_.pop_back();
  problem_.clear();
}

bool NewProfileModel::Accept() {
  switch (ProfileStore::CheckProfileName(name_)) {
    case ProfileNameProblem::None:
      problem_.clear();
      return true;
    case ProfileNameProblem::Empty:
      problem_ = texts_.NoName;
      break;
    case ProfileNameProblem::Refused:
      problem_ = texts_.NameRefused;
      break;
  }
  return false;
}

}  // namespace tavlo
