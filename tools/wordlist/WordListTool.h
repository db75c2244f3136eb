#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tavlo::wordlist {

// Runs tavlo-wordlist with its arguments (the program name left out) and
// returns its exit status.
int RunWordListTool(const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err);

// The --help text: every command with an example.
std::string HelpText();

}  // namespace tavlo::wordlist
