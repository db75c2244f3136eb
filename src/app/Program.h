#pragma once

#include <string>

namespace tavlo {

class Platform;

// Starts the program on a platform and runs it until it ends; returns the
// process's exit status.
int RunProgram(Platform& platform, const std::string& command_line);

}  // namespace tavlo
