#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavlo {

// One value per line in the option file and in profile.txt. A text value is
// the whole line, so commas and quotes inside it survive; a value that starts
// with a double quote, or begins or ends with a blank, is written between
// double quotes so that its edges survive too.
std::string EncodeTextLine(std::string_view value);
// Reads a line written by EncodeTextLine. Lines of older files read as they
// always did: a quoted field up to its closing quote, else the line without
// the blanks around it.
std::string DecodeTextLine(std::string_view line);

// A whole number in a line, blanks around it allowed, a fraction rounded to
// the nearest (halves to even). Empty when the line is not a number or the
// number lies outside [lowest, highest].
std::optional<std::int64_t> ParseNumberLine(std::string_view line, std::int64_t lowest,
                                            std::int64_t highest);

}  // namespace tavlo
