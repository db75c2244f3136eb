#include "platform/ProgramLocation.h"

#include <system_error>

#include "platform/SystemFolders.h"

// The program folder of an installed program relative to its executable's
// folder; the build sets it from the install directories it was configured
// with. The default is the layout of GNU install directories.
#ifndef TAVLO_INSTALLED_PROGRAM_FOLDER
#define TAVLO_INSTALLED_PROGRAM_FOLDER "../share/tavlo"
#endif

namespace tavlo {
namespace {

bool HoldsPathsFile(const std::filesystem::path& folder) {
  std::error_code error;
  return std::filesystem::is_regular_file(folder / "paths.txt", error);
}

}  // namespace

std::filesystem::path LocateProgramFolder(const std::filesystem::path& executable_folder,
                                          const std::filesystem::path& installed_folder) {
  if (HoldsPathsFile(executable_folder)) return executable_folder;
  // Lexically, so that messages name "/usr/share/tavlo" rather than
  // "/usr/bin/../share/tavlo".
  const auto installed = (executable_folder / installed_folder).lexically_normal();
  if (HoldsPathsFile(installed)) return installed;
  return executable_folder;
}

std::filesystem::path RunningProgramFolder() {
  return LocateProgramFolder(ExecutableFolder(), TAVLO_INSTALLED_PROGRAM_FOLDER);
}

}  // namespace tavlo
