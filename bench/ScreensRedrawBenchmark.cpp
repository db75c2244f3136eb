// Full redraws of the real screens with the real pictures, as every pointer
// move and scanning step does: the main menu with a game highlighted and its
// name shown, and Game 1 with an answer button highlighted.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/GameForms.h"
#include "app/MenuMainForm.h"
#include "app/ProgramState.h"
#include "engine/Application.h"
#include "engine/MediaCommands.h"
#include "engine/MilliTimer.h"
#include "games/Game01Form.h"
#include "platform/NullPlatform.h"

namespace tavlo {
namespace {

// The built program folder, with its staged default data as the data folder.
class BuiltProgram : public NullPlatform {
 public:
  std::filesystem::path ProgramFolder() override { return TAVLO_PROGRAM_FOLDER; }
};

class Screens {
 public:
  Screens()
      : clock_(platform_),
        app_(platform_, fonts_),
        state_(platform_, app_.ProgramFolder()),
        media_(app_),
        menu_(app_, state_, media_, games_),
        game_(app_, state_, media_, menu_) {
    state_.Texts.LoadStartupTexts();
    state_.gDataPath = (app_.ProgramFolder() / "data").string() + "/";
    state_.Profiles.ResetProfileOptions();
    state_.gTitleShown = true;
  }

  MenuMainForm& Menu() { return menu_; }
  Game01Form& Game() { return game_; }
  Application& App() { return app_; }

 private:
  BuiltProgram platform_;
  ClockSource clock_;
  FontLibrary fonts_;
  Application app_;
  ProgramState state_;
  MediaCommands media_;
  GameForms games_;
  MenuMainForm menu_;
  Game01Form game_;
};

void MainMenuRedraw(benchmark::State& run) {
  Screens screens;
  screens.App().Show(screens.Menu());
  const SpriteClass& button = screens.Menu().GameButtons()[4];
  const int x = static_cast<int>(button.MiddleX());
  const int y = static_cast<int>(button.MiddleY());
  for (auto _ : run) screens.Menu().DrawMenu(x, y);
}
BENCHMARK(MainMenuRedraw)->Unit(benchmark::kMicrosecond);

void Game01Redraw(benchmark::State& run) {
  Screens screens;
  screens.App().Show(screens.Game());
  if (!screens.Game().IsLoaded() || screens.Game().Buttons().empty()) {
    run.SkipWithError("Game 1 did not start: is the default word list built?");
    return;
  }
  const SpriteClass& button = screens.Game().Buttons()[1];
  screens.Game().Form_MouseMove(0, 0, static_cast<int>(button.MiddleX()),
                                static_cast<int>(button.MiddleY()));
  for (auto _ : run) screens.Game().UpdateScreen();
}
BENCHMARK(Game01Redraw)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tavlo
