#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "state/LanguageTexts.h"
#include "state/ProfileStore.h"
#include "state/WordListState.h"

namespace tavlo {

class Platform;

// The state every screen shares for the whole run, under the names the
// screens know it by. The program makes one; each test makes its own.
struct ProgramState {
  ProgramState(Platform& platform, const std::filesystem::path& program_folder)
      : Texts(platform, program_folder), Profiles(platform, Texts, gDataPath) {}

  LanguageTexts Texts;
  // The data folder, ending in a separator once start-up has found it.
  std::string gDataPath;
  ProfileStore Profiles;

  bool gFullScreen = true;
  double gTextScale = 1.0;
  // The main menu's scanning position to restore; -1 for none.
  std::int16_t gMenuScanIndex = -1;
  bool gTitleShown = false;
  std::string gGameId;
  std::string gGameName;
  WordListState WordLists;
  // Clicks, Space and Enter are ignored until this MilliTimer value.
  std::int32_t gInputLockUntil = 0;
  // The running game's text face and size, as its options and F5 to F9 set them.
  std::string gFontName = "Arial";
  std::int16_t gFontSize = 12;
  // 1 when the user confirmed the last option dialog.
  std::int16_t gDialogResult = 0;

  // A recording of the data folder's speech for the current language, named
  // relative to that folder ("rewards/0.wav").
  std::string SpeechFile(std::string_view relative) const {
    return gDataPath + "speech/" + Texts.gLanguage + "/" + std::string(relative);
  }
};

}  // namespace tavlo
