#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tavlo::stats {

// Runs tavlo-stats with its arguments (the program name left out) and
// returns its exit status: 0 when every profile was read, 1 when one could
// not be (the others are still written) or nothing could be written, 2 for a
// wrong command line.
int RunStatsTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// The --help text.
std::string HelpText();

// A CSV field: quoted, with its quotes doubled, when it holds a comma, a
// quote or a line end.
std::string CsvField(const std::string& text);

}  // namespace tavlo::stats
