#include "app/MenuMainForm.h"

#include <system_error>

#include "app/DataFolder.h"
#include "engine/Application.h"
#include "engine/TextScale.h"
#include "platform/InputEvent.h"

namespace tavlo {
namespace {

constexpr Color kMenuTextColor = RGB(0, 114, 188);
constexpr Color kTitleColor = RGB(0, 0, 255);
constexpr Color kMenuBackColor = RGB(255, 255, 255);

}  // namespace

MenuMainForm::MenuMainForm(Application& app, ProgramState& state) : Form(app), state_(state) {
  Caption = "Tavlo";
}

void MenuMainForm::Initialise(const std::string& command_line) {
  Platform& platform = App().Host();
  if (!platform.AcquireSingleInstanceLock()) {
    QuitRequested = true;
    return;
  }
  // The window comes first, so that every question and notice of start-up
  // appears inside it.
  platform.OpenWindow(Caption);

  try {
    state_.Texts.LoadStartupTexts();
  } catch (const LanguageFileMissing& missing) {
    platform.ShowMessageBox(missing.what(), Caption, MessageButtons::Ok, MessageIcon::Critical);
    QuitRequested = true;
    return;
  }

  if (!InitDataFolder(platform, state_.Texts, state_.gDataPath)) {
    platform.ShowMessageBox(DataPathErrorText(state_.gDataPath), "Error", MessageButtons::Ok,
                            MessageIcon::Critical);
    QuitRequested = true;
    return;
  }

  state_.Profiles.ReadCurrentProfile();
  state_.Profiles.LoadProfileOptions();
  ComputeTextScale(platform, state_.gTextScale);

  state_.gFullScreen = command_line != "window";
  if (state_.gFullScreen) {
    platform.SetFullScreen(true);
    // Resources are found through the program folder in either mode; the
    // working folder follows it in full screen for anything run from here.
    std::error_code ignored;
    std::filesystem::current_path(App().ProgramFolder(), ignored);
  }
  state_.gMenuScanIndex = -1;
}

void MenuMainForm::Form_Load() {
  Platform& platform = App().Host();
  platform.SetCursor(CursorShape::Hourglass);
  if (QuitRequested) {
    platform.SetCursor(CursorShape::Arrow);
    Unload();
    return;
  }
  Graphics().FontName = "Arial";
  state_.gGameName = state_.Texts.MenuText(0);
  DrawMenu(0, 0);
  platform.SetCursor(CursorShape::Arrow);
}

void MenuMainForm::DrawMenu(int, int) {
  Canvas& canvas = Graphics();
  canvas.BackColor = kMenuBackColor;
  canvas.Cls();
  canvas.ForeColor = kTitleColor;
  canvas.FontSize = state_.gTextScale * 24;
  const std::string& title = state_.gGameName;
  canvas.CurrentX = 400 - canvas.TextWidth(title) / 2;
  canvas.CurrentY = 300 - canvas.TextHeight(title) / 2;
  canvas.Print(title);
  canvas.ForeColor = kMenuTextColor;
  Refresh();
}

void MenuMainForm::Form_KeyDown(int key_code, int) {
  if (key_code == keys::kEscape) QuitProgram();
}

void MenuMainForm::Form_CloseRequested() { QuitProgram(); }

void MenuMainForm::QuitProgram() {
  Platform& platform = App().Host();
  state_.Profiles.SaveProfileOptions();
  if (state_.gFullScreen) platform.SetFullScreen(false);
  platform.SetCursor(CursorShape::Arrow);
  Unload();
}

}  // namespace tavlo
