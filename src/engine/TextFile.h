#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavlo {

// How much of a text file is read: no screen shows more than a few thousand
// characters of one line, and no file the program reads is long, so a huge
// file costs neither memory nor time.
struct TextLimits {
  std::size_t MaxBytes = 1 << 20;
  std::size_t MaxLineBytes = 4096;
};

// The lines of a text file, as UTF-8. A file that is not valid UTF-8 was
// written on Windows in its Western code page and is read as Windows-1252.
// Lines may end in CR LF, LF or CR; a final line end adds no empty line.
// Only the first MaxBytes of the file are read, and a longer line is cut
// (between characters) to MaxLineBytes. Empty when the file cannot be opened
// or read, and for anything but a regular file: a pipe or a device would
// block the program or never end.
std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& file,
                                                      const TextLimits& limits = {});

// Splits decoded text into lines as ReadTextLines does.
std::vector<std::string> SplitLines(std::string_view text);

// Cuts UTF-8 text to at most max_bytes without splitting a character.
std::string CutUtf8(std::string text, std::size_t max_bytes);

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
