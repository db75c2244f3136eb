#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tavlo::wordlist {

struct ListCount {
  std::string Name;
  std::int64_t Rows = 0;
};

// The lists of one game table with their numbers of rows, in the language's
// word order; nothing when the table cannot be read.
std::optional<std::vector<ListCount>> CountLists(const std::filesystem::path& database,
                                                 const std::string& language,
                                                 const std::string& table);

}  // namespace tavlo::wordlist
