// Whatever bytes a text file holds, reading it gives valid UTF-8 lines
// without line ends.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string text = tavlo::DecodeText(bytes);
  if (!tavlo::IsValidUtf8(text)) std::abort();
  for (const auto& line : tavlo::SplitLines(text)) {
    if (line.find_first_of("\r\n") != std::string::npos) std::abort();
  }
  return 0;
}
