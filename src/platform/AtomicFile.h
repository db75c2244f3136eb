#pragma once

#include <filesystem>
#include <string_view>

namespace tavlo {

// Writes the bytes to a temporary file beside the target, flushes them to the
// disk and renames the temporary file over the target, so that a crash or a
// full disk never leaves a half-written file. False when anything failed; the
// old file is then intact and no temporary file is left behind.
bool ReplaceFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// Removes the temporary files that saves into the folder left behind when the
// program was killed or the power failed half-way through one. Only for a
// folder that no other process is saving into at the time.
void RemoveUnfinishedSaves(const std::filesystem::path& folder);

}  // namespace tavlo
