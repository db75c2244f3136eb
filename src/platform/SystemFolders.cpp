#include "platform/SystemFolders.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

#include "platform/RegularFile.h"

namespace tavlo {

std::filesystem::path ExecutableFolder() {
  std::error_code error;
  const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::filesystem::current_path(error);
  return executable.parent_path();
}

std::filesystem::path DocumentsFolderFromUserDirs(const std::string& user_dirs_text,
                                                  const std::filesystem::path& home) {
  std::istringstream lines(user_dirs_text);
  std::string line;
  const std::string key = "XDG_DOCUMENTS_DIR=";
  std::string value;
  while (std::getline(lines, line)) {
    const auto start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line[start] == '#') continue;
    if (line.compare(start, key.size(), key) != 0) continue;
    value = line.substr(start + key.size());
    while (!value.empty() && (value.back() == '\r' || value.back() == ' ')) value.pop_back();
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
      value = value.substr(1, value.size() - 2);
    }
  }
  if (value.empty()) return {};
  const std::string home_variable = "$HOME";
  if (value.compare(0, home_variable.size(), home_variable) == 0) {
    std::string rest = value.substr(home_variable.size());
    while (!rest.empty() && rest.front() == '/') rest.erase(rest.begin());
    // "$HOME/" alone means the home folder itself.
    return rest.empty() ? home : home / rest;
  }
  if (value.front() != '/') return {};
  return value;
}

std::filesystem::path UserDocumentsFolder() {
  const char* home_variable = std::getenv("HOME");
  if (!home_variable || !*home_variable) return {};
  const std::filesystem::path home = home_variable;

  std::filesystem::path config_home;
  const char* xdg_config = std::getenv("XDG_CONFIG_HOME");
  config_home = (xdg_config && *xdg_config) ? std::filesystem::path(xdg_config) : home / ".config";
  const std::filesystem::path user_dirs_file = config_home / "user-dirs.dirs";
  std::ifstream user_dirs;
  if (IsRegularFile(user_dirs_file)) user_dirs.open(user_dirs_file);
  if (user_dirs.is_open()) {
    std::stringstream text;
    text << user_dirs.rdbuf();
    auto documents = DocumentsFolderFromUserDirs(text.str(), home);
    if (!documents.empty()) return documents;
  }
  std::error_code error;
  if (std::filesystem::is_directory(home / "Documents", error)) return home / "Documents";
  return home;
}

}  // namespace tavlo
