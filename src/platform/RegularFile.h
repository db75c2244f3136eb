#pragma once

#include <filesystem>
#include <system_error>

namespace tavlo {

// Whether the path leads to a regular file. The libraries that open pictures
// and sounds by name would wait for ever on a pipe that nobody writes to, and
// a folder or a device is no picture either, so every file that a user could
// have replaced is asked about first.
inline bool IsRegularFile(const std::filesystem::path& file) {
  std::error_code error;
  return std::filesystem::is_regular_file(file, error);
}

}  // namespace tavlo
