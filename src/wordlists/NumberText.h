#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tavlo {

// A 32-bit whole number written as text: decimal with an optional sign, or
// hexadecimal after "0x" or "&H" (how colours are usually written down).
// Blanks around it are allowed. Nothing when the text is anything else or the
// number does not fit.
std::optional<std::int32_t> ParseInt32(std::string_view text);

}  // namespace tavlo
