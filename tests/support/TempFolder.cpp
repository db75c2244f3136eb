#include "support/TempFolder.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <future>
#include <sstream>
#include <stdexcept>

namespace tavlo::testing {

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tavlo-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temp folder");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

void WriteFile(const std::filesystem::path& file, const std::string& bytes) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream stream(file, std::ios::binary | std::ios::trunc);
  stream << bytes;
}

void WriteLines(const std::filesystem::path& file, const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  WriteFile(file, text);
}

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream stream(file, std::ios::binary);
  std::stringstream text;
  text << stream.rdbuf();
  return text.str();
}

std::vector<std::string> ReadLines(const std::filesystem::path& file) {
  std::vector<std::string> lines;
  std::istringstream text(ReadFile(file));
  std::string line;
  while (std::getline(text, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

void MakePipe(const std::filesystem::path& file) {
  std::filesystem::create_directories(file.parent_path());
  if (mkfifo(file.c_str(), 0600) != 0) throw std::runtime_error("cannot make a pipe");
}

bool EndsWithoutAWriter(const std::filesystem::path& pipe, const std::function<void()>& read) {
  auto reading = std::async(std::launch::async, read);
  if (reading.wait_for(std::chrono::seconds(5)) == std::future_status::ready) {
    reading.get();
    return true;
  }
  // Without a reader waiting, this fails at once instead of waiting too.
  const int writer = open(pipe.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (writer >= 0) close(writer);
  reading.get();
  return false;
}

}  // namespace tavlo::testing
