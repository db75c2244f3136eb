#pragma once

#include <string>

#include "platform/ModalDialog.h"
#include "platform/Surface.h"

namespace tavlo {

// What the option dialogs share on screen: the title with the tool icon and
// the OK and Cancel picture buttons.
struct DialogChrome {
  std::string Title;
  Surface Icon;
  Surface OkPicture;
  Surface CancelPicture;
};

enum class PressedButton { None, Ok, Cancel };
enum class BorderPlace { Around, Inside };

// Drawing helpers for the option dialogs' views; they call Dear ImGui and are
// used only inside a ModalDialog's DrawFrame.
namespace dialog_look {

// Opens the dialog's window in the middle of the picture and draws its title
// row. Pair with ImGui::End().
void BeginDialogWindow(const char* id, float width, const DialogChrome& chrome,
                       DialogPictures& pictures);
// The rectangle of a control on screen.
struct ItemRect {
  float Left = 0;
  float Top = 0;
  float Right = 0;
  float Bottom = 0;
};
// The control just drawn.
ItemRect LastItemRect();
// The thick blue border every screen marks its focused choice with, drawn
// around the control, or just inside it where a scrolled list would cut off
// a border around it.
void DrawFocusBorder(const ItemRect& item, BorderPlace place);
// Around the control just drawn.
inline void DrawFocusBorder() { DrawFocusBorder(LastItemRect(), BorderPlace::Around); }
// The OK and Cancel buttons, centred in one row, with the focus border on the
// focused one.
PressedButton DrawOkCancelButtons(const DialogChrome& chrome, DialogPictures& pictures,
                                  bool ok_focused, bool cancel_focused);

}  // namespace dialog_look
}  // namespace tavlo
