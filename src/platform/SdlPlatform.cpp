#include "platform/SdlPlatform.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "platform/Fonts.h"
#include "platform/SdlImGuiHost.h"
#include "platform/SdlJoysticks.h"
#include "platform/SdlKeys.h"
#include "platform/SdlMessageBox.h"
#include "platform/ProgramLocation.h"
#include "platform/SessionBus.h"
#include "platform/SystemFolders.h"

namespace tavlo {
namespace {

constexpr int kPictureWidth = 800;
constexpr int kPictureHeight = 600;
// How often the wait looks for joystick input: a switch press is seen within
// this time, and an idle program wakes no more than this often.
constexpr int kJoystickPollMilliseconds = 10;

SDL_MessageBoxFlags SdlIconFlag(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Critical:
      return SDL_MESSAGEBOX_ERROR;
    case MessageIcon::Exclamation:
      return SDL_MESSAGEBOX_WARNING;
    default:
      return SDL_MESSAGEBOX_INFORMATION;
  }
}

// Where no window could be made, SDL's own box is the next best thing; where
// even that fails, the text goes to the terminal so that it is not lost.
MessageAnswer ShowStandaloneMessageBox(const std::string& text, const std::string& title,
                                       MessageButtons buttons, MessageIcon icon,
                                       const MessageButtonWords& words) {
  std::vector<SDL_MessageBoxButtonData> button_data;
  if (buttons == MessageButtons::YesNo) {
    button_data.push_back({SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, words.Yes.c_str()});
    button_data.push_back({SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, words.No.c_str()});
  } else if (buttons == MessageButtons::YesNoDefaultNo) {
    button_data.push_back({0, 1, words.Yes.c_str()});
    button_data.push_back({SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT |
                               SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT,
                           0, words.No.c_str()});
  } else {
    button_data.push_back(
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 1,
         words.Ok.c_str()});
  }
  const SDL_MessageBoxData data{SdlIconFlag(icon),
                                nullptr,
                                title.c_str(),
                                text.c_str(),
                                static_cast<int>(button_data.size()),
                                button_data.data(),
                                nullptr};
  int chosen = 0;
  if (SDL_ShowMessageBox(&data, &chosen) != 0) {
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    chosen = buttons == MessageButtons::Ok ? 1 : 0;
  }
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  return chosen == 1 ? MessageAnswer::Yes : MessageAnswer::No;
}

// Where the display cannot be reached SDL falls back to drawing into memory
// ("offscreen") without a word. Only a user who asked for such a driver by
// name (tests, benchmarks) means to run without a window.
bool IsUnseenFallbackDriver() {
  const char* asked = std::getenv("SDL_VIDEODRIVER");
  if (asked && *asked) return false;
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!driver) return true;
  const std::string_view name = driver;
  return name == "offscreen" || name == "dummy" || name == "evdev";
}

}  // namespace

SdlPlatform::SdlPlatform()
    : joysticks_(std::make_unique<SdlJoysticks>()), instance_lock_(InstanceLock::DefaultLockFile()) {
  // Full screen scales the 800 x 600 picture; smooth scaling reads better.
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "1");
  // SDL would show the software renderer's pixels through an OpenGL texture,
  // loading the GL driver (without a GPU Mesa's llvmpipe: 60 MB and two
  // threads) for a copy that X11's shared memory does as well.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  KeepSessionBusFromStarting();
  const char* request = std::getenv("TAVLO_RENDERER");
  renderer_request_ = RendererRequestFromText(request ? request : "");
  video_ = SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) == 0;
  if (video_ && IsUnseenFallbackDriver()) {
    // No window would ever show, and the program would run on unseen, holding
    // the lock that turns every later start away; better to end and say why.
    std::fprintf(stderr, "Tavlo: no display to open the window on (%s)\n",
                 std::getenv("DISPLAY") ? "the display does not answer" : "DISPLAY is not set");
    video_ = false;
  }
}

