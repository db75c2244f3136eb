#include "engine/Application.h"

#include <algorithm>
#include <limits>

#include "engine/FilePaths.h"
#include "engine/Form.h"
#include "engine/MilliTimer.h"
#include "engine/Timer.h"

namespace tavlo {
namespace {

template <typename T>
bool Contains(const std::vector<T*>& items, const T* item) {
  return std::find(items.begin(), items.end(), item) != items.end();
}

template <typename T>
void Remove(std::vector<T*>& items, const T* item) {
  items.erase(std::remove(items.begin(), items.end(), item), items.end());
}

}  // namespace

Application::Application(Platform& platform, FontLibrary& fonts)
    : platform_(platform), fonts_(fonts), program_folder_(platform.ProgramFolder()) {}

Application::~Application() = default;

Form* Application::FrontForm() const {
  if (!modal_.empty()) return modal_.back();
  if (!shown_.empty()) return shown_.back();
  return nullptr;
}

void Application::Present(Form& form) {
  if (FrontForm() == &form) platform_.Present(form.Picture());
}

std::filesystem::path Application::ResourcePath(std::string_view relative) const {
  return ResolvePath(program_folder_, relative);
}

void Application::BringToFront(Form& form) {
  Remove(shown_, &form);
  shown_.push_back(&form);
}

void Application::Show(Form& form) {
  if (!form.loaded_) {
    form.loaded_ = true;
    shown_.push_back(&form);
    form.Form_Load();
    // A form may decide in its load that it cannot run and unload itself.
    if (!form.loaded_) return;
  } else if (!Contains(modal_, &form)) {
    BringToFront(form);
  }
  if (FrontForm() != &form) return;
  platform_.SetWindowTitle(form.Caption);
  platform_.Present(form.Picture());
  form.Form_GotFocus();
}

void Application::ShowModal(Form& form) {
  if (form.loaded_) Remove(shown_, &form);
  modal_.push_back(&form);
  if (!form.loaded_) {
    form.loaded_ = true;
    form.Form_Load();
  }
  if (form.loaded_) {
    platform_.SetWindowTitle(form.Caption);
    platform_.Present(form.Picture());
    form.Form_GotFocus();
  }
  while (form.loaded_ && !quit_) Step();
}

void Application::Unload(Form& form) {
  if (!form.loaded_) return;
  Form* front_before = FrontForm();
  form.loaded_ = false;
  form.Form_Unload();
  Remove(shown_, &form);
  Remove(modal_, &form);
  Form* front_after = FrontForm();
  if (front_after && front_after != front_before) {
    platform_.SetWindowTitle(front_after->Caption);
    platform_.Present(front_after->Picture());
    front_after->Form_GotFocus();
  }
}

void Application::Forget(Form& form) {
  Remove(shown_, &form);
  Remove(modal_, &form);
}

void Application::Register(Timer& timer) { timers_.push_back(&timer); }

void Application::Unregister(Timer& timer) { Remove(timers_, &timer); }

void Application::Run() {
  quit_ = false;
  while (!quit_ && FrontForm()) Step();
}

void Application::Step(int most_milliseconds) {
  if (close_requested_) {
    close_requested_ = false;
    Dispatch(InputEvent{EventType::CloseRequested});
    return;
  }
  int timeout = MillisecondsToNextTimer();
  if (most_milliseconds >= 0 && (timeout < 0 || timeout > most_milliseconds)) {
    timeout = most_milliseconds;
  }
  if (auto event = platform_.WaitEvent(timeout)) Dispatch(*event);
  FireDueTimers();
}

void Application::WaitForNextFrame() {
  constexpr std::int64_t kPerMillisecond = 1'000'000;
  next_frame_nanoseconds_ += kFrameNanoseconds;
  if (next_frame_nanoseconds_ <= platform_.MonotonicNanoseconds()) {
    DoEvents();
    next_frame_nanoseconds_ = platform_.MonotonicNanoseconds();
    return;
  }
  while (!quit_) {
    const std::int64_t remaining = next_frame_nanoseconds_ - platform_.MonotonicNanoseconds();
    if (remaining <= 0) break;
    // Rounded up, so that the frame is never cut short by a part of a millisecond.
    Step(static_cast<int>((remaining + kPerMillisecond - 1) / kPerMillisecond));
  }
}

void Application::DoEvents() {
  while (auto event = platform_.WaitEvent(0)) Dispatch(*event);
  FireDueTimers();
}

void Application::Wait(int milliseconds) {
  const std::int64_t end = MilliTimer64() + milliseconds;
  while (true) {
    const std::int64_t remaining = end - MilliTimer64();
    if (remaining <= 0) break;
    auto event = platform_.WaitEvent(static_cast<int>(remaining));
    if (!event) continue;
    if (event->Type == EventType::Exposed) {
      if (Form* front = FrontForm()) platform_.Present(front->Picture());
    } else if (event->Type == EventType::CloseRequested) {
      // Handled once the wait is over, so the handler that waits finishes first.
      close_requested_ = true;
    }
  }
}

void Application::Dispatch(const InputEvent& event) {
  Form* form = FrontForm();
  if (!form) return;
  // The characters of a key stroke arrive just after its key-down. When that
  // key-down brought another screen to the front (a letter key opening a
  // game), the characters were typed at the screen that was left: the new
  // screen must not take them as its first input.
  const bool typed_at_screen_left = typed_at_screen_left_;
  typed_at_screen_left_ = false;
  switch (event.Type) {
    case EventType::KeyDown:
      form->Form_KeyDown(event.KeyCode, event.Shift);
      typed_at_screen_left_ = FrontForm() != form;
      break;
    case EventType::TextInput:
      if (!typed_at_screen_left) form->Form_KeyPress(event.Text);
      break;
    case EventType::KeyUp:
      form->Form_KeyUp(event.KeyCode, event.Shift);
      break;
    case EventType::MouseDown:
      form->Form_MouseDown(event.Button, event.Shift, event.X, event.Y);
      break;
    case EventType::MouseUp:
      form->Form_MouseUp(event.Button, event.Shift, event.X, event.Y);
      break;
    case EventType::MouseMove:
      form->Form_MouseMove(event.Button, event.Shift, event.X, event.Y);
      break;
    case EventType::CloseRequested:
      form->Form_CloseRequested();
      break;
    case EventType::Exposed:
      platform_.Present(form->Picture());
      break;
  }
}

int Application::MillisecondsToNextTimer() const {
  const std::int64_t now = MilliTimer64();
  std::int64_t soonest = std::numeric_limits<std::int64_t>::max();
  for (const Timer* timer : timers_) {
    if (!timer->enabled_ || timer->interval_ <= 0 || timer->ticking_) continue;
    if (!timer->owner_.IsLoaded()) continue;
    soonest = std::min(soonest, std::max<std::int64_t>(timer->due_ - now, 0));
  }
  if (soonest == std::numeric_limits<std::int64_t>::max()) return -1;
  return static_cast<int>(std::min<std::int64_t>(soonest, std::numeric_limits<int>::max()));
}

void Application::FireDueTimers() {
  const std::vector<Timer*> snapshot = timers_;
  for (Timer* timer : snapshot) {
    // A tick may destroy or stop other timers; skip those.
    if (!Contains(timers_, timer)) continue;
    if (!timer->enabled_ || timer->interval_ <= 0 || timer->ticking_) continue;
    if (!timer->owner_.IsLoaded()) continue;
    const std::int64_t now = MilliTimer64();
    if (timer->due_ > now) continue;
    timer->due_ = now + timer->interval_;
    timer->ticking_ = true;
    timer->on_tick_();
    if (Contains(timers_, timer)) timer->ticking_ = false;
  }
}

}  // namespace tavlo
