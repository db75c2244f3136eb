#pragma once

#include <filesystem>
#include <string_view>

namespace tavlo {

// A path as written in the program's data and text files: either separator,
// "\" or "/", may appear. Returns it with the platform's separator.
std::filesystem::path PathFromText(std::string_view text);

// True for a name that stays inside the folder it is named in: not absolute
// (no leading separator, no drive letter) and without a ".." part. Names of
// pictures and recordings come from word lists anyone can edit, and must
// never open files elsewhere on the computer.
bool IsNameInsideFolder(std::string_view name);

// Resolves a path written in a data file against a base folder (an absolute
// path stays as it is). When the exact path does not exist, each part is
// matched without regard to case, because the names were written for a file
// system that ignores case. Returns the exact path when nothing matches.
std::filesystem::path ResolvePath(const std::filesystem::path& base, std::string_view relative);

}  // namespace tavlo
