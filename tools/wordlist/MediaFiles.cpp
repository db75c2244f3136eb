#include "MediaFiles.h"

#include <string_view>

namespace tavlo::wordlist {
namespace {

// Where one game looks for a row's files. Speech folders are under
// "speech/<language>/"; a game's own folder there is its lower-case id.
struct GameMedia {
  std::string_view Table;
  std::vector<std::string_view> PictureFolders;
  // Folders (under the language's speech folder) holding the Sound file.
  std::vector<std::string_view> SoundFolders;
  // A recording named by a text slot plus ".wav": its folder and the slot.
  std::string_view TextSpeechFolder;
  int TextSpeechSlot = -1;
  std::string_view TextSpeechColumn;
};

const std::vector<GameMedia>& Games() {
  static const std::vector<GameMedia> games = {
      {"Game01", {"backgrounds/"}, {""}, {}, -1, {}},
      {"Game02", {"images/"}, {""}, "game02/", 1, "Sentence"},
      {"Game03", {"images/"}, {"game03/"}, {}, -1, {}},
      {"Game04", {"images/"}, {"", "game04/"}, {}, -1, {}},
      {"Game05", {"images/"}, {""}, {}, -1, {}},
      {"Game06", {"images/paint/color/", "images/paint/nocolor/"}, {"game06/"}, {}, -1, {}},
      {"Game07", {"backgrounds/"}, {"game07/"}, "", 1, "SentenceB"},
      {"Game08", {"images/"}, {"game08/", ""}, {}, -1, {}},
      {"Game09", {"images/"}, {""}, {}, -1, {}},
      {"Game10", {"backgrounds/"}, {"game10/"}, {}, -1, {}},
      {"Game11", {"backgrounds/"}, {"game11/"}, {}, -1, {}},
      {"Game12", {}, {""}, {}, -1, {}},
      {"Game13", {"images/"}, {""}, {}, -1, {}},
      {"Game14", {"images/"}, {""}, "game14/", 1, "StrNum"},
      {"Game15", {"images/"}, {""}, {}, -1, {}},
  };
  return games;
}

std::string Under(std::string_view folder, const std::string& name) {
  return name.empty() ? std::string() : std::string(folder) + name;
}

}  // namespace

std::vector<MediaFile> MediaFilesOf(const std::string& table, const std::string& language,
                                    const WordRecord& record) {
  std::vector<MediaFile> files;
  const std::string speech = "speech/" + language + "/";
  for (const GameMedia& game : Games()) {
    if (game.Table != table) continue;
    for (const auto folder : game.PictureFolders) {
      files.push_back({"picture", "Image", Under(folder, record.Image), record.Image});
    }
    for (const auto folder : game.SoundFolders) {
      files.push_back(
          {"speech", "Sound", Under(speech + std::string(folder), record.Sound), record.Sound});
    }
    if (game.TextSpeechSlot >= 0) {
      const auto slot = static_cast<std::size_t>(game.TextSpeechSlot);
      const std::string name = slot < record.Texts.size() ? record.Texts[slot] : "";
      files.push_back(
          {"speech", std::string(game.TextSpeechColumn),
           name.empty() ? "" : speech + std::string(game.TextSpeechFolder) + name + ".wav", name});
    }
  }
  return files;
}

}  // namespace tavlo::wordlist
