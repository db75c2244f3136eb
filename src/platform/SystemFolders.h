#pragma once

#include <filesystem>
#include <string>

namespace tavlo {

// The value of an environment variable of this process; "" when it is not set.
std::string EnvironmentValue(const std::string& name);

// The folder that holds the running executable.
std::filesystem::path ExecutableFolder();

// The user's documents folder: XDG_DOCUMENTS_DIR from user-dirs.dirs, else
// $HOME/Documents when it exists, else $HOME. Empty without a home folder.
std::filesystem::path UserDocumentsFolder();

// Reads XDG_DOCUMENTS_DIR from the text of a user-dirs.dirs file, expanding
// $HOME. Empty when the file does not set it.
std::filesystem::path DocumentsFolderFromUserDirs(const std::string& user_dirs_text,
                                                  const std::filesystem::path& home);

}  // namespace tavlo
