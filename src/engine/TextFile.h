#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavlo {

// The lines of a text file, as UTF-8. A file that is not valid UTF-8 was
// written on Windows in its Western code page and is read as Windows-1252.
// Lines may end in CR LF, LF or CR; a final line end adds no empty line.
// Empty when the file cannot be opened or read.
std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& file);

// Splits decoded text into lines as ReadTextLines does.
std::vector<std::string> SplitLines(std::string_view text);

// Bytes as UTF-8: kept when they are valid UTF-8 (a byte-order mark dropped),
// else read as Windows-1252.
std::string DecodeText(std::string_view bytes);
bool IsValidUtf8(std::string_view bytes);

// Writes the lines, each ending in CR LF, to a temporary file beside the target
// and renames it over the target, so that a crash or a full disk never leaves
// a half-written file. False when anything failed; the old file is then intact.
bool WriteTextLinesAtomically(const std::filesystem::path& file,
                              const std::vector<std::string>& lines);

}  // namespace tavlo
