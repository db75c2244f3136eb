// The save loop of tools/kill-test.sh: saves the profile "Anna" of a data
// folder over and over, one more right answer each time, and prints the
// answers each finished save holds, so that a run killed at any moment can be
// checked against what it had saved.
//
//   tavlo_save_loop DATA_FOLDER          loads Anna and saves until killed
//   tavlo_save_loop --check DATA_FOLDER  prints the answers Anna's file holds;
//                                        fails when the file does not load
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <string>

#include "platform/NullPlatform.h"
#include "state/LanguageTexts.h"
#include "state/ProfileStore.h"

namespace {

constexpr const char* kProfile = "Anna";

std::int64_t Answers(const tavlo::ProfileStore& store) {
  std::int64_t answers = 0;
  for (const auto& game : store.Games) answers += game.CorrectCount + game.WrongCount;
  return answers;
}

}  // namespace

int main(int argc, char** argv) {
  const bool check = argc == 3 && std::string(argv[1]) == "--check";
  if (argc != 2 && !check) {
    std::cerr << "usage: tavlo_save_loop [--check] DATA_FOLDER\n";
    return 2;
  }
  const std::string data_path = std::string(argv[argc - 1]) + "/";
  tavlo::NullPlatform platform;
  // No language files: the fallback profile would be "Tavlo", which a load
  // of Anna that fails turns to.
  tavlo::LanguageTexts texts(platform, data_path + "no-program-folder");
  tavlo::ProfileStore store(platform, texts, data_path);
  const bool existed = std::filesystem::exists(store.OptionFile(kProfile));
  store.WriteCurrentProfile(kProfile);
  store.LoadProfileOptions();
  if (existed && store.gProfileName != kProfile) {
    std::cerr << "Anna's option file did not load\n";
    return 1;
  }
  store.WriteCurrentProfile(kProfile);
  if (check) {
    std::cout << Answers(store) << "\n";
    return 0;
  }
  for (int game = 0;; game = (game + 1) % tavlo::kGameCount) {
    store.Games[static_cast<std::size_t>(game)].AddCorrect();
    if (!store.SaveProfileOptions()) return 1;
    std::cout << Answers(store) << std::endl;
  }
}
