#pragma once

#include <SDL.h>

namespace tavlo {

// The Windows virtual-key number of an SDL key; 0 for keys the program has
// no use for.
int VirtualKeyFromSdl(SDL_Keycode key);
// The shift argument (1 Shift, 2 Ctrl, 4 Alt) from SDL's modifier state.
int ShiftStateFromSdl(Uint16 modifiers);
// 1 left, 2 right, 4 middle; 0 for other buttons.
int MouseButtonFromSdl(Uint8 button);
int MouseButtonsFromSdlState(Uint32 state);

}  // namespace tavlo
