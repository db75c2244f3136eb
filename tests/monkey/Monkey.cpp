// The monkey: the whole program on the fake platform, driven by a seeded
// stream of random clicks, pointer moves, keys, switches, typed letters and
// pauses, on every screen that the input reaches. After every event it checks
// that no game's answer counts went down; a crash ends the process, and a
// watchdog ends a run that hangs. A failing run prints its seed, which
// replays it exactly: monkey --seed S.
//
//   monkey [--runs N] [--events N] [--seed S]
#include <algorithm>
#include <array>
#include <atomic>
#include <cctype>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <typeinfo>

#include "app/AssembledProgram.h"
#include "engine/Application.h"
#include "engine/MilliTimer.h"
#include "engine/Random.h"
#include "platform/InputEvent.h"
#include "platform/ModalDialog.h"
#include "state/ProgramState.h"
#include "support/FakePlatform.h"
#include "support/ProgramFolder.h"
#include "support/TempFolder.h"

namespace tavlo::testing {
namespace {

constexpr int kRealSecondsPerRunAtMost = 120;

struct Options {
  int Runs = 20;
  int Events = 2000;
  std::uint64_t FirstSeed = 1;
  bool OneSeed = false;
};

// The keys the screens use, each with how often the monkey presses it. The
// two switches come most; Escape seldom, or every run would end on the menu.
struct WeightedKey {
  int KeyCode;
  int Weight;
};
constexpr std::array kKeys = {
    WeightedKey{keys::kSpace, 30},   WeightedKey{keys::kEnter, 25},
    WeightedKey{keys::kEscape, 1},   WeightedKey{keys::kTab, 2},
    WeightedKey{keys::kLeft, 3},     WeightedKey{keys::kRight, 3},
    WeightedKey{keys::kUp, 2},       WeightedKey{keys::kDown, 2},
    WeightedKey{keys::kPageDown, 3}, WeightedKey{33, 2},
    WeightedKey{keys::F(1), 2},      WeightedKey{keys::F(2), 2},
    WeightedKey{keys::F(5), 1},      WeightedKey{keys::F(6), 1},
    WeightedKey{keys::F(7), 1},      WeightedKey{keys::F(8), 1},
    WeightedKey{keys::F(9), 1},      WeightedKey{keys::kA, 8},
};

class Monkey {
 public:
  Monkey(std::uint64_t seed, std::set<std::string>& screens_seen, int& dialogs)
      : seed_(seed), random_(seed), screens_seen_(screens_seen), dialogs_(dialogs) {}

  // Plays one run with the program folder given; returns what went wrong, or
  // "" when nothing did.
  std::string Run(const std::filesystem::path& program, int events) {
    TempFolder documents;
    FakePlatform platform;
    platform.ProgramFolderPath = program;
    platform.DocumentsFolderPath = documents.Path();
    FixedRandomSeed program_random(seed_);
    AssembledProgram assembled(platform);
    Application& app = assembled.App;
    ProgramState& state = assembled.State;
    MenuMainForm& menu = assembled.Screens.MainMenu();

    if (assembled.Start("window") != StartUp::MenuReady) return "start-up failed";
    if (Chance(3)) {
      state.Profiles.OneKeyMode = true;
      state.Profiles.OneKeyInterval = static_cast<std::int16_t>(Number(1, 3));
    }
    // Confirmations decline, so that answers are only ever cleared on
    // purpose, never by the monkey.
    platform.DeclineQuestions = true;
    platform.CloseWhenIdleFor = 5000;
    platform.OnDialog = [this](ModalDialog& dialog) { PlayDialog(dialog); };

    std::string failure;
    platform.BeforeEvent = [&] {
      if (failure.empty()) failure = CountsWentDown(state.Profiles);
      if (const Form* front = app.FrontForm()) screens_seen_.insert(ScreenName(*front));
    };
    for (int i = 0; i < events; ++i) QueueEvent(platform);

    // Escape or the stop button on the main menu ends the program; the
    // monkey starts it again while it has input left.
    for (int start = 0; start < events && failure.empty(); ++start) {
      app.Show(menu);
      app.Run();
      if (platform.PendingEvents() == 0) break;
    }
    dialogs_ += platform.DialogsRun;
    if (failure.empty()) failure = CountsWentDown(state.Profiles);
    if (failure.empty() && app.FrontForm() != nullptr)
      failure = "a screen is still open at the end";
    return failure;
  }

 private:
  int Number(int lowest, int highest) {
    return std::uniform_int_distribution<int>(lowest, highest)(random_);
  }
  bool Chance(int one_in) { return Number(1, one_in) == 1; }

  int AnyKey() {
    int total = 0;
    for (const auto& key : kKeys) total += key.Weight;
    int pick = Number(1, total);
    for (const auto& key : kKeys) {
      pick -= key.Weight;
      if (pick <= 0) {
        // A letter stands for any of A to O: each opens its game on the menu.
        return key.KeyCode == keys::kA ? keys::kA + Number(0, 14) : key.KeyCode;
      }
    }
    return keys::kSpace;
  }

