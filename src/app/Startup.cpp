#include "app/Startup.h"

#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "engine/Application.h"
#include "engine/TextScale.h"
#include "platform/AtomicFile.h"
#include "state/DataFolder.h"
#include "state/ProgramState.h"

namespace tavlo {
namespace {

constexpr const char* kCaption = "Tavlo";
constexpr int kDataFolderInUseText = 12;
constexpr std::string_view kLanguageOption = "--language";

// The command line without its language option ("--language den" or
// "--language=den"), and that option's language. The rest is kept exactly as
// written: it is the program's own command line, where only "window" counts.
std::pair<std::string, std::string> TakeLanguageOption(const std::string& command_line) {
  std::vector<std::string> words;
  std::string rest_of_line;
  size_t start = 0;
  while (start <= command_line.size()) {
    size_t end = command_line.find(' ', start);
    if (end == std::string::npos) end = command_line.size();
    words.push_back(command_line.substr(start, end - start));
    start = end + 1;
  }
  std::string language;
  std::vector<std::string> kept;
  for (size_t i = 0; i < words.size(); ++i) {
    if (words[i] == kLanguageOption && i + 1 < words.size()) {
      language = words[++i];
    } else if (words[i].rfind(std::string(kLanguageOption) + "=", 0) == 0) {
      language = words[i].substr(kLanguageOption.size() + 1);
    } else {
      kept.push_back(words[i]);
    }
  }
  for (size_t i = 0; i < kept.size(); ++i) rest_of_line += (i > 0 ? " " : "") + kept[i];
  return {rest_of_line, language};
}

// What the user asked for: the command line, else TAVLO_LANGUAGE; and the
// locale for messages in the order the C library reads it.
LanguageRequest RequestedLanguage(Platform& platform, const std::string& language_option) {
  LanguageRequest request;
  request.Chosen =
      language_option.empty() ? platform.EnvironmentVariable("TAVLO_LANGUAGE") : language_option;
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    request.Locale = platform.EnvironmentVariable(variable);
    if (!request.Locale.empty()) break;
  }
  return request;
}

}  // namespace

StartUp InitialiseProgram(Application& app, ProgramState& state, const std::string& command_line,
                       ProgramDesktop& desktop) {
  Platform& platform = app.Host();
  if (!platform.AcquireSingleInstanceLock()) return StartUp::EndedQuietly;
  // The window comes first, so that every question and notice of start-up
  // appears inside it. Without one the program would run on unseen, holding
  // its locks, so it ends (the platform has said why on the standard error).
  if (!platform.OpenWindow(kCaption)) return StartUp::Failed;

  const auto [program_line, language_option] = TakeLanguageOption(command_line);
  try {
    state.Texts.LoadStartupTexts(RequestedLanguage(platform, language_option));
  } catch (const LanguageFileMissing& missing) {
    platform.ShowMessageBox(missing.what(), kCaption, MessageButtons::Ok, MessageIcon::Critical);
    return StartUp::Failed;
  }
  platform.SetMessageButtonWords(state.Texts.ButtonWords());

  if (!InitDataFolder(platform, state.Texts, state.gDataPath)) {
    platform.ShowMessageBox(DataPathErrorText(state.Texts, state.gDataPath),
                            state.Texts.ErrorCaption(), MessageButtons::Ok, MessageIcon::Critical);
    return StartUp::Failed;
  }
  // Two programs on one data folder would each save over the other's counts.
  if (!platform.LockDataFolder(state.gDataPath)) {
    platform.ShowMessageBox(state.Texts.InformationText(kDataFolderInUseText), kCaption,
                            MessageButtons::Ok, MessageIcon::Exclamation);
    return StartUp::Failed;
  }
  // Saves cut short by a crash or a power loss leave their temporary files;
  // with the folder locked, none of them is still being written.
  RemoveUnfinishedSaves(state.gDataPath);
  RemoveUnfinishedSaves(std::filesystem::path(state.gDataPath) / "profiles");

  state.Profiles.ReadCurrentProfile();
  state.Profiles.LoadProfileOptions();
  ComputeTextScale(platform, state.gTextScale);

  state.gFullScreen = program_line != "window";
  if (state.gFullScreen) {
    platform.SetFullScreen(true);
    if (desktop.FullScreen == FullScreenKind::DisplayModeChange) {
      desktop.Icons.SaveDesktopIcons();
      // Where no 800 x 600 mode is offered, the picture stays scaled over the
      // display as it is: the full screen the user would have had anyway.
      desktop.Display.SetProgramDisplayMode();
    }
    // Resources are found through the program folder in either mode; the
    // working folder follows it in full screen for anything run from here.
    std::error_code ignored;
    std::filesystem::current_path(app.ProgramFolder(), ignored);
  }
  state.gMenuScanIndex = -1;
  return StartUp::MenuReady;
}

void ShutDownProgram(Application& app, ProgramState& state, ProgramDesktop& desktop) {
  state.Profiles.SaveProfileOptions();
  // Without a change at start-up nothing was kept, and these change nothing.
  desktop.Display.RestoreDisplayMode();
  desktop.Icons.RestoreDesktopIcons();
  if (state.gFullScreen) app.Host().SetFullScreen(false);
}

}  // namespace tavlo
