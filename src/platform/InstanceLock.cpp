#include "platform/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace tavlo {

InstanceLock::InstanceLock(std::filesystem::path lock_file) : lock_file_(std::move(lock_file)) {}

InstanceLock::~InstanceLock() {
  if (descriptor_ >= 0) close(descriptor_);
}

bool InstanceLock::Acquire() {
  if (held_) return true;
  if (descriptor_ < 0) descriptor_ = open(lock_file_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  // Without a lock file we cannot tell; running is better than refusing to.
  if (descriptor_ < 0) return true;
  held_ = flock(descriptor_, LOCK_EX | LOCK_NB) == 0;
  return held_;
}

std::filesystem::path InstanceLock::DefaultLockFile() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  std::filesystem::path folder;
  if (runtime && *runtime) {
    folder = runtime;
  } else {
    std::error_code error;
    folder = std::filesystem::temp_directory_path(error);
    if (error) folder = "/tmp";
  }
  return folder / ("tavlo-" + std::to_string(getuid()) + ".lock");
}

}  // namespace tavlo
