#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "platform/Fonts.h"
#include "platform/InputEvent.h"
#include "platform/Platform.h"

namespace tavlo {

class Form;
class Timer;

// Runs the forms on the one user-interface thread: delivers the platform's
// events to the form in front, ticks the timers, and keeps the window showing
// the front form's picture. There is no loop of the program's own beyond this.
class Application {
 public:
  Application(Platform& platform, FontLibrary& fonts);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  Platform& Host() { return platform_; }
  FontLibrary& Fonts() { return fonts_; }

  // Loads the form when it is not loaded (its Form_Load runs), brings it to the
  // front and gives it the focus.
  void Show(Form& form);
  // Shows the form in front of all others and handles events until it unloads;
  // then the form below gets the focus back.
  void ShowModal(Form& form);
  // Runs Form_Unload and takes the form off the screen. The form behind it, if
  // any, comes to the front and gets the focus.
  void Unload(Form& form);

  // Handles events and timers until no form is loaded or Quit was called.
  void Run();
  // Handles the events that are waiting and the timers that are due, without
  // waiting for more.
  void DoEvents();
  // Handles events and timers as they come until the next display frame is
  // due (60 frames a second), waiting without using the processor meanwhile.
  // A screen with a loop of its own calls it once per frame: its frames keep
  // an even pace and its input stays live. A frame that ran late starts a
  // fresh pace instead of rushing to catch up.
  void WaitForNextFrame();
  static constexpr std::int64_t kFrameNanoseconds = 1'000'000'000 / 60;
  // Pauses for the given time. The window stays alive, but input that arrives
  // meanwhile is dropped: a child's extra presses during a sound do nothing.
  void Wait(int milliseconds);
  // Makes Run return after the current handler.
  void Quit() { quit_ = true; }

  // The form that receives input: the top modal form, else the front form.
  Form* FrontForm() const;
  // Shows the form's picture when it is the front form.
  void Present(Form& form);

  // A resource of the program folder, named as in the data files ("gfx\menu\x.gif").
  std::filesystem::path ResourcePath(std::string_view relative) const;
  const std::filesystem::path& ProgramFolder() const { return program_folder_; }

 private:
  friend class Form;
  friend class Timer;
  void Register(Timer& timer);
  void Unregister(Timer& timer);
  void Forget(Form& form);

  void Dispatch(const InputEvent& event);
  void FireDueTimers();
  // Milliseconds until the next timer is due; -1 when none is running.
  int MillisecondsToNextTimer() const;
  // Waits for one event or the next timer, at most the given milliseconds
  // (-1: no limit), and handles what came.
  void Step(int most_milliseconds = -1);
  void BringToFront(Form& form);

  Platform& platform_;
  FontLibrary& fonts_;
  std::filesystem::path program_folder_;
  // Loaded forms in the order they were brought to the front; the last is in front.
  std::vector<Form*> shown_;
  std::vector<Form*> modal_;
  std::vector<Timer*> timers_;
  bool quit_ = false;
  bool close_requested_ = false;
  // When the frame of WaitForNextFrame is due, on the platform's clock.
  std::int64_t next_frame_nanoseconds_ = 0;
  // The last key-down brought another form to the front.
  bool typed_at_screen_left_ = false;
};

}  // namespace tavlo
