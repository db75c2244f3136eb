#include "games/ChoiceRecording.h"

#include <cctype>
#include <filesystem>
#include <system_error>

#include "engine/AsciiCase.h"
#include "engine/FilePaths.h"
#include "engine/SpriteClass.h"
#include "state/ProgramState.h"
#include "state/SpeechVoice.h"

namespace tavlo {
namespace {

bool NamesRecording(const std::string& name) {
  return name.size() >= 4 && SameIgnoringAsciiCase(name.substr(name.size() - 4), ".wav") &&
         IsNameInsideFolder(name);
}

// A picture's Label names its word's sound file ("apple.ogg"), which is not
// a text to say.
bool NamesSoundFile(const std::string& label) {
  const std::size_t dot = label.rfind('.');
  if (dot == std::string::npos || label.find(' ') != std::string::npos) return false;
  const std::string extension = AsciiLower(label.substr(dot + 1));
  for (const char* sound : {"wav", "mp3", "ogg", "oga", "opus", "flac", "mid", "midi"}) {
    if (extension == sound) return true;
  }
  return false;
}

// The words of a text in small letters joined by hyphens, as the data
// folder names its recorded sentences.
std::string HyphenatedWords(const std::string& text) {
  std::string name;
  bool in_word = false;
  for (const char c : text) {
    const auto letter = static_cast<unsigned char>(c);
    if (std::isalnum(letter) && letter < 0x80) {
      if (!in_word && !name.empty()) name += '-';
      name += static_cast<char>(std::tolower(letter));
      in_word = true;
    } else {
      in_word = false;
    }
  }
  return name.empty() ? name : name + ".wav";
}

std::string ExistingSpeech(const ProgramState& state, const std::string& name) {
  if (name.empty() || !IsNameInsideFolder(name)) return "";
  const std::string file = state.SpeechFile(name);
  std::error_code error;
  return std::filesystem::is_regular_file(ResolvePath(std::filesystem::path(), file), error) ? file
                                                                                            : "";
}

}  // namespace

std::string ChoiceRecording(const ProgramState& state, const std::string& game_id,
                            const SpriteClass& choice) {
  const auto& answers = state.Texts.gGameData;
  for (std::size_t i = 0; i < answers.size(); ++i) {
    if (!answers[i].empty() && (answers[i] == choice.Label || answers[i] == choice.Text)) {
      return state.Texts.SpokenLine(game_id + "data", static_cast<int>(i));
    }
  }
  if (NamesRecording(choice.Label)) return state.SpeechFile(choice.Label);
  for (const std::string* text : {&choice.Text, &choice.Label}) {
    if (text->empty()) continue;
    for (const std::string& name : {*text + ".wav", HyphenatedWords(*text)}) {
      const std::string file = ExistingSpeech(state, name);
      if (!file.empty()) return file;
    }
  }
  return "";
}

SpokenName ChoiceName(const ProgramState& state, const std::string& game_id,
                      const SpriteClass& choice) {
  SpokenName name;
  name.Recording = ChoiceRecording(state, game_id, choice);
  name.Text = !choice.Text.empty() || NamesSoundFile(choice.Label) ? choice.Text : choice.Label;
  name.Voice = SpeechVoiceOf(state.Texts.gLanguage);
  return name;
}

}  // namespace tavlo
