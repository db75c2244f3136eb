#include "app/DisplayMode.h"

#include <cstring>

#include "platform/CrashCleanup.h"

namespace tavlo {
namespace {

constexpr int kProgramWidth = 800;
constexpr int kProgramHeight = 600;
constexpr int kDepths[] = {32, 24, 16, 8, 4};

// The one display a crash must give back. A signal handler cannot be handed
// an object, so it finds it here.
DisplayModeSwitch* g_changed_display = nullptr;

void RestoreChangedDisplay() {
  DisplayModeSwitch* display = g_changed_display;
  g_changed_display = nullptr;
  if (display) display->RestoreDisplayMode();
}

bool SameSizeAndDepth(const DisplayMode& mode, int width, int height, int bits_per_pixel) {
  return mode.Width == width && mode.Height == height && mode.BitsPerPixel == bits_per_pixel;
}

}  // namespace

FullScreenKind FullScreenKindFrom(const char* display_mode_variable) {
  if (display_mode_variable && std::strcmp(display_mode_variable, "800x600") == 0) {
    return FullScreenKind::DisplayModeChange;
  }
  return FullScreenKind::ScaledPicture;
}

DisplayModeSwitch::~DisplayModeSwitch() {
  if (changed_) RestoreDisplayMode();
  // A display that could not be given back is no longer this object's to try.
  if (g_changed_display == this) {
    g_changed_display = nullptr;
    SetCrashCleanup(nullptr);
  }
}

bool DisplayModeSwitch::SetDisplayMode(int width, int height, int bits_per_pixel,
                                       bool& mode_saved) {
  if (!mode_saved) {
    SavedDisplayMode = platform_.CurrentDisplayMode().value_or(DisplayMode{});
    mode_saved = true;
  }
  const auto current = platform_.CurrentDisplayMode();
  if (current && SameSizeAndDepth(*current, width, height, bits_per_pixel)) {
    NoteDisplayIs(*current);
    return true;
  }
  for (const DisplayMode& offered : platform_.DisplayModes()) {
    if (!SameSizeAndDepth(offered, width, height, bits_per_pixel)) continue;
    if (!platform_.ChangeDisplayMode(offered)) return false;
    NoteDisplayIs(offered);
    return true;
  }
  return false;
}

void DisplayModeSwitch::NoteDisplayIs(const DisplayMode& mode) {
  // Giving the display back is itself a change; only a display that differs
  // from the kept settings has to be given back.
  changed_ = !SameSizeAndDepth(mode, SavedDisplayMode.Width, SavedDisplayMode.Height,
                               SavedDisplayMode.BitsPerPixel);
  if (changed_) {
    g_changed_display = this;
    SetCrashCleanup(RestoreChangedDisplay);
  } else if (g_changed_display == this) {
    g_changed_display = nullptr;
    SetCrashCleanup(nullptr);
  }
}

void DisplayModeSwitch::RestoreDisplayMode() {
  bool mode_saved = true;
  SetDisplayMode(SavedDisplayMode.Width, SavedDisplayMode.Height, SavedDisplayMode.BitsPerPixel,
                 mode_saved);
}

bool DisplayModeSwitch::SetProgramDisplayMode() {
  for (const int depth : kDepths) {
    bool mode_saved = false;
    // Every try keeps the settings anew; a failed try changed nothing, so
    // they are always those from before the start.
    if (SetDisplayMode(kProgramWidth, kProgramHeight, depth, mode_saved)) return true;
  }
  return false;
}

}  // namespace tavlo
