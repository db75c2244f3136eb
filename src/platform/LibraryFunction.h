#pragma once

#include <dlfcn.h>

namespace tavlo {

// Libraries the program needs only now and then (printing, sound, generated
// speech) are opened with dlopen when first used rather than linked, so that
// they cost a start nothing. This finds one function of such a library;
// false when the library lacks it.
template <typename Function>
bool FindLibraryFunction(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

}  // namespace tavlo