SdlPlatform::~SdlPlatform() {
  joysticks_.reset();
  CloseWindow();
  if (arrow_cursor_) SDL_FreeCursor(arrow_cursor_);
  if (wait_cursor_) SDL_FreeCursor(wait_cursor_);
  // The mixer must let go of the sound device while SDL is still up.
  audio_.Shutdown();
  SDL_Quit();
}

std::int64_t SdlPlatform::MonotonicNanoseconds() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

bool SdlPlatform::OpenWindow(const std::string& title) {
  if (window_) return true;
  if (!video_) return false;
  window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                             kPictureWidth, kPictureHeight, SDL_WINDOW_SHOWN);
  // Without a window there is nowhere to show a message, so the reason goes to
  // the standard error, for whoever started the program from a terminal or a log.
  if (!window_) {
    std::fprintf(stderr, "%s: the window cannot be opened: %s\n", title.c_str(), SDL_GetError());
    return false;
  }
  if (!UpdateRenderer(kPictureWidth, kPictureHeight)) {
    std::fprintf(stderr, "%s: the window cannot be drawn in: %s\n", title.c_str(), SDL_GetError());
    CloseWindow();
    return false;
  }
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderPresent(renderer_);
  return true;
}

bool SdlPlatform::UpdateRenderer(int window_width, int window_height) {
  const RendererKind wanted = ChooseRenderer(
      renderer_request_, ScalingOf(window_width, window_height, kPictureWidth, kPictureHeight),
      DetectGraphicsHardware());
  if (renderer_ && wanted == renderer_kind_) return true;
  DestroyRenderer();
  // The other kind stands in where the wanted one cannot be made (no GPU
  // driver; no shared-memory window pixels on some displays).
  const RendererKind other =
      wanted == RendererKind::Software ? RendererKind::Accelerated : RendererKind::Software;
  for (const RendererKind kind : {wanted, other}) {
    renderer_ = SDL_CreateRenderer(
        window_, -1,
        kind == RendererKind::Software ? SDL_RENDERER_SOFTWARE : SDL_RENDERER_ACCELERATED);
    if (renderer_) {
      renderer_kind_ = kind;
      break;
    }
  }
  if (!renderer_) return false;
  clear_borders_ = true;
  SDL_RenderSetLogicalSize(renderer_, kPictureWidth, kPictureHeight);
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                               kPictureWidth, kPictureHeight);
  return true;
}

void SdlPlatform::DestroyRenderer() {
  // The dialogs' textures belong to the renderer.
  message_box_.reset();
  imgui_host_.reset();
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  texture_ = nullptr;
  renderer_ = nullptr;
}

SdlImGuiHost& SdlPlatform::DialogHost() {
  if (!imgui_host_) {
    imgui_host_ = std::make_unique<SdlImGuiHost>(window_, renderer_);
    message_box_ = std::make_unique<SdlMessageBox>(*imgui_host_);
  }
  return *imgui_host_;
}

void SdlPlatform::CloseWindow() {
  DestroyRenderer();
  if (window_) SDL_DestroyWindow(window_);
  window_ = nullptr;
}

void SdlPlatform::SetFullScreen(bool full_screen) {
  if (!window_) return;
  SDL_Rect bounds{0, 0, kPictureWidth, kPictureHeight};
  SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window_), &bounds);
  if (full_screen) {
    // Without a window manager nobody acts on the full-screen request, so
    // the window also covers the display by itself.
    SDL_SetWindowBordered(window_, SDL_FALSE);
    SDL_SetWindowPosition(window_, bounds.x, bounds.y);
    SDL_SetWindowSize(window_, bounds.w, bounds.h);
    SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
    UpdateRenderer(bounds.w, bounds.h);
  } else {
    SDL_SetWindowFullscreen(window_, 0);
    SDL_SetWindowBordered(window_, SDL_TRUE);
    SDL_SetWindowSize(window_, kPictureWidth, kPictureHeight);
    SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    UpdateRenderer(kPictureWidth, kPictureHeight);
  }
  if (!last_picture_.Empty()) Present(last_picture_);
}

