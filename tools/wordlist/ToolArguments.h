#pragma once

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavlo::wordlist {

// The command line was not what the command takes; the tool says so and
// points at --help.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One command's arguments: "--name value" options and the positional rest.
struct ToolArguments {
  std::vector<std::string> Positional;
  std::map<std::string, std::string> Options;

  std::optional<std::string> Option(const std::string& name) const;
};

// Splits the arguments after the command name. Throws UsageError for an
// option the command does not take, one without its value, or a count of
// positional arguments outside minimum..maximum.
ToolArguments ParseToolArguments(const std::vector<std::string>& arguments,
                                 const std::set<std::string>& options, std::size_t minimum,
                                 std::size_t maximum);

// "Game03", "game03", "03" and "3" all name the table "Game03".
std::string GameTableName(const std::string& text);

}  // namespace tavlo::wordlist
