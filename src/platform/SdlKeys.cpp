#include "platform/SdlKeys.h"

#include "platform/InputEvent.h"

namespace tavlo {

int VirtualKeyFromSdl(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return keys::kA + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return keys::k0 + (key - SDLK_0);
  if (key >= SDLK_F1 && key <= SDLK_F12) return keys::kF1 + (key - SDLK_F1);
  if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return 97 + (key - SDLK_KP_1);
  switch (key) {
    case SDLK_RETURN:
    case SDLK_RETURN2:
    case SDLK_KP_ENTER:
      return keys::kEnter;
    case SDLK_SPACE:
      return keys::kSpace;
    case SDLK_ESCAPE:
      return keys::kEscape;
    case SDLK_BACKSPACE:
      return keys::kBackspace;
    case SDLK_TAB:
      return keys::kTab;
    case SDLK_LEFT:
      return keys::kLeft;
    case SDLK_UP:
      return keys::kUp;
    case SDLK_RIGHT:
      return keys::kRight;
    case SDLK_DOWN:
      return keys::kDown;
    case SDLK_PAGEUP:
      return keys::kPageUp;
    case SDLK_PAGEDOWN:
      return keys::kPageDown;
    case SDLK_HOME:
      return keys::kHome;
    case SDLK_END:
      return keys::kEnd;
    case SDLK_INSERT:
      return keys::kInsert;
    case SDLK_DELETE:
      return keys::kDelete;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
      return keys::kShift;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
      return keys::kControl;
    case SDLK_LALT:
    case SDLK_RALT:
      return keys::kAlt;
    case SDLK_KP_0:
      return 96;
    default:
      return 0;
  }
}

int ShiftStateFromSdl(Uint16 modifiers) {
  int shift = 0;
  if (modifiers & KMOD_SHIFT) shift |= shift_state::kShift;
  if (modifiers & KMOD_CTRL) shift |= shift_state::kControl;
  if (modifiers & KMOD_ALT) shift |= shift_state::kAlt;
  return shift;
}

int MouseButtonFromSdl(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_LEFT:
      return mouse_buttons::kLeft;
    case SDL_BUTTON_RIGHT:
      return mouse_buttons::kRight;
    case SDL_BUTTON_MIDDLE:
      return mouse_buttons::kMiddle;
    default:
      return 0;
  }
}

int MouseButtonsFromSdlState(Uint32 state) {
  int buttons = 0;
  if (state & SDL_BUTTON_LMASK) buttons |= mouse_buttons::kLeft;
  if (state & SDL_BUTTON_RMASK) buttons |= mouse_buttons::kRight;
  if (state & SDL_BUTTON_MMASK) buttons |= mouse_buttons::kMiddle;
  return buttons;
}

}  // namespace tavlo
