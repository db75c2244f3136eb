#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

namespace tavlo {
namespace {

constexpr std::string_view kTemporaryPrefix = ".saving-";

bool WriteAll(int descriptor, std::string_view bytes) {
  size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t result = write(descriptor, bytes.data() + written, bytes.size() - written);
    if (result <= 0) return false;
    written += static_cast<size_t>(result);
  }
  return true;
}

// A rename is only lasting once the folder that holds the name is on the disk.
void SyncFolder(const std::filesystem::path& folder) {
  const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  fsync(descriptor);
  close(descriptor);
}

}  // namespace

bool ReplaceFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
  // A short hidden name of its own, whatever the length of the target's name:
  // it always fits the file system and is never taken for one of the folder's
  // own files.
  const std::filesystem::path folder =
      file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
  std::string temporary = (folder / (std::string(kTemporaryPrefix) + "XXXXXX")).string();
  const int descriptor = mkostemp(temporary.data(), O_CLOEXEC);
  if (descriptor < 0) return false;
  bool ok = fchmod(descriptor, 0644) == 0 && WriteAll(descriptor, bytes);
  if (ok) ok = fsync(descriptor) == 0;
  if (close(descriptor) != 0) ok = false;
  if (ok) ok = std::rename(temporary.c_str(), file.c_str()) == 0;
  if (!ok) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return false;
  }
  SyncFolder(folder);
  return true;
}

void RemoveUnfinishedSaves(const std::filesystem::path& folder) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    std::error_code ignored;
    if (entry.path().filename().string().starts_with(kTemporaryPrefix) &&
        entry.is_regular_file(ignored)) {
      std::filesystem::remove(entry.path(), ignored);
    }
  }
}

}  // namespace tavlo