  void QueueEvent(FakePlatform& platform) {
    const int kind = Number(1, 100);
    if (kind <= 45) {
      platform.PushKey(AnyKey());
    } else if (kind <= 70) {
      platform.PushClick(Number(0, 799), Number(0, 599), Chance(5) ? 2 : 1);
    } else if (kind <= 82) {
      platform.PushMouseMove(Number(0, 799), Number(0, 599));
    } else if (kind <= 88) {
      // A letter typed, as into the crossword.
      platform.PushText(std::string(1, static_cast<char>('a' + Number(0, 25))));
    } else {
      platform.PushPause(Number(1, 3000));
    }
    // Most presses come after the 50 ms in which a screen ignores a second one.
    if (Chance(2)) platform.PushPause(60);
  }

  void PlayDialog(ModalDialog& dialog) {
    const int presses = Number(0, 6);
    for (int i = 0; i < presses && !dialog.Closed(); ++i) {
      if (Chance(4)) {
        dialog.OnText(std::string(1, static_cast<char>('A' + Number(0, 25))));
      } else {
        dialog.OnKey(AnyKey(), 0);
      }
    }
    if (!dialog.Closed()) dialog.Answer(Chance(2) ? DialogAnswer::Ok : DialogAnswer::Cancel);
  }

  // Answer counts only grow while a profile is in use; switching to another
  // profile and back finds them as they were left.
  std::string CountsWentDown(const ProfileStore& profiles) {
    auto& seen = seen_[profiles.gProfileName];
    if (seen.empty()) seen.resize(profiles.Games.size());
    for (std::size_t game = 0; game < profiles.Games.size(); ++game) {
      const GameEntry& now = profiles.Games[game];
      if (now.CorrectCount < seen[game].CorrectCount || now.WrongCount < seen[game].WrongCount) {
        return "the answer counts of game " + std::to_string(game + 1) + " of profile \"" +
               profiles.gProfileName + "\" went down";
      }
      seen[game] = now;
    }
    return "";
  }

  static std::string ScreenName(const Form& form) {
    // The class name, without the namespace's mangling around it.
    std::string name = typeid(form).name();
    const auto tavlo = name.find("tavlo");
    if (tavlo != std::string::npos) name = name.substr(tavlo + 5);
    while (!name.empty() && std::isdigit(static_cast<unsigned char>(name.front()))) {
      name.erase(0, 1);
    }
    if (!name.empty() && name.back() == 'E') name.pop_back();
    return name;
  }

  std::uint64_t seed_;
  std::mt19937_64 random_;
  std::map<std::string, std::vector<GameEntry>> seen_;
  std::set<std::string>& screens_seen_;
  int& dialogs_;
};

// Ends the process when a run takes longer than any run can, naming its seed.
class Watchdog {
 public:
  Watchdog() : thread_([this] { Watch(); }) {}
  ~Watchdog() {
    {
      std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
  }
  void Start(std::uint64_t seed) {
    std::lock_guard lock(mutex_);
    seed_ = seed;
    deadline_ = std::chrono::steady_clock::now() + std::chrono::seconds(kRealSecondsPerRunAtMost);
  }

 private:
  void Watch() {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
      wake_.wait_for(lock, std::chrono::seconds(1));
      if (!stopping_ && deadline_ && std::chrono::steady_clock::now() > *deadline_) {
        std::fprintf(stderr, "monkey: seed %llu hung (no end after %d s)\n",
                     static_cast<unsigned long long>(seed_), kRealSecondsPerRunAtMost);
        std::_Exit(1);
      }
    }
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  bool stopping_ = false;
  std::uint64_t seed_ = 0;
  std::optional<std::chrono::steady_clock::time_point> deadline_;
  std::thread thread_;
};

Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    const long long value = std::atoll(argv[i + 1]);
    if (name == "--runs") options.Runs = static_cast<int>(value);
    if (name == "--events") options.Events = static_cast<int>(value);
    if (name == "--seed") {
      options.FirstSeed = static_cast<std::uint64_t>(value);
      options.OneSeed = true;
    }
  }
  if (options.OneSeed) options.Runs = 1;
  return options;
}

}  // namespace
}  // namespace tavlo::testing

int main(int argc, char** argv) {
  using namespace tavlo::testing;
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  const Options options = ParseOptions(argc, argv);
  // The program folder is read-only to the program: one serves every run.
  TempFolder program;
  CopyProgramResources(program.Path());
  // The default word lists, pictures and recordings, as the build staged them.
  std::filesystem::copy(
      TAVLO_BUILT_PROGRAM_FOLDER "/data", program / "data",
      std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
  Watchdog watchdog;
  std::set<std::string> screens_seen;
  int dialogs = 0;
  int failures = 0;
  const auto started = std::chrono::steady_clock::now();
  for (int run = 0; run < options.Runs; ++run) {
    const std::uint64_t seed = options.FirstSeed + static_cast<std::uint64_t>(run);
    watchdog.Start(seed);
    const std::string failure =
        Monkey(seed, screens_seen, dialogs).Run(program.Path(), options.Events);
    if (!failure.empty()) {
      ++failures;
      std::fprintf(stderr, "monkey: seed %llu failed: %s\n", static_cast<unsigned long long>(seed),
                   failure.c_str());
    }
  }
  const auto seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::string screens;
  for (const std::string& name : screens_seen) screens += " " + name;
  std::printf("monkey: %d runs of %d events, %d failed, %.1f s; %d dialogs; screens reached:%s\n",
              options.Runs, options.Events, failures, seconds, dialogs, screens.c_str());
  return failures == 0 ? 0 : 1;
}
