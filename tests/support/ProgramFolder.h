#pragma once

#include <filesystem>

namespace tavlo::testing {

// Copies the program's own resources (pictures, sounds, language files,
// paths.txt and an empty default data folder) into a folder, to serve as
// the program folder of a screen test. The default data's pictures and
// recordings are left out: screen tests bring their own data.
void CopyProgramResources(const std::filesystem::path& program_folder);

}  // namespace tavlo::testing
