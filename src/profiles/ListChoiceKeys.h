#pragma once

#include "profiles/DialogKeys.h"

namespace tavlo {

// The keys of a list a dialog offers as one control. A long list would take
// a switch user many steps to pass, so Enter opens it: then the steps move
// the selection through the entries, Enter keeps the one reached and Escape
// goes back to the one selected before.
class ListChoiceKeys {
 public:
  bool Open() const { return open_; }
  // Enter on the list: opens it at the selection, or at the first entry
  // when none is selected. An empty list does not open.
  void OpenAt(int& selected, int count);
  // A key while the list is open; true when the list took it.
  bool TakeKey(DialogKey meaning, int& selected, int count);
  // The mouse chose elsewhere: the list closes with the selection it has.
  void Close() { open_ = false; }

 private:
  bool open_ = false;
  int selected_before_opening_ = -1;
};

}  // namespace tavlo
