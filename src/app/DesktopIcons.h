#pragma once

#include <cstdint>
#include <vector>

namespace tavlo {

// A desktop icon's place, in pixels of the desktop's icon view.
struct IconPosition {
  std::int32_t X = 0;
  std::int32_t Y = 0;
  bool operator==(const IconPosition&) const = default;
};

// The desktop shell's view of its icons: a window of another program, reached
// through that program's messages. A change of the display's resolution makes
// the shell rearrange the icons, so the program reads their places before it
// changes the display and puts them back after it has given the display back.
class DesktopListView {
 public:
  virtual ~DesktopListView() = default;

  // The shell arranges the icons by itself.
  virtual bool AutoArrange() = 0;
  // The shell's own menu command for automatic arrangement: it switches the
  // arrangement off when it is on, and on when it is off.
  virtual void ToggleAutoArrange() = 0;
  virtual int ItemCount() = 0;
  virtual IconPosition ItemPosition(int item) = 0;
  virtual void SetItemPosition(int item, IconPosition position) = 0;
};

// Where the program looks for the desktop's icon view.
class DesktopShell {
 public:
  virtual ~DesktopShell() = default;
  // The desktop's icon view; null when this desktop has none.
  virtual DesktopListView* FindDesktopListView() = 0;
};

// The desktops of Linux keep their icons in no view of this kind (if they
// show icons at all, their own way): there is nothing to save or restore.
class LinuxDesktopShell final : public DesktopShell {
 public:
  DesktopListView* FindDesktopListView() override { return nullptr; }
};

// Keeps the places of the desktop icons across the program's change of the
// display mode.
class DesktopIcons {
 public:
  explicit DesktopIcons(DesktopShell& shell) : shell_(shell) {}

  // Switches the shell's automatic arrangement off (it would move the icons
  // back by itself) and keeps every icon's place. False when nothing was
  // kept: no icon view, or no icons.
  bool SaveDesktopIcons();
  // Puts every icon that has a kept place back there (an icon that came
  // later keeps the place the shell gave it), then switches the automatic
  // arrangement on again if it was on.
  void RestoreDesktopIcons();

  // One place per icon, in the view's order.
  std::vector<IconPosition> SavedIconPositions;
  // The shell arranged the icons itself before the program switched that off.
  bool AutoArrangeWasOn = false;

 private:
  DesktopShell& shell_;
};

}  // namespace tavlo
