#include "platform/SdlPlatform.h"

#include <SDL.h>

#include <chrono>
#include <cstdio>

#include "platform/Fonts.h"
#include "platform/SdlImGuiHost.h"
#include "platform/SdlKeys.h"
#include "platform/SdlMessageBox.h"
#include "platform/ProgramLocation.h"
#include "platform/SystemFolders.h"

namespace tavlo {
namespace {

constexpr int kPictureWidth = 800;
constexpr int kPictureHeight = 600;

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
                                       MessageButtons buttons, MessageIcon icon) {
  std::vector<SDL_MessageBoxButtonData> button_data;
  if (buttons == MessageButtons::YesNo) {
    button_data.push_back({SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, "Yes"});
    button_data.push_back({SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "No"});
  } else if (buttons == MessageButtons::YesNoDefaultNo) {
    button_data.push_back({0, 1, "Yes"});
    button_data.push_back(
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "No"});
  } else {
    button_data.push_back(
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 1,
         "OK"});
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

}  // namespace

SdlPlatform::SdlPlatform() : instance_lock_(InstanceLock::DefaultLockFile()) {
  // Full screen scales the 800 x 600 picture; smooth scaling reads better.
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "1");
  video_ = SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) == 0;
}

SdlPlatform::~SdlPlatform() {
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
  if (!window_) return false;
  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
  if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  if (!renderer_) {
    CloseWindow();
    return false;
  }
  SDL_RenderSetLogicalSize(renderer_, kPictureWidth, kPictureHeight);
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                               kPictureWidth, kPictureHeight);
  imgui_host_ = std::make_unique<SdlImGuiHost>(window_, renderer_);
  message_box_ = std::make_unique<SdlMessageBox>(*imgui_host_);
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderPresent(renderer_);
  return true;
}

void SdlPlatform::CloseWindow() {
  message_box_.reset();
  imgui_host_.reset();
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
  texture_ = nullptr;
  renderer_ = nullptr;
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
  } else {
    SDL_SetWindowFullscreen(window_, 0);
    SDL_SetWindowBordered(window_, SDL_TRUE);
    SDL_SetWindowSize(window_, kPictureWidth, kPictureHeight);
    SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
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
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  if (!last_picture_.Empty()) {
    SDL_Surface* pixels = last_picture_.NativeHandle();
    SDL_UpdateTexture(texture_, nullptr, pixels->pixels, pixels->pitch);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
  }
}

void SdlPlatform::Present(const Surface& picture) {
  last_picture_ = picture;
  if (!renderer_) return;
  DrawPicture();
  SDL_RenderPresent(renderer_);
}

void SdlPlatform::WarpPointer(int x, int y) {
  if (!window_ || !renderer_) return;
  int window_x = x;
  int window_y = y;
  SDL_RenderLogicalToWindow(renderer_, static_cast<float>(x), static_cast<float>(y), &window_x,
                            &window_y);
  SDL_WarpMouseInWindow(window_, window_x, window_y);
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
    const int got = remaining < 0 ? SDL_WaitEvent(&event) : SDL_WaitEventTimeout(&event, remaining);
    if (!got) return std::nullopt;
    switch (event.type) {
      case SDL_QUIT:
        quit_requested_ = true;
        return InputEvent{EventType::CloseRequested};
      case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE)
          return InputEvent{EventType::CloseRequested};
        if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
            event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
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
  if (!message_box_) return ShowStandaloneMessageBox(text, title, buttons, icon);
  const MessageAnswer answer =
      message_box_->Run(text, title, buttons, icon, [this] { DrawPicture(); });
  quit_requested_ = quit_requested_ || imgui_host_->QuitRequested();
  if (!last_picture_.Empty()) Present(last_picture_);
  return answer;
}

void SdlPlatform::RunModalDialog(ModalDialog& dialog) {
  if (quit_requested_ || !imgui_host_) {
    dialog.Answer(DialogAnswer::Cancel);
    return;
  }
  imgui_host_->Run(dialog, [this] { DrawPicture(); });
  quit_requested_ = quit_requested_ || imgui_host_->QuitRequested();
  if (!last_picture_.Empty()) Present(last_picture_);
}

std::filesystem::path SdlPlatform::ProgramFolder() { return RunningProgramFolder(); }

std::filesystem::path SdlPlatform::DocumentsFolder() { return UserDocumentsFolder(); }

bool SdlPlatform::AcquireSingleInstanceLock() { return instance_lock_.Acquire(); }

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
    return SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN) == 0;
  }
  return false;
}

std::optional<int> SdlPlatform::DesktopTextHeight() { return FontLibrary::DefaultSansTextHeight(); }

}  // namespace tavlo
