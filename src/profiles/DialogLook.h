#pragma once

#include <cstdint>
#include <string>

#include "platform/ModalDialog.h"
#include "profiles/DialogChrome.h"
#include "profiles/DialogKeys.h"

namespace tavlo {

// One of the two buttons that end a dialog, or neither.
enum class OkCancelButton { None, Ok, Cancel };
enum class BorderPlace { Around, Inside };

// Drawing helpers for the dialogs' views; they call Dear ImGui and are used
// only inside a ModalDialog's DrawFrame.
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
// A picture button on the buttons' grey; where the picture could not be
// shown, a text button with the same meaning. True when it was pressed.
bool PictureButton(const char* id, const char* text, const Surface& picture,
                   DialogPictures& pictures);
// A list box of roomy rows, visible_rows high: the focus border around a
// row stays clear of the names beside it and of the list's top edge. Pair
// with EndRoomyList() when it returns true.
bool BeginRoomyList(const char* id, int visible_rows);
void EndRoomyList();
// Text wrapped at blanks to the window's width, at least min_lines high so
// that the controls below it do not jump when it changes.
void WrappedText(const std::string& text, int min_lines, std::uint32_t color = 0);
// The OK button and, with OkAndCancel, the Cancel button, centred in one row
// below a separator, with the focus border on the focused one. Returns the
// button pressed in this frame.
OkCancelButton DrawOkCancelButtons(const DialogChrome& chrome, DialogPictures& pictures,
                                   DialogButtons buttons, OkCancelButton focused);

}  // namespace dialog_look
}  // namespace tavlo
