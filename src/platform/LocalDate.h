#pragma once

#include <string>

namespace tavlo {

// Today's date in the short form of the user's locale (its LC_TIME, LANG
// settings); in the C locale's form when the user's cannot be had.
std::string TodayInShortForm();

// Today and the time of day as year, month, day, hour, minute and second, for names
// of files that sort by age ("2026-12-08 143005").
std::string TodayForFileName();

}  // namespace tavlo
