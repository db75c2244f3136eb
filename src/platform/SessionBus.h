#pragma once

namespace tavlo {

// SDL connects to the desktop's session bus for input methods and the screen
// saver. Where none runs, libdbus would start one of its own (dbus-launch and
// a dbus-daemon that outlive the program) and then find nothing on it SDL
// could use; this points it at no bus instead. A bus that is running (named
// in DBUS_SESSION_BUS_ADDRESS or at $XDG_RUNTIME_DIR/bus) is left alone.
// Call before SDL starts.
void KeepSessionBusFromStarting();

}  // namespace tavlo
