#pragma once

#include <filesystem>

namespace tavlo {

// An advisory lock on a file, held until this object goes. The first process
// to take it is the running instance; the lock dies with the process, so a
// crash never leaves the program locked out.
class InstanceLock {
 public:
  explicit InstanceLock(std::filesystem::path lock_file);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // True when this process holds the lock (taken now or before).
  bool Acquire();

  // The lock file of the program: in $XDG_RUNTIME_DIR, else the temp folder.
  static std::filesystem::path DefaultLockFile();

 private:
  std::filesystem::path lock_file_;
  int descriptor_ = -1;
  bool held_ = false;
};

}  // namespace tavlo