void SdlPlatform::SetWindowTitle(const std::string& title) {
  if (window_) SDL_SetWindowTitle(window_, title.c_str());
}

void SdlPlatform::SetWindowIcon(const Surface& icon) {
  if (window_ && !icon.Empty()) SDL_SetWindowIcon(window_, icon.NativeHandle());
}

void SdlPlatform::SetCursor(CursorShape shape) {
  if (!video_) return;
  if (!arrow_cursor_) arrow_cursor_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
  if (!wait_cursor_) wait_cursor_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_WAIT);
  SDL_Cursor* cursor = shape == CursorShape::Hourglass ? wait_cursor_ : arrow_cursor_;
  if (cursor) SDL_SetCursor(cursor);
}

void SdlPlatform::DrawPicture() {
  // The software renderer draws into the window's own pixels, which keep the
  // black borders around a scaled picture from one frame to the next; clearing
  // them every time would cost more than the picture (8 MB at 1920 x 1080).
  // A GPU's back buffer holds nothing defined after a present.
  if (renderer_kind_ == RendererKind::Accelerated || clear_borders_ || last_picture_.Empty()) {
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    clear_borders_ = false;
  }
  if (!last_picture_.Empty()) {
    SDL_Surface* pixels = last_picture_.NativeHandle();
    SDL_UpdateTexture(texture_, nullptr, pixels->pixels, pixels->pitch);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
  }
}

void SdlPlatform::ShowPicture() {
  pacer_.Shown(MonotonicNanoseconds());
  if (renderer_kind_ == RendererKind::Software && !redraw_all_ && !clear_borders_ &&
      ShowChangedRows()) {
    return;
  }
  DrawPicture();
  SDL_RenderPresent(renderer_);
  redraw_all_ = false;
  shown_rows_.Take(last_picture_, 0, kPictureHeight);
}

bool SdlPlatform::ShowChangedRows() {
  if (last_picture_.Empty()) return false;
  const SDL_Surface& picture = *last_picture_.NativeHandle();
  float scale_x = 1;
  float scale_y = 1;
  SDL_RenderGetScale(renderer_, &scale_x, &scale_y);
  const std::optional<ChangedBand> band = shown_rows_.Changed(last_picture_, scale_y);
  if (!band) return false;
  if (band->Bottom > band->Top) {
    const SDL_Rect rows{0, band->Top, kPictureWidth, band->Bottom - band->Top};
    const auto* first = static_cast<const Uint8*>(picture.pixels) + band->Top * picture.pitch;
    SDL_UpdateTexture(texture_, &rows, first, picture.pitch);
    SDL_RenderCopy(renderer_, texture_, &rows, &rows);
    SDL_RenderPresent(renderer_);
    shown_rows_.Take(last_picture_, band->Top, band->Bottom);
  }
  return true;
}

void SdlPlatform::Present(const Surface& picture) {
  last_picture_ = picture;
  if (!renderer_) return;
  if (pacer_.Offer(MonotonicNanoseconds())) ShowPicture();
}

int SdlPlatform::HousekeepingBeforeWait() {
  const std::int64_t now = MonotonicNanoseconds();
  if (renderer_ && pacer_.Due(now)) ShowPicture();
  int limit = pacer_.MillisecondsUntilDue(now);
  const int audio = audio_.CloseWhenIdle(now / 1'000'000);
  if (audio >= 0 && (limit < 0 || audio < limit)) limit = audio;
  return limit;
}

void SdlPlatform::WarpPointer(int x, int y) {
  if (!window_ || !renderer_) return;
  int window_x = x;
  int window_y = y;
  SDL_RenderLogicalToWindow(renderer_, static_cast<float>(x), static_cast<float>(y), &window_x,
                            &window_y);
  SDL_WarpMouseInWindow(window_, window_x, window_y);
}

void SdlPlatform::WatchJoysticks(bool watch) {
  if (video_) joysticks_->Watch(watch);
}

