#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "engine/AccessSettings.h"

namespace tavlo {

// What reading a profile's access file found.
enum class AccessFileRead { Missing, Read, Damaged };

// A profile's access settings as their file keeps them: UTF-8 text, one
// key=value a line (speak_highlight, switch1, switch2, accept_ms,
// post_select_pause_ms, first_item_delay_ms, scan_loops, scan_frame_buttons).
// A key that is missing keeps its default; a number beyond what the screens
// accept reads as the nearest end. Lines of other keys, and comment lines
// beginning with '#', are kept so that saving writes them back.
struct AccessFile {
  AccessSettings Settings;
  std::vector<std::string> OtherLines;

  // A missing file gives the defaults. So does a damaged one: a line that is
  // no key=value, or a known key whose value is none it can hold.
  static AccessFileRead Read(const std::filesystem::path& file, AccessFile& contents);
  // Every known key, then the other lines; false when it could not be written.
  bool Write(const std::filesystem::path& file) const;
};

}  // namespace tavlo
