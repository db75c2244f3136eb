#include <string>

#include "app/Program.h"
#include "platform/SdlPlatform.h"

int main(int argc, char** argv) {
  // The program reads its command line as one text, the way it was written
  // for: "window" alone runs in a window.
  std::string command_line;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) command_line += ' ';
    command_line += argv[i];
  }
  tavlo::SdlPlatform platform;
  return tavlo::RunProgram(platform, command_line);
}