bool SdlPlatform::NextSdlEvent(SDL_Event& event, int timeout_ms) {
  if (!joysticks_->Watching()) {
    return (timeout_ms < 0 ? SDL_WaitEvent(&event) : SDL_WaitEventTimeout(&event, timeout_ms)) != 0;
  }
  joysticks_->ReadTestFeed();
  if (SDL_PollEvent(&event)) return true;
  const int nap = timeout_ms < 0 ? kJoystickPollMilliseconds
                                 : std::min(timeout_ms, kJoystickPollMilliseconds);
  if (nap > 0) SDL_Delay(static_cast<Uint32>(nap));
  return false;
}

std::optional<InputEvent> SdlPlatform::WaitEvent(int timeout_ms) {
  if (!video_) return InputEvent{EventType::CloseRequested};
  const Uint64 start = SDL_GetTicks64();
  while (true) {
    SDL_Event event;
    int remaining = -1;
    if (timeout_ms >= 0) {
      const auto spent = static_cast<int>(SDL_GetTicks64() - start);
      remaining = spent >= timeout_ms ? 0 : timeout_ms - spent;
    }
    int wait = remaining;
    const int housekeeping = HousekeepingBeforeWait();
    if (housekeeping >= 0 && (wait < 0 || housekeeping < wait)) wait = housekeeping;
    if (!NextSdlEvent(event, wait)) {
      // Woken for housekeeping (or to look for joystick input) only: wait on
      // for the caller's time.
      if (remaining == 0 || (wait == remaining && !joysticks_->Watching())) return std::nullopt;
      continue;
    }
    switch (event.type) {
      case SDL_QUIT:
        quit_requested_ = true;
        return InputEvent{EventType::CloseRequested};
      case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE)
          return InputEvent{EventType::CloseRequested};
        if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
          // The window's pixels are new, borders included.
          clear_borders_ = true;
          UpdateRenderer(event.window.data1, event.window.data2);
          return InputEvent{EventType::Exposed};
        }
        if (event.window.event == SDL_WINDOWEVENT_EXPOSED) {
          // The window lost its pixels on the screen: show all of them again.
          redraw_all_ = true;
          return InputEvent{EventType::Exposed};
        }
        break;
      case SDL_KEYDOWN:
      case SDL_KEYUP: {
        // Children press and hold; a held key must not become a stream of presses.
        if (event.key.repeat) break;
        const int key = VirtualKeyFromSdl(event.key.keysym.sym);
        if (key == 0) break;
        InputEvent result{event.type == SDL_KEYDOWN ? EventType::KeyDown : EventType::KeyUp};
        result.KeyCode = key;
        result.Shift = ShiftStateFromSdl(event.key.keysym.mod);
        return result;
      }
      case SDL_JOYBUTTONDOWN:
      case SDL_JOYBUTTONUP: {
        InputEvent result{event.type == SDL_JOYBUTTONDOWN ? EventType::JoystickButtonDown
                                                          : EventType::JoystickButtonUp};
        result.Button = event.jbutton.button;
        return result;
      }
      case SDL_JOYDEVICEADDED:
      case SDL_JOYDEVICEREMOVED:
        joysticks_->HandleDeviceEvent(event);
        break;
      case SDL_TEXTINPUT: {
        InputEvent result{EventType::TextInput};
        result.Text = event.text.text;
        return result;
      }
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP: {
        const int button = MouseButtonFromSdl(event.button.button);
        if (button == 0) break;
        InputEvent result{event.type == SDL_MOUSEBUTTONDOWN ? EventType::MouseDown
                                                            : EventType::MouseUp};
        result.Button = button;
        result.Shift = ShiftStateFromSdl(SDL_GetModState());
        result.X = event.button.x;
        result.Y = event.button.y;
        return result;
      }
      case SDL_MOUSEMOTION: {
        InputEvent result{EventType::MouseMove};
        result.Button = MouseButtonsFromSdlState(event.motion.state);
        result.Shift = ShiftStateFromSdl(SDL_GetModState());
        result.X = event.motion.x;
        result.Y = event.motion.y;
        return result;
      }
      default:
        break;
    }
    if (remaining == 0) return std::nullopt;
  }
}

