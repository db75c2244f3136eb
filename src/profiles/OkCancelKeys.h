#pragma once

#include "profiles/DialogKeys.h"

namespace tavlo {

// A key as a dialog's own control sees it: the key itself, for a control that
// takes text, and what the shared rules make of it.
struct DialogKeyPress {
  int Code = 0;
  int Shift = 0;
  DialogKey Meaning = DialogKey::None;
};

// The keyboard and switch rules every dialog shares, and how it ends. The
// dialog's own controls come first in the focus order, then OK and, when
// the dialog has it, Cancel. Steps wrap and pass over greyed-out controls,
// Enter activates the focused control, Escape cancels; once the dialog has
// ended, keys change nothing. A dialog adds what its own controls do.
class OkCancelKeys {
 public:
  virtual ~OkCancelKeys() = default;

  void OnKey(int key_code, int shift);

  // OK: the dialog stores its choices and ends, unless it refuses them.
  // Cancel: the dialog ends and stores nothing. Either is final.
  void Confirm();
  void Cancel();
  DialogOutcome Outcome() const { return outcome_; }

  bool OkFocused() const { return focus_.Current() == ok_control_; }
  bool CancelFocused() const;
  DialogButtons Buttons() const { return buttons_; }

 protected:
  // own_controls counts the controls before OK.
  OkCancelKeys(int own_controls, DialogButtons buttons);

  int FocusedControl() const { return focus_.Current(); }
  void FocusControl(int control) { focus_.Set(control); }

 private:
  // Whether the focus may rest on one of the dialog's own controls.
  virtual bool OwnControlEnabled(int control) const = 0;
  // Enter on one of the dialog's own controls.
  virtual void ActivateOwnControl(int control) = 0;
  // A control that is busy with keys of its own (an open list, a text box)
  // takes them here before the shared rules see them; true when it did.
  virtual bool TakeKey(const DialogKeyPress& /*press*/) { return false; }
  // What OK stores. Returning false keeps the dialog open, for a dialog that
  // refuses what was entered and says why on screen.
  virtual bool StoreChoices() = 0;

  void ActivateFocused();

  int ok_control_;
  DialogButtons buttons_;
  DialogFocus focus_;
  DialogOutcome outcome_ = DialogOutcome::Open;
};

// The rules of a dialog whose controls are named by an enum in focus order,
// ending with OKButton and, for OK and Cancel, CancelButton.
template <typename Control, DialogButtons kButtons = DialogButtons::OkAndCancel>
class OkCancelKeysFor : public OkCancelKeys {
 public:
  Control Focused() const { return static_cast<Control>(FocusedControl()); }
  // The mouse used this control, so the focus follows it.
  virtual void Focus(Control control) { FocusControl(static_cast<int>(control)); }
  // Greyed-out controls are passed over; every control is enabled unless the
  // dialog says otherwise. OK and Cancel are always enabled.
  virtual bool Enabled(Control /*control*/) const { return true; }

 protected:
  OkCancelKeysFor() : OkCancelKeys(static_cast<int>(Control::OKButton), kButtons) {
    if constexpr (kButtons == DialogButtons::OkAndCancel) {
      static_assert(
          static_cast<int>(Control::CancelButton) == static_cast<int>(Control::OKButton) + 1,
          "CancelButton follows OKButton");
    }
  }

 private:
  // Enter on one of the dialog's own controls, never OKButton or CancelButton.
  virtual void Activate(Control control) = 0;

  bool OwnControlEnabled(int control) const final { return Enabled(static_cast<Control>(control)); }
  void ActivateOwnControl(int control) final { Activate(static_cast<Control>(control)); }
};

}  // namespace tavlo
