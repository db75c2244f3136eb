#pragma once

#include <filesystem>

namespace tavlo {

// Finds the read-only program folder of an executable that lives in
// `executable_folder`. The program folder is the one that holds "paths.txt":
// first the executable's own folder (the build tree, or a program folder
// copied as a whole with its executable), then `installed_folder` taken
// relative to the executable's folder (an installed program, whose bin/ and
// share/tavlo/ sit under one prefix wherever that prefix is). When neither
// holds the file, the executable's folder is the answer, so that start-up
// reports the missing "paths.txt" where a user would look for it first.
std::filesystem::path LocateProgramFolder(const std::filesystem::path& executable_folder,
                                          const std::filesystem::path& installed_folder);

// The program folder of the running executable, found as above with the
// installed place the build was configured for.
std::filesystem::path RunningProgramFolder();

}  // namespace tavlo
