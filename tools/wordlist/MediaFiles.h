#pragma once

#include <string>
#include <vector>

#include "state/WordRecord.h"

namespace tavlo::wordlist {

// A file a game opens for a row: a picture or a recording, as a path under
// the data folder.
struct MediaFile {
  // "picture" or "speech", for the user.
  std::string Kind;
  // The column the file's name comes from.
  std::string Column;
  // Empty when the row names no file there.
  std::string Path;
  // The name as the row gives it, before its folder is put in front.
  std::string Name;
};

// Every file the game of that table opens for the row, where it opens it.
std::vector<MediaFile> MediaFilesOf(const std::string& table, const std::string& language,
                                    const WordRecord& record);

}  // namespace tavlo::wordlist
