#include "platform/SessionBus.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace tavlo {

void KeepSessionBusFromStarting() {
  const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
  if (address && *address) return;
  const char* runtime_folder = std::getenv("XDG_RUNTIME_DIR");
  std::error_code error;
  if (runtime_folder && *runtime_folder &&
      std::filesystem::exists(std::filesystem::path(runtime_folder) / "bus", error)) {
    return;
  }
  // An address libdbus cannot parse: the connection fails at once, and
  // nothing is started.
  setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}

}  // namespace tavlo
