#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tavlo {

// Breaks text into lines no wider than width, as measure reports widths.
// Lines break at blanks only, so that a file name such as "paths.txt" is
// never torn at its dot; a single word wider than a whole line is broken
// between its characters. Line ends in the text are kept.
std::vector<std::string> WrapAtBlanks(std::string_view text, float width,
                                      const std::function<float(std::string_view)>& measure);

}  // namespace tavlo
