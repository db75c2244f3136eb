#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/NullPlatform.h"
#include "support/FakeAudio.h"

namespace tavlo::testing {

// A printer that keeps what it was given: a page, or nothing when the test
// says there is no printer.
class FakePrinter : public PagePrinter {
 public:
  PrintResult PrintPage(const Surface& page, const std::string& job_title) override {
    if (!Available) return {};
    Pages.push_back(page.Clone());
    JobTitles.push_back(job_title);
    return {true, "Office"};
  }
  bool Available = true;
  std::vector<Surface> Pages;
  std::vector<std::string> JobTitles;
};

struct ShownMessage {
  std::string Text;
  std::string Title;
  MessageButtons Buttons;
  MessageIcon Icon;
};

// A platform that tests control: a clock that moves only when the program
// waits or the test advances it, a queue of input events, scripted answers to
// message boxes, and a record of what the program asked for.
class FakePlatform : public NullPlatform {
 public:
  FakePlatform();

  // Clock.
  std::int64_t MonotonicNanoseconds() override { return now_nanoseconds_; }
  void AdvanceMilliseconds(std::int64_t milliseconds);
  void SetNowNanoseconds(std::int64_t nanoseconds) { now_nanoseconds_ = nanoseconds; }

  // Input.
  void PushKey(int key_code, int shift = 0);
  void PushClick(int x, int y, int button = 1);
  void PushMouseMove(int x, int y);
  // Characters typed (UTF-8), as the keyboard delivers them after a key-down.
  void PushText(const std::string& text);
  // A joystick or gamepad button going down or up, and a press of one (down,
  // then up); the program sees them whether or not it watches joysticks.
  void PushJoystickButton(int button, EventType type);
  void PushJoystickPress(int button);
  void PushEvent(const InputEvent& event) { events_.push_back({event, 0}); }
  // The press, then the same event as the release of that type.
  void PushPressAndRelease(InputEvent press, EventType release);
  // Nothing happens for this long before the next queued event: the program
  // waits through it, its timers ticking as the time passes.
  void PushPause(int milliseconds);
  size_t PendingEvents() const { return events_.size(); }
  // Hands out queued events; with none queued, a wait with a timeout passes
  // that time on the clock, and a wait without one asks the program to close
  // (there will never be more input) and is counted.
  std::optional<InputEvent> WaitEvent(int timeout_ms) override;
  int EndlessWaits = 0;
  void WatchJoysticks(bool watch) override { JoysticksWatched = watch; }
  bool JoysticksWatched = false;
  // Called before each queued event is handed out, once the program has
  // finished with the one before: a place to check what must always hold.
  std::function<void()> BeforeEvent;
  // When not negative: once the queue is empty and this much time has passed
  // on the clock without input, every wait asks the program to close, so that
  // a screen that animates or scans by itself for ever still comes to an end.
  int CloseWhenIdleFor = -1;

  // Message boxes: answered from the script, else Yes or OK (No to every
  // question while DeclineQuestions is set).
  MessageAnswer ShowMessageBox(const std::string& text, const std::string& title,
                               MessageButtons buttons, MessageIcon icon) override;
  std::deque<MessageAnswer> ScriptedAnswers;
  bool DeclineQuestions = false;
  std::vector<ShownMessage> Messages;
  void SetMessageButtonWords(const MessageButtonWords& words) override { ButtonWords = words; }
  MessageButtonWords ButtonWords;

  // Modal dialogs: OnDialog plays the user. It gets the open dialog and
  // answers it with keys (dialog.OnKey), typed text (dialog.OnText) and
  // buttons (dialog.Answer), as a user would; a dialog it leaves open, or any dialog without a
  // script, is cancelled, since nobody else can answer it. Dialog views are never drawn.
  // DialogScripts answer the next dialogs one each, in order, before
  // OnDialog answers the rest.
  void RunModalDialog(ModalDialog& dialog) override;
  std::function<void(ModalDialog&)> OnDialog;
  std::deque<std::function<void(ModalDialog&)>> DialogScripts;
  int DialogsRun = 0;

  // Window.
  bool OpenWindow(const std::string& title) override;
  void CloseWindow() override { WindowOpen = false; }
  void SetFullScreen(bool full_screen) override { FullScreen = full_screen; }
  void SetWindowTitle(const std::string& title) override { WindowTitle = title; }
  void SetCursor(CursorShape shape) override { Cursor = shape; }
  void Present(const Surface& picture) override;
  void WarpPointer(int x, int y) override;
  bool WindowOpen = false;
  // A display that refuses the window, as an X server may under load.
  bool WindowCannotOpen = false;
  int WindowsOpened = 0;
  bool FullScreen = false;
  std::string WindowTitle;
  CursorShape Cursor = CursorShape::Arrow;
  int Presents = 0;
  // Showing a picture takes this long on the clock, as on a slow machine.
  int PresentMilliseconds = 0;
  Surface LastPicture;
  std::vector<std::pair<int, int>> Warps;

  // Folders and the running instance.
  std::filesystem::path ProgramFolder() override { return ProgramFolderPath; }
  std::filesystem::path DocumentsFolder() override { return DocumentsFolderPath; }
  // The process's environment as the program sees it; empty unless a test fills it.
  std::string EnvironmentVariable(const std::string& name) override {
    const auto found = Environment.find(name);
    return found == Environment.end() ? "" : found->second;
  }
  std::map<std::string, std::string> Environment;
  bool AcquireSingleInstanceLock() override { return !AnotherInstanceRunning; }
  bool LockDataFolder(const std::filesystem::path&) override { return !DataFolderInUse; }
  // Another instance, started by another user or on another computer, runs on
  // the same data folder.
  bool DataFolderInUse = false;
  std::filesystem::path ProgramFolderPath;
  std::filesystem::path DocumentsFolderPath;
  bool AnotherInstanceRunning = false;

  // Display.
  std::optional<DisplayMode> CurrentDisplayMode() override { return CurrentMode; }
  std::vector<DisplayMode> DisplayModes() override { return Modes; }
  bool ChangeDisplayMode(const DisplayMode& mode) override;
  std::optional<DisplayMode> CurrentMode;
  std::vector<DisplayMode> Modes;
  std::vector<DisplayMode> ModeChanges;

  std::optional<int> DesktopTextHeight() override { return TextHeight; }
  std::optional<int> TextHeight = 16;

  // Sound: plays on this platform's clock and records what played.
  AudioOutput& Audio() override { return Sound; }
  FakeAudio Sound{*this};

  PagePrinter& Printer() override { return Paper; }
  FakePrinter Paper;

 private:
  std::int64_t now_nanoseconds_;
  // An event, or (with a pause above 0) a stretch of time without input.
  struct Queued {
    InputEvent Event;
    int PauseMilliseconds = 0;
    // Made by the program itself (a pointer warp), not given by the user.
    bool FromProgram = false;
  };
  std::deque<Queued> events_;
  // When the last input was taken (or idleness was first looked for).
  std::optional<std::int64_t> idle_since_nanoseconds_;
  bool UserInputQueued() const;
};

}  // namespace tavlo::testing

namespace tavlo {
class Application;
}

namespace tavlo::testing {

// Lets the program run for the given time on the fake clock: queued input is
// handled and timers tick as they fall due, step by step.
void RunFor(Application& app, FakePlatform& platform, int milliseconds, int step = 5);

}  // namespace tavlo::testing
