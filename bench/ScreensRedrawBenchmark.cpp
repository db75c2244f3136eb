// Full redraws of the real screens with the real pictures, as every pointer
// move and scanning step does: the main menu with a game highlighted and its
// name shown, the options menu, a statistics page, and every game with a
// choice highlighted.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/ProgramScreens.h"
#include "engine/Application.h"
#include "engine/MediaCommands.h"
#include "engine/MilliTimer.h"
#include "games/Game15Form.h"
#include "games/GameForm.h"
#include "platform/NullPlatform.h"
#include "state/ProgramState.h"

namespace tavlo {
namespace {

// The built program folder, with its staged default data as the data folder.
class BuiltProgram : public NullPlatform {
 public:
  std::filesystem::path ProgramFolder() override { return TAVLO_PROGRAM_FOLDER; }
  // A benchmark that plays by the frame sets the clock itself.
  std::int64_t MonotonicNanoseconds() override {
    return SteppedClock ? Now : NullPlatform::MonotonicNanoseconds();
  }
  bool SteppedClock = false;
  std::int64_t Now = 1'000'000'000'000;
};

class Program {
 public:
  Program()
      : clock_(platform_),
        app_(platform_, fonts_),
        state_(platform_, app_.ProgramFolder()),
        media_(app_),
        screens_(app_, state_, media_) {
    state_.Texts.LoadStartupTexts();
    state_.gDataPath = (app_.ProgramFolder() / "data").string() + "/";
    state_.Profiles.ResetProfileOptions();
    state_.gTitleShown = true;
  }

  MenuMainForm& Menu() { return screens_.MainMenu(); }
  MenuOptionsForm& Options() { return screens_.OptionsMenu(); }
  MenuStatsForm& Statistics() { return screens_.Statistics(); }
  ProgramState& State() { return state_; }
  BuiltProgram& Platform() { return platform_; }
  GameForm* Game(int number) { return screens_.Games().Get(number); }
  Application& App() { return app_; }

 private:
  BuiltProgram platform_;
  ClockSource clock_;
  FontLibrary fonts_;
  Application app_;
  ProgramState state_;
  MediaCommands media_;
  ProgramScreens screens_;
};

void MainMenuRedraw(benchmark::State& run) {
  Program program;
  program.App().Show(program.Menu());
  const SpriteClass& button = program.Menu().GameButtons()[4];
  const int x = static_cast<int>(button.MiddleX());
  const int y = static_cast<int>(button.MiddleY());
  for (auto _ : run) program.Menu().DrawMenu(x, y);
}
BENCHMARK(MainMenuRedraw)->Unit(benchmark::kMicrosecond);

// The options menu with a game's star highlighted.
void OptionsMenuRedraw(benchmark::State& run) {
  Program program;
  program.App().Show(program.Options());
  const SpriteClass& star = program.Options().FavouriteMarks()[7];
  const int x = static_cast<int>(star.MiddleX());
  const int y = static_cast<int>(star.MiddleY());
  for (auto _ : run) program.Options().DrawScreen(x, y);
}
BENCHMARK(OptionsMenuRedraw)->Unit(benchmark::kMicrosecond);

// Opening the options menu, from the moment its button is chosen to its
// first complete frame: the screen loads its pictures, lays itself out and
// draws. (The button's click sound, played before, is not part of this.)
void OptionsMenuOpen(benchmark::State& run) {
  Program program;
  for (auto _ : run) {
    program.App().Show(program.Options());
    run.PauseTiming();
    program.Options().Unload();
    run.ResumeTiming();
  }
}
BENCHMARK(OptionsMenuOpen)->Unit(benchmark::kMillisecond);

// A statistics page with three games, with the print button highlighted.
void StatisticsPageRedraw(benchmark::State& run) {
  Program program;
  for (int game : {0, 4, 9}) {
    program.State().Profiles.Games[static_cast<size_t>(game)].CorrectCount = 12 + game;
    program.State().Profiles.Games[static_cast<size_t>(game)].WrongCount = 5;
  }
  program.App().Show(program.Statistics());
  const SpriteClass& print = program.Statistics().PrintButton();
  const int x = static_cast<int>(print.MiddleX());
  const int y = static_cast<int>(print.MiddleY());
  for (auto _ : run) program.Statistics().DrawScreen(x, y);
}
BENCHMARK(StatisticsPageRedraw)->Unit(benchmark::kMicrosecond);

// The game of the argument's number with the pointer on its last choice.
void GameRedraw(benchmark::State& run) {
  Program program;
  GameForm* game = program.Game(static_cast<int>(run.range(0)));
  if (!game) {
    run.SkipWithError("this game has no screen yet");
    return;
  }
  program.App().Show(*game);
  const auto choices = game->ChoiceSprites();
  if (!game->IsLoaded() || choices.empty()) {
    run.SkipWithError("the game did not start: is the default word list built?");
    return;
  }
  const SpriteClass& choice = *choices.back();
  game->Form_MouseMove(0, 0, static_cast<int>(choice.MiddleX()),
                       static_cast<int>(choice.MiddleY()));
  for (auto _ : run) game->UpdateScreen();
}
BENCHMARK(GameRedraw)->DenseRange(1, 15)->Unit(benchmark::kMicrosecond);

// One pass of the steering game's own loop, a step and a full redraw, with
// the animal running: it turns every quarter of a second, so that it runs
// round a small square in the space kept free of labels and never crashes.
void Game15LoopPass(benchmark::State& run) {
  Program program;
  program.Platform().SteppedClock = true;
  auto* game = static_cast<Game15Form*>(program.Game(Game15Form::kGameNumber));
  program.App().Show(*game);
  if (!game->IsLoaded()) {
    run.SkipWithError("the game did not start: is the default word list built?");
    return;
  }
  constexpr std::int64_t kFrame = Application::kFrameNanoseconds;
  constexpr int kFramesPerTurn = 15;
  while (game->GameState() != Game15State::Running) {
    program.Platform().Now += kFrame;
    game->LoopPass();
  }
  int frame = 0;
  for (auto _ : run) {
    program.Platform().Now += kFrame;
    if (++frame % kFramesPerTurn == 0) game->Form_KeyDown(keys::kSpace, 0);
    game->LoopPass();
  }
  if (game->GameState() != Game15State::Running) run.SkipWithError("the animal crashed");
}
BENCHMARK(Game15LoopPass)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tavlo
