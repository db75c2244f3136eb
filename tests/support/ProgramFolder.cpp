#include "support/ProgramFolder.h"

namespace tavlo::testing {

void CopyProgramResources(const std::filesystem::path& program_folder) {
  const std::filesystem::path source = TAVLO_SOURCE_RESOURCES;
  for (const char* folder : {"gfx", "sfx", "lang"}) {
    std::filesystem::copy(source / folder, program_folder / folder,
                          std::filesystem::copy_options::recursive);
  }
  std::filesystem::copy_file(source / "paths.txt", program_folder / "paths.txt");
  std::filesystem::create_directories(program_folder / "data" / "profiles");
}

}  // namespace tavlo::testing

namespace tavlo::testing {

ProgramFolderTest::ProgramFolderTest() : start_folder(std::filesystem::current_path()) {
  CopyProgramResources(program.Path());
  platform.ProgramFolderPath = program.Path();
  platform.DocumentsFolderPath = documents.Path();
}

ProgramFolderTest::~ProgramFolderTest() { std::filesystem::current_path(start_folder); }

}  // namespace tavlo::testing
