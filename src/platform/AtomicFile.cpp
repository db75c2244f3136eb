#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <system_error>

namespace tavlo {

bool ReplaceFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
  // A hidden name, so that the moment the temporary file exists it is not
  // taken for one of the folder's own files.
  const std::filesystem::path temporary =
      file.parent_path() / ("." + file.filename().string() + ".saving");
  const int descriptor = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (descriptor < 0) return false;
  size_t written = 0;
  bool ok = true;
  while (written < bytes.size()) {
    const ssize_t result = write(descriptor, bytes.data() + written, bytes.size() - written);
    if (result <= 0) {
      ok = false;
      break;
    }
    written += static_cast<size_t>(result);
  }
  if (ok) ok = fsync(descriptor) == 0;
  if (close(descriptor) != 0) ok = false;
  if (ok) ok = std::rename(temporary.c_str(), file.c_str()) == 0;
  if (!ok) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
  }
  return ok;
}

}  // namespace tavlo
