#include "support/FakePlatform.h"

#include <algorithm>

#include "engine/Application.h"

namespace tavlo::testing {

// The clock starts well away from 0, which some screens read as "never".
FakePlatform::FakePlatform() : now_nanoseconds_(1'000'000'000'000) {}

void FakePlatform::AdvanceMilliseconds(std::int64_t milliseconds) {
  now_nanoseconds_ += milliseconds * 1'000'000;
}

void FakePlatform::PushKey(int key_code, int shift) {
  InputEvent down{EventType::KeyDown};
  down.KeyCode = key_code;
  down.Shift = shift;
  PushPressAndRelease(down, EventType::KeyUp);
}

void FakePlatform::PushClick(int x, int y, int button) {
  InputEvent down{EventType::MouseDown};
  down.Button = button;
  down.X = x;
  down.Y = y;
  PushPressAndRelease(down, EventType::MouseUp);
}

void FakePlatform::PushPressAndRelease(InputEvent press, EventType release) {
  PushEvent(press);
  press.Type = release;
  PushEvent(press);
}

void FakePlatform::PushMouseMove(int x, int y) {
  InputEvent move{EventType::MouseMove};
  move.X = x;
  move.Y = y;
  PushEvent(move);
}

void FakePlatform::PushText(const std::string& text) {
  InputEvent typed{EventType::TextInput};
  typed.Text = text;
  PushEvent(typed);
}

void FakePlatform::PushJoystickButton(int button, EventType type) {
  InputEvent event{type};
  event.Button = button;
  PushEvent(event);
}

void FakePlatform::PushJoystickPress(int button) {
  PushJoystickButton(button, EventType::JoystickButtonDown);
  PushJoystickButton(button, EventType::JoystickButtonUp);
}

bool FakePlatform::UserInputQueued() const {
  return std::any_of(events_.begin(), events_.end(),
                     [](const Queued& queued) { return !queued.FromProgram; });
}

void FakePlatform::PushPause(int milliseconds) {
  if (milliseconds > 0) events_.push_back({InputEvent{}, milliseconds});
}

std::optional<InputEvent> FakePlatform::WaitEvent(int timeout_ms) {
  // Idleness is time on the clock since the last input, however the program
  // spent it: a loop that paces itself by frames, or one that moves the
  // pointer itself, never waits idle in one piece.
  if (CloseWhenIdleFor >= 0 && !UserInputQueued()) {
    if (!idle_since_nanoseconds_) idle_since_nanoseconds_ = now_nanoseconds_;
    if (now_nanoseconds_ - *idle_since_nanoseconds_ >=
        static_cast<std::int64_t>(CloseWhenIdleFor) * 1'000'000) {
      // The request comes at the end of the wait, as a real one would: a
      // program with no screen left to take it waits out its frame.
      if (timeout_ms > 0) AdvanceMilliseconds(timeout_ms);
      return InputEvent{EventType::CloseRequested};
    }
  }
  while (!events_.empty() && events_.front().PauseMilliseconds > 0) {
    Queued& pause = events_.front();
    const int step =
        timeout_ms < 0 ? pause.PauseMilliseconds : std::min(timeout_ms, pause.PauseMilliseconds);
    AdvanceMilliseconds(step);
    pause.PauseMilliseconds -= step;
    if (pause.PauseMilliseconds == 0) {
      events_.pop_front();
      // A scripted pause is the user's time, not the program's idleness.
      idle_since_nanoseconds_ = now_nanoseconds_;
    }
    if (timeout_ms >= 0) return std::nullopt;
  }
  if (!events_.empty()) {
    const Queued next = events_.front();
    events_.pop_front();
    if (!next.FromProgram) {
      idle_since_nanoseconds_ = now_nanoseconds_;
      if (BeforeEvent) BeforeEvent();
    }
    return next.Event;
  }
  if (timeout_ms < 0) {
    ++EndlessWaits;
    return InputEvent{EventType::CloseRequested};
  }
  AdvanceMilliseconds(timeout_ms);
  return std::nullopt;
}

MessageAnswer FakePlatform::ShowMessageBox(const std::string& text, const std::string& title,
                                           MessageButtons buttons, MessageIcon icon) {
  Messages.push_back({text, title, buttons, icon});
  if (!ScriptedAnswers.empty()) {
    const MessageAnswer answer = ScriptedAnswers.front();
    ScriptedAnswers.pop_front();
    return answer;
  }
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  return DeclineQuestions ? MessageAnswer::No : MessageAnswer::Yes;
}

void FakePlatform::RunModalDialog(ModalDialog& dialog) {
  ++DialogsRun;
  if (!DialogScripts.empty()) {
    const auto script = std::move(DialogScripts.front());
    DialogScripts.pop_front();
    script(dialog);
  } else if (OnDialog) {
    OnDialog(dialog);
  }
  if (!dialog.Closed()) dialog.Answer(DialogAnswer::Cancel);
}

bool FakePlatform::OpenWindow(const std::string& title) {
  if (WindowCannotOpen) return false;
  if (!WindowOpen) ++WindowsOpened;
  WindowOpen = true;
  WindowTitle = title;
  return true;
}

void FakePlatform::Present(const Surface& picture) {
  ++Presents;
  LastPicture = picture;
  AdvanceMilliseconds(PresentMilliseconds);
}

void FakePlatform::WarpPointer(int x, int y) {
  Warps.emplace_back(x, y);
  InputEvent move{EventType::MouseMove};
  move.X = x;
  move.Y = y;
  events_.push_back({move, 0, true});
}

bool FakePlatform::ChangeDisplayMode(const DisplayMode& mode) {
  for (const auto& offered : Modes) {
    if (offered.Width == mode.Width && offered.Height == mode.Height &&
        offered.BitsPerPixel == mode.BitsPerPixel) {
      ModeChanges.push_back(mode);
      CurrentMode = mode;
      return true;
    }
  }
  return false;
}

}  // namespace tavlo::testing

namespace tavlo::testing {

void RunFor(Application& app, FakePlatform& platform, int milliseconds, int step) {
  app.DoEvents();
  for (int passed = 0; passed < milliseconds; passed += step) {
    platform.AdvanceMilliseconds(step);
    app.DoEvents();
  }
}

}  // namespace tavlo::testing
