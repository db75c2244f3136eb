#pragma once

#include <functional>

namespace tavlo {

// What a key means in an option dialog. Switches arrive as Space (step) and
// Enter (choose), so the keyboard and the switches share one set of rules.
enum class DialogKey { None, Next, Previous, Activate, Cancel };

// Space, Tab and the Right and Down arrows step forward; Shift+Tab and the
// Left and Up arrows step back; Enter activates; Escape cancels.
DialogKey DialogKeyOf(int key_code, int shift);

// How an option dialog ended, or that it is still open.
enum class DialogOutcome { Open, Confirmed, Cancelled };

// The buttons that end a dialog. A dialog whose changes act at once, or one
// that only tells the user something, has OK alone; Escape still closes it.
enum class DialogButtons { OkAndCancel, OkOnly };

// Which of a dialog's controls has the focus. Steps go through the controls
// in their drawing order, wrap at the ends, and pass over greyed-out controls,
// which a switch user could not do anything with.
class DialogFocus {
 public:
  explicit DialogFocus(int control_count) : count_(control_count) {}

  int Current() const { return current_; }
  // direction is +1 or -1. When every other control is greyed out, the focus
  // stays where it is.
  void Step(int direction, const std::function<bool(int)>& enabled);
  // The mouse chose this control.
  void Set(int control);

 private:
  int count_;
  int current_ = 0;
};

}  // namespace tavlo
