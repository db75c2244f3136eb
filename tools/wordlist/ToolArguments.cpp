#include "ToolArguments.h"

#include <cctype>
#include <charconv>
#include <cstdio>

#include "wordlists/GameTables.h"

namespace tavlo::wordlist {

std::optional<std::string> ToolArguments::Option(const std::string& name) const {
  const auto found = Options.find(name);
  if (found == Options.end()) return std::nullopt;
  return found->second;
}

ToolArguments ParseToolArguments(const std::vector<std::string>& arguments,
                                 const std::set<std::string>& options, std::size_t minimum,
                                 std::size_t maximum) {
  ToolArguments result;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument.size() > 2 && argument.starts_with("--")) {
      std::string name = argument.substr(2);
      std::optional<std::string> value;
      if (const auto equals = name.find('='); equals != std::string::npos) {
        value = name.substr(equals + 1);
        name = name.substr(0, equals);
      }
      if (!options.contains(name)) throw UsageError("unknown option --" + name);
      if (!value) {
        if (i + 1 >= arguments.size()) throw UsageError("--" + name + " needs a value");
        value = arguments[++i];
      }
      result.Options[name] = *value;
    } else {
      result.Positional.push_back(argument);
    }
  }
  if (result.Positional.size() < minimum) throw UsageError("too few arguments");
  if (result.Positional.size() > maximum) throw UsageError("too many arguments");
  return result;
}

std::string GameTableName(const std::string& text) {
  std::string digits = text;
  if (digits.size() > 4 &&
      (digits.compare(0, 4, "Game") == 0 || digits.compare(0, 4, "game") == 0 ||
       digits.compare(0, 4, "GAME") == 0)) {
    digits = digits.substr(4);
  }
  int number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
      number < 1 || number > kGameTableCount) {
    throw UsageError("\"" + text + "\" is not a game table; give Game01 to Game15");
  }
  char name[8];
  std::snprintf(name, sizeof name, "Game%02d", number);
  return name;
}

}  // namespace tavlo::wordlist
