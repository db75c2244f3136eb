#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "support/FakePlatform.h"
#include "support/TempFolder.h"

namespace tavlo::testing {

// Copies the program's own resources (pictures, sounds, language files,
// paths.txt and an empty default data folder) into a folder, to serve as
// the program folder of a screen test. The default data's pictures and
// recordings are left out: screen tests bring their own data.
void CopyProgramResources(const std::filesystem::path& program_folder);

// A screen test's program folder and fake desktop, ready before the
// application that reads them is made: derived fixtures make it after this.
// The data folder paths.txt names is "Tavlo" in the fake documents folder.
class ProgramFolderTest : public ::testing::Test {
 protected:
  ProgramFolderTest();
  ~ProgramFolderTest() override;

  std::filesystem::path DataFolder() const { return documents / "Tavlo"; }

  TempFolder program;
  TempFolder documents;
  FakePlatform platform;
  // Full-screen start-up moves into the program folder; each test ends where it began.
  std::filesystem::path start_folder;
};

}  // namespace tavlo::testing
