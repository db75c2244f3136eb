#pragma once

#include <unicode/uchar.h>
#include <unicode/ucol.h>

namespace tavlo {

// The few ICU functions the word lists use: collation to order a language's
// words, and upper case for letters beyond ASCII. ICU is opened when a list
// is first sorted or spelled, not at every start: its libraries cost each
// start about 3 ms before the first line of the program ran.
struct IcuLibrary {
  decltype(&ucol_open) OpenCollator = nullptr;
  decltype(&ucol_close) CloseCollator = nullptr;
  decltype(&ucol_setStrength) SetStrength = nullptr;
  decltype(&ucol_strcollUTF8) CompareUtf8 = nullptr;
  decltype(&u_toupper) ToUpper = nullptr;
  // False where the libraries or a function are missing: words are then
  // ordered and spelled by their ASCII letters alone.
  bool Loaded = false;
};

// Opened on the first call and kept for the process's life.
const IcuLibrary& Icu();

}  // namespace tavlo
