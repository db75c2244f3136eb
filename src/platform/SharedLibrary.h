#pragma once

#include <dlfcn.h>

namespace tavlo {

// Libraries the program needs only now and then (printing, sound, generated
// speech, sorting word lists) are opened when first used rather than linked,
// so that they cost a start nothing.

// The library by its file name ("libicuuc.so.72"), kept for the process's
// life; null when it cannot be opened.
inline void* OpenSharedLibrary(const char* name) { return dlopen(name, RTLD_NOW | RTLD_LOCAL); }

// One function of such a library; false when the library lacks it.
template <typename Function>
bool FindLibraryFunction(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

}  // namespace tavlo
