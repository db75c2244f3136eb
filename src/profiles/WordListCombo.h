#pragma once

#include <string>

namespace tavlo {

class GeneralOptionsModel;

// The word-list box of the option dialogs with its caption above it: the
// game's lists, the model's list shown. Returns true when the user chose a
// list with the mouse, so that the focus can follow. Only inside a
// ModalDialog's DrawFrame.
bool DrawWordListCombo(const std::string& caption, GeneralOptionsModel& model);

}  // namespace tavlo
