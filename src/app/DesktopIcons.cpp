#include "app/DesktopIcons.h"

#include <cstddef>

namespace tavlo {

bool DesktopIcons::SaveDesktopIcons() {
  DesktopListView* view = shell_.FindDesktopListView();
  if (!view) return false;
  if (view->AutoArrange()) {
    AutoArrangeWasOn = true;
    view->ToggleAutoArrange();
  }
  const int count = view->ItemCount();
  if (count <= 0) return false;
  SavedIconPositions.assign(static_cast<std::size_t>(count), IconPosition{});
  for (int i = 0; i < count; ++i)
    SavedIconPositions[static_cast<std::size_t>(i)] = view->ItemPosition(i);
  return true;
}

void DesktopIcons::RestoreDesktopIcons() {
  DesktopListView* view = shell_.FindDesktopListView();
  if (!view) return;
  const int count = view->ItemCount();
  for (int i = 0; i < count && static_cast<std::size_t>(i) < SavedIconPositions.size(); ++i) {
    view->SetItemPosition(i, SavedIconPositions[static_cast<std::size_t>(i)]);
  }
  if (AutoArrangeWasOn) {
    view->ToggleAutoArrange();
    // The command is a toggle: a second restore must not switch it off again.
    AutoArrangeWasOn = false;
  }
}

}  // namespace tavlo
