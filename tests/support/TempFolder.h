#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tavlo::testing {

// A fresh folder under the system's temp folder, removed with everything in it
// when the object goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// Writes the bytes to the file, making its folders.
void WriteFile(const std::filesystem::path& file, const std::string& bytes);
// Writes the lines, each ending in CR LF.
void WriteLines(const std::filesystem::path& file, const std::vector<std::string>& lines);
std::string ReadFile(const std::filesystem::path& file);
// The file's lines without their line ends.
std::vector<std::string> ReadLines(const std::filesystem::path& file);

// Makes a named pipe that nobody writes to: whatever opens it to read waits
// until a writer comes.
void MakePipe(const std::filesystem::path& file);
// Runs read and tells whether it ended within five seconds while nobody wrote
// to the pipe. When it did not, the pipe is opened for writing, so that a
// read stuck in opening it goes on and the test fails instead of hanging.
bool EndsWithoutAWriter(const std::filesystem::path& pipe, const std::function<void()>& read);

}  // namespace tavlo::testing