MessageAnswer SdlPlatform::ShowMessageBox(const std::string& text, const std::string& title,
                                          MessageButtons buttons, MessageIcon icon) {
  if (quit_requested_)
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
  if (!renderer_) return ShowStandaloneMessageBox(text, title, buttons, icon, button_words_);
  DialogHost();
  const MessageAnswer answer =
      message_box_->Run(text, title, buttons, icon, button_words_, [this] { DrawPicture(); });
  quit_requested_ = quit_requested_ || imgui_host_->QuitRequested();
  redraw_all_ = true;
  if (!last_picture_.Empty()) Present(last_picture_);
  return answer;
}

void SdlPlatform::RunModalDialog(ModalDialog& dialog) {
  if (quit_requested_ || !renderer_) {
    dialog.Answer(DialogAnswer::Cancel);
    return;
  }
  DialogHost().Run(dialog, [this] { DrawPicture(); },
                   [this](const SDL_Event& event) { joysticks_->HandleDeviceEvent(event); });
  quit_requested_ = quit_requested_ || imgui_host_->QuitRequested();
  redraw_all_ = true;
  if (!last_picture_.Empty()) Present(last_picture_);
}

std::filesystem::path SdlPlatform::ProgramFolder() { return RunningProgramFolder(); }

std::filesystem::path SdlPlatform::DocumentsFolder() { return UserDocumentsFolder(); }

std::string SdlPlatform::EnvironmentVariable(const std::string& name) {
  return EnvironmentValue(name);
}

bool SdlPlatform::AcquireSingleInstanceLock() { return instance_lock_.Acquire(); }

bool SdlPlatform::LockDataFolder(const std::filesystem::path& data_folder) {
  data_folder_lock_ = std::make_unique<InstanceLock>(data_folder / ".tavlo.lock");
  return data_folder_lock_->Acquire();
}

namespace {

DisplayMode FromSdl(const SDL_DisplayMode& mode) {
  return DisplayMode{mode.w, mode.h, static_cast<int>(SDL_BITSPERPIXEL(mode.format)),
                     mode.refresh_rate};
}

int DisplayOf(SDL_Window* window) {
  const int index = window ? SDL_GetWindowDisplayIndex(window) : 0;
  return index < 0 ? 0 : index;
}

}  // namespace

std::optional<DisplayMode> SdlPlatform::CurrentDisplayMode() {
  if (!video_) return std::nullopt;
  SDL_DisplayMode mode;
  if (SDL_GetCurrentDisplayMode(DisplayOf(window_), &mode) != 0) return std::nullopt;
  return FromSdl(mode);
}

std::vector<DisplayMode> SdlPlatform::DisplayModes() {
  std::vector<DisplayMode> modes;
  if (!video_) return modes;
  const int display = DisplayOf(window_);
  const int count = SDL_GetNumDisplayModes(display);
  for (int i = 0; i < count; ++i) {
    SDL_DisplayMode mode;
    if (SDL_GetDisplayMode(display, i, &mode) == 0) modes.push_back(FromSdl(mode));
  }
  return modes;
}

bool SdlPlatform::ChangeDisplayMode(const DisplayMode& wanted) {
  if (!window_) return false;
  const int display = DisplayOf(window_);
  const int count = SDL_GetNumDisplayModes(display);
  for (int i = 0; i < count; ++i) {
    SDL_DisplayMode mode;
    if (SDL_GetDisplayMode(display, i, &mode) != 0) continue;
    if (mode.w != wanted.Width || mode.h != wanted.Height ||
        static_cast<int>(SDL_BITSPERPIXEL(mode.format)) != wanted.BitsPerPixel) {
      continue;
    }
    if (SDL_SetWindowDisplayMode(window_, &mode) != 0) return false;
    if (SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN) != 0) return false;
    UpdateRenderer(mode.w, mode.h);
    return true;
  }
  return false;
}

std::optional<int> SdlPlatform::DesktopTextHeight() { return FontLibrary::DefaultSansTextHeight(); }

}  // namespace tavlo
