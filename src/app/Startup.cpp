#include "app/Startup.h"

#include <filesystem>
#include <system_error>

#include "engine/Application.h"
#include "engine/TextScale.h"
#include "platform/AtomicFile.h"
#include "state/DataFolder.h"
#include "state/ProgramState.h"

namespace tavlo {
namespace {

constexpr const char* kCaption = "Tavlo";
constexpr int kDataFolderInUseText = 12;

}  // namespace

StartUp InitialiseProgram(Application& app, ProgramState& state, const std::string& command_line,
                       ProgramDesktop& desktop) {
  Platform& platform = app.Host();
  if (!platform.AcquireSingleInstanceLock()) return StartUp::EndedQuietly;
  // The window comes first, so that every question and notice of start-up
  // appears inside it. Without one the program would run on unseen, holding
  // its locks, so it ends (the platform has said why on the standard error).
  if (!platform.OpenWindow(kCaption)) return StartUp::Failed;

  try {
    state.Texts.LoadStartupTexts();
  } catch (const LanguageFileMissing& missing) {
    platform.ShowMessageBox(missing.what(), kCaption, MessageButtons::Ok, MessageIcon::Critical);
    return StartUp::Failed;
  }

  if (!InitDataFolder(platform, state.Texts, state.gDataPath)) {
    platform.ShowMessageBox(DataPathErrorText(state.gDataPath), "Error", MessageButtons::Ok,
                            MessageIcon::Critical);
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

  state.gFullScreen = command_line != "window";
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
