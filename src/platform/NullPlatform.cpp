#include "platform/NullPlatform.h"

#include <chrono>
#include <thread>

#include "platform/ProgramLocation.h"
#include "platform/SystemFolders.h"

namespace tavlo {

std::int64_t NullPlatform::MonotonicNanoseconds() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

std::optional<InputEvent> NullPlatform::WaitEvent(int timeout_ms) {
  if (timeout_ms < 0) return InputEvent{EventType::CloseRequested};
  std::this_thread::sleep_for(std::chrono::milliseconds(timeout_ms));
  return std::nullopt;
}

std::filesystem::path NullPlatform::ProgramFolder() { return RunningProgramFolder(); }

std::filesystem::path NullPlatform::DocumentsFolder() { return UserDocumentsFolder(); }

std::string NullPlatform::EnvironmentVariable(const std::string& name) {
  return EnvironmentValue(name);
}

}  // namespace tavlo
