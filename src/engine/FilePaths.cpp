#include "engine/FilePaths.h"

#include "engine/AsciiCase.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <system_error>

namespace tavlo {
namespace {

}  // namespace

std::filesystem::path PathFromText(std::string_view text) {
  std::string converted(text);
  std::replace(converted.begin(), converted.end(), '\\', '/');
  return std::filesystem::path(converted);
}

bool IsNameInsideFolder(std::string_view name) {
  if (name.empty() || name.front() == '/' || name.front() == '\\') return false;
  if (name.size() >= 2 && name[1] == ':') return false;
  for (const auto& part : PathFromText(name)) {
    if (part == "..") return false;
  }
  return true;
}

std::filesystem::path ResolvePath(const std::filesystem::path& base, std::string_view relative) {
  const std::filesystem::path wanted = PathFromText(relative);
  const std::filesystem::path exact = wanted.is_absolute() ? wanted : base / wanted;
  std::error_code error;
  if (std::filesystem::exists(exact, error)) return exact;

  std::filesystem::path found = wanted.is_absolute() ? wanted.root_path() : base;
  const std::filesystem::path parts = wanted.is_absolute() ? wanted.relative_path() : wanted;
  for (const auto& part : parts) {
    if (part.empty() || part == ".") continue;
    std::filesystem::path candidate = found / part;
    if (!std::filesystem::exists(candidate, error)) {
      bool matched = false;
      std::filesystem::directory_iterator entries(found, error);
      if (error) return exact;
      for (const auto& entry : entries) {
        if (SameIgnoringAsciiCase(entry.path().filename().string(), part.string())) {
          candidate = entry.path();
          matched = true;
          break;
        }
      }
      if (!matched) return exact;
    }
    found = candidate;
  }
  return found;
}

}  // namespace tavlo
