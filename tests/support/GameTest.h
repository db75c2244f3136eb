#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "engine/SpriteClass.h"
#include "games/GameCatalogue.h"
#include "state/GameNumbers.h"
#include "support/ProgramTest.h"

namespace tavlo::testing {

// A game screen test: the program with one game's word list, started to its
// main menu, then the game opened as its letter key opens it.
template <typename GameType>
class GameTest : public ProgramTest {
 protected:
  static constexpr int kNumber = GameType::kGameNumber;

  // Writes the rows as the default list of the game's table, starts the
  // program (the list in word order unless configure shuffles it) and opens
  // the game. The game is loaded unless its set-up failed.
  GameType& OpenGame(const std::vector<TableRow>& rows,
                     const std::function<void(ProfileStore&)>& configure = {}) {
    WriteWordList(GameIdOf(kNumber), kDefaultList, rows);
    return OpenGameWithWordsWritten(configure);
  }

  // The same with rows of the test's own kind, each made a table row by
  // to_table.
  template <typename Row, typename ToTable>
  GameType& OpenRows(const std::vector<Row>& rows, ToTable to_table,
                     const std::function<void(ProfileStore&)>& configure = {}) {
    std::vector<TableRow> table;
    for (const Row& row : rows) table.push_back(to_table(row));
    return OpenGame(table, configure);
  }

  // The same with the word-list file as the test left it.
  GameType& OpenGameWithWordsWritten(const std::function<void(ProfileStore&)>& configure = {}) {
    StartProgram([&](ProfileStore& profile) {
      profile.SetRandomWord(GameIdOf(kNumber), 0);
      if (configure) configure(profile);
    });
    menu.OpenGame(kNumber - 1);
    return Game();
  }

  GameType& Game() { return static_cast<GameType&>(*screens.Games().Get(kNumber)); }

  const GameEntry& Counts() const { return state.Profiles.Games[kNumber - 1]; }

  // The first of the sprites whose Text is the text.
  template <typename Sprites>
  static const SpriteClass& WithText(const Sprites& sprites, const std::string& text) {
    for (const SpriteClass& sprite : sprites) {
      if (sprite.Text == text) return sprite;
    }
    ADD_FAILURE() << "no sprite shows " << text;
    return *std::begin(sprites);
  }

  // Whether the last sound played was one of the reward sounds.
  bool LastSoundWasAReward() const {
    return !platform.Sound.Waves.empty() &&
           platform.Sound.Waves.back().File.parent_path().filename() == "rewards";
  }

  // The name of the list every game plays when its profile names none.
  static constexpr const char* kDefaultList = "Everyday words";
};

}  // namespace tavlo::testing
